#include "platform/MessageService.h"

#include <gtest/gtest.h>

using sw::MessageService;
using sw::ScopedMessageHandler;
using sw::ScriptedMessageHandler;

TEST(MessageService, ScriptedHandlerRecordsMessagesAndAnswersFromItsQueue)
{
    ScriptedMessageHandler script;
    script.answers = {true, false};
    ScopedMessageHandler scope(&script);

    MessageService::information("Label Print Completed!");
    EXPECT_TRUE(MessageService::question("Confirm", "Save changes?"));
    EXPECT_FALSE(MessageService::question("Confirm", "Delete file?"));
    EXPECT_FALSE(MessageService::question("Confirm", "One too many?")); // queue empty: No
    MessageService::error("Unable to open file");

    EXPECT_EQ(script.unansweredQuestions, 1);
    ASSERT_EQ(script.messages.size(), 5);
    EXPECT_EQ(script.messages[0].kind, ScriptedMessageHandler::Kind::Information);
    EXPECT_EQ(script.messages[0].title, "Information");
    EXPECT_EQ(script.messages[2].kind, ScriptedMessageHandler::Kind::Question);
    EXPECT_EQ(script.messages[2].title, "Confirm");
    EXPECT_EQ(script.messages[4].kind, ScriptedMessageHandler::Kind::Error);
    EXPECT_EQ(script.messages[4].title, "Stickwell");
    EXPECT_EQ(script.texts(), QStringList({"Label Print Completed!", "Save changes?",
                                           "Delete file?", "One too many?",
                                           "Unable to open file"}));
}

TEST(MessageService, ScopedHandlersNestAndRestore)
{
    sw::MessageHandler *original = MessageService::handler();
    ScriptedMessageHandler outer;
    {
        ScopedMessageHandler outerScope(&outer);
        ScriptedMessageHandler inner;
        {
            ScopedMessageHandler innerScope(&inner);
            MessageService::information("inner");
        }
        MessageService::information("outer");
        EXPECT_EQ(inner.texts(), QStringList({"inner"}));
    }
    EXPECT_EQ(outer.texts(), QStringList({"outer"}));
    EXPECT_EQ(MessageService::handler(), original);
}

TEST(MessageService, DefaultHandlerAnswersNoWithoutWaiting)
{
    sw::MessageHandler *previous = MessageService::setHandler(nullptr);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(MessageService::question("Confirm", "Overwrite?"));
    MessageService::error("There are no installed printers.\r\nUnable to continue");
    const std::string printed = testing::internal::GetCapturedStderr();
    MessageService::setHandler(previous);
    EXPECT_NE(printed.find("Confirm: Overwrite?"), std::string::npos);
    EXPECT_NE(printed.find("Stickwell: There are no installed printers.\nUnable"), std::string::npos);
}
