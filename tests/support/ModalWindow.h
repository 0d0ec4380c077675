#pragma once
// Drives a modal window the way a user does: once the window on top shows,
// run `act` on it, then press its Ok (or Cancel). Works for the program's
// windows ("OkButton", "CancelButton") and for Qt's own dialogs. Call it
// just before the command that opens the window; nested windows work by
// calling it again inside `act` before opening the inner one.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace sw::test {

inline void closeModal(QWidget *window, bool ok)
{
    auto *button = window->findChild<QPushButton *>(ok ? QStringLiteral("OkButton") : QStringLiteral("CancelButton"));
    if (!button)
        if (auto *box = window->findChild<QDialogButtonBox *>())
            button = box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
    if (button && button->isEnabled()) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    // No usable button: close the window anyway so the test cannot hang.
    ADD_FAILURE() << "no enabled " << (ok ? "Ok" : "Cancel") << " button on "
                  << window->metaObject()->className();
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->reject();
}

inline void whenModal(std::function<void(QWidget *)> act, bool ok = true)
{
    QTimer::singleShot(0, [act, ok] {
        QWidget *window = QApplication::activeModalWidget();
        if (!window) {
            ADD_FAILURE() << "no modal window showing";
            return;
        }
        if (act)
            act(window);
        closeModal(window, ok);
    });
}

} // namespace sw::test
