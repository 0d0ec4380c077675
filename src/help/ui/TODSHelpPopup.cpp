#include "help/ui/TODSHelpPopup.h"

#include "help/ui/THelpWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace sw {

namespace {

QPointer<TODSHelpPopup> &thePopup()
{
    static QPointer<TODSHelpPopup> popup;
    return popup;
}

} // namespace

QImage TODSHelpPopup::shadowPattern()
{
    QImage pattern(8, 8, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool through = (y % 4 == 0 && x % 2 == 0) || (y % 4 == 2 && x % 2 == 1);
            pattern.setPixel(x, y, through ? qRgba(0, 0, 0, 0) : qRgba(0, 0, 0, 255));
        }
    return pattern;
}

namespace {

// Where the screen behind a window cannot be read (Wayland), the window is
// see-through instead and the compositor shows what lies behind.
bool screenReadable()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QFont linkFont(const QFont &font)
{
    QFont bold = font;
    bold.setBold(!font.bold());
    return bold;
}

constexpr int TextMargin = 8;
constexpr int TextTop = 4;
constexpr int MeasuredExtraWidth = 16;
constexpr int MeasuredExtraHeight = 10;
constexpr int LinkGap = 3;
constexpr int LinkBottomGap = 2;
constexpr int EdgeGap = 10;
constexpr int BelowControlTop = 8;

} // namespace

TODSHelpPopup::TODSHelpPopup()
    : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint)
{
    setObjectName(QStringLiteral("ODSHelpPopup"));
    setAttribute(Qt::WA_NoSystemBackground);
    if (!screenReadable())
        setAttribute(Qt::WA_TranslucentBackground);
    // Losing the focus to another program closes the pop-up.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive && isVisible())
            close();
    });
}

TODSHelpPopup *TODSHelpPopup::instance()
{
    QPointer<TODSHelpPopup> &popup = thePopup();
    if (!popup)
        popup = new TODSHelpPopup;
    return popup;
}

TODSHelpPopup *TODSHelpPopup::showing()
{
    TODSHelpPopup *popup = thePopup();
    return popup && popup->isVisible() ? popup : nullptr;
}

TODSHelpPopup::Geometry TODSHelpPopup::layout(const QFont &font, const QString &text, int maxWidth,
                                              const QString &moreText, bool link, const QRect &control,
                                              const QRect &screen)
{
    Geometry g;
    const QFontMetrics metrics(font);
    // The text wrapped at the maximum width, as drawn; then room around it.
    const QRect measured =
        metrics.boundingRect(QRect(0, 0, maxWidth, 10), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    int width = measured.width() + MeasuredExtraWidth;
    int height = measured.height() + MeasuredExtraHeight;
    g.text = QRect(TextMargin, TextTop, width - 2 * TextMargin, measured.height());
    QSize linkSize;
    if (link) {
        const QFontMetrics linkMetrics(linkFont(font));
        linkSize = QSize(linkMetrics.horizontalAdvance(moreText), linkMetrics.height());
        height += LinkGap + linkSize.height();
        // A short text must not leave the link hanging out of the box.
        width = std::max(width, linkSize.width() + 2 * TextMargin);
        g.text.setWidth(width - 2 * TextMargin);
    }
    g.box = QSize(width, height);
    if (link)
        g.link = QRect(QPoint(width - TextMargin - linkSize.width(), height - LinkBottomGap - linkSize.height()),
                       linkSize);

    const QSize window = g.box + QSize(ShadowOffset, ShadowOffset);
    // Centred on the control's left edge, kept on the screen.
    int left = control.left() - (width / 2);
    if (left < screen.left())
        left = screen.left();
    if (left + window.width() > screen.right() + 1)
        left = screen.right() + 1 - window.width() - EdgeGap;
    int top = control.top() + BelowControlTop;
    if (top + window.height() > screen.bottom() + 1)
        top = screen.bottom() + 1 - window.height() - EdgeGap;
    g.window = QRect(QPoint(left, top), window);
    return g;
}

void TODSHelpPopup::showRequest(const Request &request)
{
    if (isVisible()) {
        // A pop-up still showing for another control ends first.
        close();
    }
    mRequest = request;
    QScreen *screen = QGuiApplication::screenAt(request.control.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    mGeometry = layout(request.font, request.text, request.maxWidth, request.moreText, request.context != 0,
                       request.control, area);
    mBehind = QPixmap();
    if (screen && screenReadable()) {
        const QRect w = mGeometry.window.translated(-screen->geometry().topLeft());
        mBehind = screen->grabWindow(0, w.x(), w.y(), w.width(), w.height());
    }
    setFont(request.font);
    setGeometry(mGeometry.window);
    mDonePending = true;
    show();
    raise();
    update();
}

void TODSHelpPopup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!mBehind.isNull()) {
        painter.drawPixmap(0, 0, mBehind);
    } else {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.fillRect(QRect(QPoint(ShadowOffset, ShadowOffset), mGeometry.box), QBrush(shadowPattern()));

    const QRect box(QPoint(0, 0), mGeometry.box);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(mRequest.color);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setFont(mRequest.font);
    painter.drawText(mGeometry.text.adjusted(0, 0, 0, MeasuredExtraHeight),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, mRequest.text);
    if (!mGeometry.link.isEmpty()) {
        painter.setFont(linkFont(mRequest.font));
        painter.drawText(mGeometry.link, Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine,
                         mRequest.moreText);
    }
}

void TODSHelpPopup::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (!rect().contains(event->position().toPoint())) {
        // A click elsewhere ends the pop-up.
        close();
        return;
    }
    if (!mGeometry.link.isEmpty() && mGeometry.link.contains(event->position().toPoint()))
        openLinkAndClose();
    else
        close();
}

void TODSHelpPopup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && mRequest.context != 0)
        openLinkAndClose();
    else
        close();
}

void TODSHelpPopup::openLinkAndClose()
{
    const int context = mRequest.context;
    QPointer<QWidget> owner = mRequest.owner;
    close();
    THelpWindow::showContext(context, owner);
}

void TODSHelpPopup::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    mBehind = QPixmap();
    if (!mDonePending)
        return;
    mDonePending = false;
    // The request may start another from its handler.
    const std::function<void()> done = mRequest.onDone;
    mRequest.onDone = nullptr;
    if (done)
        done();
}

} // namespace sw
