#pragma once
// The base of the program's exceptions: a failure with the message text the
// user is shown. Commands that fail throw a subclass (EValid, EReportPrinter,
// the stream errors ...); the application's guard shows message() in the
// error box and carries on.
#include <QByteArray>
#include <QString>

#include <exception>

namespace sw {

class Exception : public std::exception
{
public:
    explicit Exception(const QString &message)
        : mMessage(message)
        , mWhat(message.toUtf8())
    {
    }
    const QString &message() const noexcept { return mMessage; }
    const char *what() const noexcept override { return mWhat.constData(); }

private:
    QString mMessage;
    QByteArray mWhat;
};

} // namespace sw
