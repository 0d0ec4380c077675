#pragma once
// Message boxes for the whole program, independent of widgets: every part
// calls MessageService, which hands the message to the process-wide
// handler. The application installs a handler that shows real dialogs
// (WidgetMessageService in platform/ui); tools without windows keep the
// default one, which writes to stderr; tests install a ScriptedMessageHandler.

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

namespace sw {

class MessageHandler
{
public:
    virtual ~MessageHandler();
    // An information box titled "Information" with an OK button.
    virtual void information(const QString &text) = 0;
    // A question box with Yes and No; true for Yes.
    virtual bool question(const QString &title, const QString &text) = 0;
    // A failure shown by the application's default error handler, titled
    // with the application title.
    virtual void error(const QString &text) = 0;
};

class MessageService
{
public:
    static QString informationTitle() { return QStringLiteral("Information"); }
    static QString applicationTitle() { return QStringLiteral("Stickwell"); }

    static void information(const QString &text);
    static bool question(const QString &title, const QString &text);
    static void error(const QString &text);

    // The current handler; never null.
    static MessageHandler *handler();
    // Installs `handler` (not owned; nullptr restores the default) and
    // returns the one it replaces.
    static MessageHandler *setHandler(MessageHandler *handler);
};

// Writes every message to stderr and answers questions with No, so that a
// tool without windows never waits for an answer.
class StderrMessageHandler : public MessageHandler
{
public:
    void information(const QString &text) override;
    bool question(const QString &title, const QString &text) override;
    void error(const QString &text) override;
};

// Records every message and answers questions from a queue (No once the
// queue is empty, counted in unansweredQuestions).
class ScriptedMessageHandler : public MessageHandler
{
public:
    enum class Kind { Information, Question, Error };
    struct Message
    {
        Kind kind;
        QString title;
        QString text;
    };

    void information(const QString &text) override;
    bool question(const QString &title, const QString &text) override;
    void error(const QString &text) override;

    // The texts of the recorded messages, in order.
    QStringList texts() const;

    std::deque<bool> answers;
    QList<Message> messages;
    int unansweredQuestions = 0;
};

// Installs a handler for its lifetime and then restores the previous one.
class ScopedMessageHandler
{
public:
    explicit ScopedMessageHandler(MessageHandler *handler);
    ~ScopedMessageHandler();
    ScopedMessageHandler(const ScopedMessageHandler &) = delete;
    ScopedMessageHandler &operator=(const ScopedMessageHandler &) = delete;

private:
    MessageHandler *mPrevious;
};

} // namespace sw
