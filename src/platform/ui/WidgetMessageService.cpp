#include "platform/ui/WidgetMessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace sw {

namespace {

int showBox(QMessageBox::Icon icon, const QString &title, const QString &text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    // Texts carry "\r\n" line breaks; a plain "\n" is what a label breaks on.
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, title, plain, buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

void WidgetMessageService::information(const QString &text)
{
    showBox(QMessageBox::Information, MessageService::informationTitle(), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

bool WidgetMessageService::question(const QString &title, const QString &text)
{
    return showBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Yes)
           == QMessageBox::Yes;
}

void WidgetMessageService::error(const QString &text)
{
    showBox(QMessageBox::Critical, MessageService::applicationTitle(), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

} // namespace sw
