#include "platform/ui/WidgetMessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Runs `show` and, once its box is up, records the box and presses `press`.
SeenBox answerBox(const std::function<void()> &show, QMessageBox::StandardButton press)
{
    SeenBox seen;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer.stop();
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->button(press)->click();
    });
    timer.start();
    show();
    return seen;
}

} // namespace

TEST(WidgetMessageService, BoxesHaveTheirTitlesIconsAndButtons)
{
    sw::WidgetMessageService service;

    SeenBox info = answerBox([&] { service.information("Label Print Completed!"); },
                             QMessageBox::Ok);
    EXPECT_EQ(info.title, "Information");
    EXPECT_EQ(info.icon, QMessageBox::Information);
    EXPECT_EQ(info.buttons, QMessageBox::Ok);
    EXPECT_EQ(info.text, "Label Print Completed!");

    bool answer = false;
    SeenBox question = answerBox([&] { answer = service.question("Confirm", "Save?"); },
                                 QMessageBox::Yes);
    EXPECT_TRUE(answer);
    EXPECT_EQ(question.title, "Confirm");
    EXPECT_EQ(question.icon, QMessageBox::Question);
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    answerBox([&] { answer = service.question("Confirm", "Save?"); }, QMessageBox::No);
    EXPECT_FALSE(answer);

    SeenBox error = answerBox([&] { service.error("No printer.\r\nUnable to print"); },
                              QMessageBox::Ok);
    EXPECT_EQ(error.title, "Stickwell");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.text, "No printer.\nUnable to print");
}
