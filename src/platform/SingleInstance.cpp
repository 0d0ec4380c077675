#include "platform/SingleInstance.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace sw {

namespace {

// The requests, one a line: any number of "open <percent-encoded path>",
// then "activate", which ends the hand-over.
const QByteArray kActivate = QByteArrayLiteral("activate");
const QByteArray kOpen = QByteArrayLiteral("open ");
// A line longer than this is not one of ours.
constexpr int kMaxLine = 16384;
// How long a later start keeps trying to reach an instance that holds the
// lock but is not listening yet (it may be starting up right now).
constexpr int kHandOverMs = 5000;
// A lock file whose contents cannot be read is taken for a crashed
// writer's only once it is this old; a live writer fills it at once.
constexpr qint64 kUnreadableLockAgeMs = 10000;
// Longest socket path a local socket accepts on common platforms.
constexpr int kMaxSocketPath = 100;

QString userId()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    QString name = qEnvironmentVariable("USERNAME");
    return name.isEmpty() ? QStringLiteral("user") : name;
#endif
}

QString safeName(const QString &key)
{
    QString name;
    for (const QChar c : key)
        name += (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
                    ? c
                    : QLatin1Char('_');
    if (name.isEmpty())
        name = QStringLiteral("app");
    return name.left(40);
}

bool processGone(qint64 pid, const QString &host)
{
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return false; // can't tell for another machine; assume it lives
#ifdef Q_OS_UNIX
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
#else
    Q_UNUSED(pid);
    return false; // the lock file's own stale check covers this platform
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir))
        dir = QDir::tempPath();
    const QString name = safeName(key) + QLatin1Char('-') + userId();
    mLockPath = QDir(dir).filePath(name + QStringLiteral(".lock"));
#ifdef Q_OS_UNIX
    // In the user's private runtime folder other users can neither reach
    // nor squat the socket; a plain name would land in the shared temp dir.
    const QString socketPath = QDir(dir).filePath(name + QStringLiteral(".sock"));
    mServerName = socketPath.toLocal8Bit().size() <= kMaxSocketPath ? socketPath : name;
#else
    mServerName = name;
#endif
}

SingleInstance::~SingleInstance()
{
    if (mServer)
        mServer->close();
    if (mLock)
        mLock->unlock();
}

void SingleInstance::setFilesToOpen(const QStringList &files)
{
    mFiles.clear();
    for (const QString &file : files)
        mFiles.append(QFileInfo(file).absoluteFilePath());
}

bool SingleInstance::tryToRun()
{
    if (mTried)
        return mFirst;
    mTried = true;

    if (acquireLock()) {
        listen();
        mFirst = true;
        return true;
    }

    // Another instance holds the lock. It may still be starting (lock
    // taken, socket not yet listening) or it may die meanwhile, in which
    // case its lock becomes stale and this start is the first after all.
    const QDeadlineTimer deadline(kHandOverMs);
    while (!deadline.hasExpired()) {
        if (sendActivation())
            return false;
        if (acquireLock()) {
            listen();
            mFirst = true;
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

bool SingleInstance::acquireLock()
{
    if (!mLock) {
        mLock = std::make_unique<QLockFile>(mLockPath);
        // Age alone must never make a live instance's lock stale; a lock is
        // stale only when its process is gone.
        mLock->setStaleLockTime(0);
    }
    if (mLock->tryLock(0))
        return true;
    if (mLock->error() != QLockFile::LockFailedError) {
        // No lock can be made at all (e.g. no writable folder): refusing to
        // start would be worse than risking a second instance.
        return true;
    }

    qint64 pid = 0;
    QString host;
    QString app;
    bool stale = false;
    if (mLock->getLockInfo(&pid, &host, &app)) {
        stale = processGone(pid, host);
    } else {
        const QDateTime modified = QFileInfo(mLockPath).lastModified();
        stale = modified.isValid()
                && modified.msecsTo(QDateTime::currentDateTime()) > kUnreadableLockAgeMs;
    }
    // removeStaleLockFile() itself refuses while a live process still holds
    // the file's system lock.
    if (stale && mLock->removeStaleLockFile())
        return mLock->tryLock(0);
    return false;
}

bool SingleInstance::listen()
{
    mServer = new QLocalServer(this);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(mServer, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    if (mServer->listen(mServerName))
        return true;
    // Holding the lock means no live instance owns the socket: it is left
    // over from a killed one.
    QLocalServer::removeServer(mServerName);
    return mServer->listen(mServerName);
}

bool SingleInstance::sendActivation()
{
    QLocalSocket socket;
    socket.connectToServer(mServerName);
    if (!socket.waitForConnected(200))
        return false;
    QByteArray request;
    for (const QString &file : mFiles)
        request += kOpen + file.toUtf8().toPercentEncoding("/") + '\n';
    request += kActivate + '\n';
    socket.write(request);
    const bool sent = socket.waitForBytesWritten(2000) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
    return sent;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = mServer->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        auto files = std::make_shared<QStringList>();
        auto readRequest = [this, socket, buffer, files] {
            buffer->append(socket->readAll());
            for (int end = buffer->indexOf('\n'); end >= 0; end = buffer->indexOf('\n')) {
                const QByteArray line = buffer->left(end);
                buffer->remove(0, end + 1);
                if (line.startsWith(kOpen)) {
                    files->append(QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(kOpen.size()))));
                } else if (line == kActivate) {
                    const QStringList requested = *files;
                    files->clear();
                    if (!requested.isEmpty())
                        Q_EMIT filesRequested(requested);
                    Q_EMIT activationRequested();
                }
            }
            if (buffer->size() > kMaxLine)
                socket->abort(); // not one of ours
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        // A quick sender may be gone before readyRead was delivered.
        connect(socket, &QLocalSocket::disconnected, this, readRequest);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            readRequest();
    }
}

} // namespace sw
