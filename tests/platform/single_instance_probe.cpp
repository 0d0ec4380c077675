// Test helper: one start of a program guarded by SingleInstance.
//   single_instance_probe <key> [file...]
// As the first instance it prints "ready", then "open <file>" for every
// file a later start hands over and "activated", and exits 0 after the
// first activation (or exits 3 after 30 seconds without one). As a later
// start it hands over its files and exits 2 at once.
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int kHandedOver = 2;
constexpr int kNoActivation = 3;

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 64;
    sw::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    instance.setFilesToOpen(QCoreApplication::arguments().mid(2));
    if (!instance.tryToRun())
        return kHandedOver;

    QObject::connect(&instance, &sw::SingleInstance::filesRequested, &app, [](const QStringList &files) {
        for (const QString &file : files)
            say(qPrintable(QStringLiteral("open ") + file));
    });
    QObject::connect(&instance, &sw::SingleInstance::activationRequested, &app, [] {
        say("activated");
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(30000, &app, [] { QCoreApplication::exit(kNoActivation); });
    say("ready");
    return app.exec();
}
