#pragma once
// The context help of one window: a component (a child of the window) that
// holds a short help text per control name. "What's this?" on a control,
// or the window's mouse-help button followed by a click on a control, shows
// the control's text in a small pop-up beside it, with a link into the
// help window when the text has a help context.
//
// Persisted properties in stream order; none has a default, so all are
// written. HelpText is stored as "HelpText.Strings" and "HelpText.HelpData"
// (TODSHelpText).
#include "help/TODSHelpText.h"
#include "platform/TColor.h"
#include "platform/TFont.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

class QAbstractButton;
class QIcon;
class QToolButton;
class QWidget;

namespace sw {

class TODSHelp : public QObject
{
    Q_OBJECT
    Q_PROPERTY(sw::TODSHelpText *HelpText READ HelpText)
    Q_PROPERTY(int Color READ color WRITE setColor)
    Q_PROPERTY(sw::TFont *Font READ font)
    Q_PROPERTY(bool ParentFont READ parentFont WRITE setParentFont)
    Q_PROPERTY(ushort MaxWidth READ maxWidth WRITE setMaxWidth)
    Q_PROPERTY(QString MoreText READ moreText WRITE setMoreText)
    Q_CLASSINFO("type:Color", "TColor")

public:
    static constexpr TColor DefaultColor = 0xE8FFFF; // pale yellow
    static constexpr int DefaultMaxWidth = 300;
    static const char *const DefaultMoreText; // "Click here or press F1 for more..."

    Q_INVOKABLE explicit TODSHelp(QObject *owner = nullptr);
    ~TODSHelp() override;

    TODSHelpText *HelpText() const { return mHelpText; }
    TColor color() const { return mColor; }
    void setColor(TColor color) { mColor = color; }
    TFont *font() const { return mFont; }
    bool parentFont() const { return mParentFont; }
    void setParentFont(bool parentFont) { mParentFont = parentFont; }
    ushort maxWidth() const { return mMaxWidth; }
    void setMaxWidth(ushort width) { mMaxWidth = width; }
    QString moreText() const { return mMoreText; }
    void setMoreText(const QString &text) { mMoreText = text; }

    // Raised when a help request ends: the pop-up closed, or pointer mode
    // ended without showing help.
    std::function<void()> OnHelpDone;

    // "What's this?": shows the help of control or of its nearest ancestor
    // (up to and including its window) that has help. Without a control
    // only OnHelpDone is raised.
    void ShowHelpFor(QWidget *control);
    // Shows the help of control itself, placed by screenRect (the control's
    // rectangle on the screen). False when its window has no help for it.
    bool ShowHelpForControl(QWidget *control, const QRect &screenRect);
    // Mouse help: the next left click on a control of the program shows its
    // help; Escape or the window losing the focus ends the mode.
    void StartPointerMode();
    bool inPointerMode() const;

    // The font the pop-up writes in for a control of the owning window.
    QFont helpFont(const QWidget *window) const;
    // The help context the entry found for control opens: its own, or
    // else the control's (helpContextOf). 0 when there is no help.
    int contextFor(QWidget *control) const;

    // The help component of the window control lies on: the last one among
    // the window's children. nullptr without one.
    static TODSHelp *of(const QWidget *control);
    // A control's help context: its own, or else its nearest ancestor's.
    static int helpContextOf(const QWidget *control);
    static void setHelpContext(QWidget *control, int context);

    // Gives window its context help: a component "ODSHelp1" holding the
    // help texts shipped for the window's class (HelpTextFile; the class
    // name without namespace, "TGetLabelText"), the window's help context,
    // "What's this?" on every control the texts name (also on those made
    // after this, once the window shows), and F1, which opens the help
    // window at the focused control's context.
    static TODSHelp *attach(QWidget *window, int helpContext);
    static QString textsNameOf(const QWidget *window);
    // The mouse-help button of a window ("MouseHelpButton"): starts pointer
    // mode with the window's help component.
    static QToolButton *makeMouseHelpButton(QWidget *parent);
    static void connectMouseHelpButton(QAbstractButton *button);
    static QIcon mouseHelpIcon();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void attachMenus(QWidget *window) const;

    TODSHelpText *mHelpText;
    TColor mColor = DefaultColor;
    TFont *mFont;
    bool mParentFont = true;
    ushort mMaxWidth = DefaultMaxWidth;
    QString mMoreText;
};

} // namespace sw
