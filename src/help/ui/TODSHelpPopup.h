#pragma once
// The pop-up that shows one help text: a borderless box in the help colour
// beside the control, with a shadow, the text wrapped at the maximum width
// and, when the text has a help context, a link line that opens the help
// window there. One pop-up serves every window of the program.
//
// A left click on it closes it (opening the help first when the click is
// on the link); any key closes it (F1 opens the help first when there is
// a link); so does the program losing the focus. Closing raises the
// request's onDone.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

namespace sw {

class TODSHelpPopup : public QWidget
{
    Q_OBJECT

public:
    struct Request
    {
        QString text;
        int context = 0; // 0: no link line
        QRect control;   // the control's rectangle on the screen
        QColor color;
        QFont font;
        int maxWidth = 300;
        QString moreText;
        std::function<void()> onDone;
        QPointer<QWidget> owner; // the help window opens over it
    };

    // Where everything goes, in pixels. The window is the box plus room for
    // the shadow; the text and link rectangles are in box coordinates.
    struct Geometry
    {
        QRect window; // on the screen
        QSize box;
        QRect text;
        QRect link; // empty without a link line
    };
    static constexpr int ShadowOffset = 6;
    // The shadow darkens the screen behind through this 8 x 8 pattern:
    // black where a bit is 0, the screen unchanged (transparent) where it
    // is 1. Rows 0 and 4 let columns 0, 2, 4, 6 through, rows 2 and 6
    // columns 1, 3, 5, 7; odd rows let nothing through.
    static QImage shadowPattern();

    static Geometry layout(const QFont &font, const QString &text, int maxWidth, const QString &moreText,
                           bool link, const QRect &control, const QRect &screen);

    // The pop-up of the program, made at first use.
    static TODSHelpPopup *instance();
    // The pop-up when it is showing, else nullptr.
    static TODSHelpPopup *showing();

    void showRequest(const Request &request);
    const Request &request() const { return mRequest; }
    const Geometry &geometry() const { return mGeometry; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    TODSHelpPopup();
    void openLinkAndClose();

    Request mRequest;
    Geometry mGeometry;
    QPixmap mBehind; // the screen under the window, when it could be read
    bool mDonePending = false;
};

} // namespace sw
