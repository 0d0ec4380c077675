#pragma once
// Mouse help: after the mouse-help button, the pointer is the help cursor
// over the program's windows and the next left click chooses the control
// whose help is shown. An invisible mask control ("ODSMask", 0 x 0) on the
// window holds the keyboard focus meanwhile; Escape, or the mask losing
// the focus, ends the mode without help. Either way the control that was
// active before gets the focus back.
//
// The mode watches the whole program's input (an application event filter)
// rather than grabbing the mouse, so it works on every windowing system
// and never leaves the desktop's pointer captured.
#include "platform/ScreenCursor.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class QWidget;

namespace sw {

class HelpPointerMode : public QObject
{
    Q_OBJECT

public:
    // The control a click at a screen point chooses, disabled controls
    // included; nullptr when the point is on no enabled window of the
    // program.
    static QWidget *controlAt(const QPoint &globalPos);

    // Starts the mode on window. showHelp is called with the control a
    // click chose; done when the mode ends without help shown (Escape,
    // focus lost, a click that found no help). The mode deletes itself
    // when it ends.
    static HelpPointerMode *start(QWidget *window, std::function<bool(QWidget *control)> showHelp,
                                  std::function<void()> done);
    // The mode running, or nullptr.
    static HelpPointerMode *current();

    QWidget *mask() const { return mMask; }
    // Ends the mode without help, as Escape does.
    void cancel();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HelpPointerMode(QWidget *window, std::function<bool(QWidget *)> showHelp, std::function<void()> done);
    ~HelpPointerMode() override;
    void finish(QWidget *chosen, bool clicked);

    QPointer<QWidget> mWindow;
    QPointer<QWidget> mMask;
    QPointer<QWidget> mPreviousFocus;
    std::function<bool(QWidget *)> mShowHelp;
    std::function<void()> mDone;
    ScreenCursor::Shape mPreviousCursor = ScreenCursor::Default;
    bool mFinished = false;
};

} // namespace sw
