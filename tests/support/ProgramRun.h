#pragma once
// Runs a program of the build (or a tool) to its end and keeps what it
// said: for tests of the command-line printer and of packaging.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace sw::test {

struct ProgramRun
{
    int status = -1; // the exit code; -1 when it crashed or did not end within a minute
    QString out, err;
};

inline ProgramRun runProgram(const QString &program, const QStringList &args,
                             const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    ProgramRun r;
    if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit)
        r.status = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace sw::test
