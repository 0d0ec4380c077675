#pragma once
// The application-wide tool-tip switch. Tool-tips are shown only while the
// switch is on; a widget whose "showHint" property is false never shows its
// tool-tip, while still keeping the text for context help.
#include <QObject>

namespace sw {

class ToolTipSwitch : public QObject
{
    Q_OBJECT

public:
    // Installs the filter on the application on first use.
    static void setEnabled(bool enabled);
    static bool isEnabled();

    // The property name that turns one widget's tool-tip off.
    static const char *const ShowHintProperty;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static ToolTipSwitch *instance();
    bool mEnabled = true;
};

} // namespace sw
