#include "platform/MessageService.h"

#include <QStringList>

#include <cstdio>

namespace sw {

namespace {

StderrMessageHandler gDefaultHandler;
MessageHandler *gHandler = &gDefaultHandler;

void printLine(const QString &title, const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QByteArray line = (title + QStringLiteral(": ") + plain + QLatin1Char('\n')).toLocal8Bit();
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
}

} // namespace

MessageHandler::~MessageHandler() = default;

void MessageService::information(const QString &text)
{
    gHandler->information(text);
}

bool MessageService::question(const QString &title, const QString &text)
{
    return gHandler->question(title, text);
}

void MessageService::error(const QString &text)
{
    gHandler->error(text);
}

MessageHandler *MessageService::handler()
{
    return gHandler;
}

MessageHandler *MessageService::setHandler(MessageHandler *handler)
{
    MessageHandler *previous = gHandler;
    gHandler = handler ? handler : &gDefaultHandler;
    return previous;
}

void StderrMessageHandler::information(const QString &text)
{
    printLine(MessageService::informationTitle(), text);
}

bool StderrMessageHandler::question(const QString &title, const QString &text)
{
    printLine(title, text + QStringLiteral(" -> No"));
    return false;
}

void StderrMessageHandler::error(const QString &text)
{
    printLine(MessageService::applicationTitle(), text);
}

void ScriptedMessageHandler::information(const QString &text)
{
    messages.append({Kind::Information, MessageService::informationTitle(), text});
}

bool ScriptedMessageHandler::question(const QString &title, const QString &text)
{
    messages.append({Kind::Question, title, text});
    if (answers.empty()) {
        ++unansweredQuestions;
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedMessageHandler::error(const QString &text)
{
    messages.append({Kind::Error, MessageService::applicationTitle(), text});
}

QStringList ScriptedMessageHandler::texts() const
{
    QStringList result;
    for (const Message &message : messages)
        result.append(message.text);
    return result;
}

ScopedMessageHandler::ScopedMessageHandler(MessageHandler *handler)
    : mPrevious(MessageService::setHandler(handler))
{
}

ScopedMessageHandler::~ScopedMessageHandler()
{
    MessageService::setHandler(mPrevious);
}

} // namespace sw
