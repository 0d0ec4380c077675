#pragma once
// One running instance of the program per user. The first instance holds a
// lock file and listens on a local socket; a later start finds the lock
// taken, hands the running instance the files it was given to open and
// asks it to come forward, and ends without showing a window. A lock left behind by an instance that
// was killed is recognised as stale (its process is gone) and taken over.

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLockFile;

namespace sw {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // key: names the program, normally the executable's base name; the
    // current user is added, so other users' instances don't count.
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Files a later start hands to the running instance (made absolute
    // here, as the instance runs in another folder). Set before tryToRun().
    void setFilesToOpen(const QStringList &files);

    // True when this is the first instance: it then holds the lock and
    // emits activationRequested() whenever a later start hands over (the
    // event loop must run for that). False when another instance runs: the
    // activation request has been sent to it (when it could be reached
    // within a few seconds) and this process should end. Later calls
    // return the first call's answer.
    bool tryToRun();
    bool isFirst() const { return mFirst; }

    // The lock file and local socket in use (for diagnostics and tests).
    QString lockFilePath() const { return mLockPath; }
    QString serverName() const { return mServerName; }

Q_SIGNALS:
    // A later start asked this instance to open these files (absolute
    // paths, in the order given); activationRequested() follows.
    void filesRequested(const QStringList &files);
    // A later start asked this instance to come forward.
    void activationRequested();

private:
    bool acquireLock();
    bool listen();
    bool sendActivation();
    void onNewConnection();

    QString mLockPath;
    QString mServerName;
    QStringList mFiles;
    std::unique_ptr<QLockFile> mLock;
    QLocalServer *mServer = nullptr;
    bool mTried = false;
    bool mFirst = false;
};

} // namespace sw
