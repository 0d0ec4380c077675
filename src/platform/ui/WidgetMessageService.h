#pragma once
// The message handler of the windowed program: real modal message boxes,
// parented to the active window so they stay in front of it. Installed by
// the application at start (MessageService::setHandler).

#include "platform/MessageService.h"

class QWidget;

namespace sw {

class WidgetMessageService : public MessageHandler
{
public:
    // "Information" title, information icon, OK.
    void information(const QString &text) override;
    // The given title, question icon, Yes (default) and No.
    bool question(const QString &title, const QString &text) override;
    // The application title, error icon, OK.
    void error(const QString &text) override;
};

} // namespace sw
