#include "controls/TDFSColorButtonPalette.h"

#include "platform/TColorArrayClass.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <qdrawutil.h>

namespace sw {

namespace {

// The colour dialog keeps 16 custom colours in two rows of eight, counted
// down each column; the array's (x, y) is column x, row y.
int dialogIndex(int x, int y)
{
    return (x - 1) * 2 + (y - 1);
}

// A one-pixel frame: the top and left edges in one colour, the bottom and
// right edges in another.
void frame3D(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

TDFSColorButtonPalette::TDFSColorButtonPalette(const TColorArrayClass &palette, const TColorArrayClass &customColors,
                                               QWidget *parent)
    : QWidget(parent, Qt::Popup)
    , mPalette(new TColorArrayClass(0, 0, this))
    , mCustomColors(new TColorArrayClass(0, 0, this))
    , mOtherButton(new QPushButton(QStringLiteral("&Other"), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    mPalette->Assign(palette);
    mCustomColors->Assign(customColors);
    setFixedSize(ClientWidth + 2 * Frame, ClientHeight + 2 * Frame);
    mOtherButton->setObjectName(QStringLiteral("OtherButton"));
    // The keys belong to the grid; "&Other" answers its mnemonic and clicks.
    mOtherButton->setFocusPolicy(Qt::NoFocus);
    mOtherButton->setGeometry(Frame + 1, Frame + 98, ClientWidth - 22, 21);
    connect(mOtherButton, &QPushButton::clicked, this, &TDFSColorButtonPalette::chooseOtherColor);
    // Leaving the program closes the palette, as a click elsewhere does.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive && !mInColorDialog)
            close();
    });
}

TDFSColorButtonPalette::~TDFSColorButtonPalette() = default;

void TDFSColorButtonPalette::setOtherCaption(const QString &caption)
{
    mOtherButton->setText(caption);
}

void TDFSColorButtonPalette::setOtherColor(TColor color)
{
    mOtherColor = color;
    update();
}

void TDFSColorButtonPalette::setHighlighted(const QPoint &cell)
{
    if (cell == mHighlight)
        return;
    mHighlight = cell;
    update();
    showHint(cell);
}

bool TDFSColorButtonPalette::highlightColor(TColor color)
{
    const QRgb wanted = toQColor(color).rgb();
    for (int y = 1; y <= mPalette->YSize(); ++y) {
        for (int x = 1; x <= mPalette->XSize(); ++x) {
            if (toQColor(mPalette->color(x, y)).rgb() == wanted) {
                mHighlight = QPoint(x, y);
                update();
                return true;
            }
        }
    }
    mHighlight = NoCell;
    update();
    return false;
}

QPoint TDFSColorButtonPalette::cellAt(const QPoint &client)
{
    const int x = client.x(), y = client.y();
    if (x >= ClientWidth - 19 && x <= ClientWidth - 1 && y >= 96 && y <= 113)
        return OtherCell;
    if (x < 0 || y < 0)
        return NoCell;
    const QPoint cell(x / CellSize + 1, y / CellSize + 1);
    if (cell.x() > ClientWidth / CellSize || cell.y() > 5)
        return NoCell;
    return cell;
}

QRect TDFSColorButtonPalette::cellRect(const QPoint &cell)
{
    if (cell == OtherCell)
        return QRect(ClientWidth - 19, 96, CellSize, CellSize);
    return QRect(CellSize * cell.x() - CellSize, CellSize * cell.y() - CellSize, CellSize, CellSize);
}

TColor TDFSColorButtonPalette::cellColor(const QPoint &cell) const
{
    if (cell == OtherCell)
        return mOtherColor;
    return mPalette->color(cell.x(), cell.y());
}

QString TDFSColorButtonPalette::hintText(const QPoint &cell) const
{
    const TColor color = cellColor(cell);
    const QColor rgb = toQColor(color);
    QString text = QString::asprintf("RGB = %.3d %.3d %.3d", rgb.red(), rgb.green(), rgb.blue());
    if (OnGetColorHintText)
        OnGetColorHintText(color, cell.x(), cell.y(), text);
    return text;
}

void TDFSColorButtonPalette::showHint(const QPoint &cell)
{
    if (!mShowHints || cell == NoCell || !isVisible()) {
        QToolTip::hideText();
        return;
    }
    const QRect r = cellRect(cell).translated(Frame, Frame);
    QToolTip::showText(mapToGlobal(r.bottomLeft() + QPoint(0, 8)), hintText(cell), this);
}

// ---- painting ----------------------------------------------------------------------------

void TDFSColorButtonPalette::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &pal = palette();
    qDrawWinPanel(&p, rect(), pal, false, &pal.brush(QPalette::Button));
    p.translate(Frame, Frame);

    const QColor window = pal.color(QPalette::Base);
    const QColor btnShadow = pal.color(QPalette::Dark);
    const QColor btnHighlight = pal.color(QPalette::Light);
    const QColor dkShadow = pal.color(QPalette::Shadow);
    const QColor light3D = pal.color(QPalette::Midlight);
    auto drawCell = [&](const QPoint &cell) {
        QRect r = cellRect(cell);
        if (cell == mHighlight) {
            frame3D(p, r.adjusted(0, 0, -1, -1), dkShadow, dkShadow);
            frame3D(p, r.adjusted(1, 1, -2, -2), btnHighlight, btnHighlight);
            frame3D(p, r.adjusted(2, 2, -3, -3), dkShadow, dkShadow);
        } else {
            frame3D(p, r.adjusted(0, 0, -1, -1), window, window);
            frame3D(p, r.adjusted(1, 1, -2, -2), btnShadow, btnHighlight);
            frame3D(p, r.adjusted(2, 2, -3, -3), dkShadow, light3D);
        }
        p.fillRect(r.adjusted(3, 3, -3, -3), toQColor(cellColor(cell)));
    };
    for (int y = 1; y <= mPalette->YSize(); ++y)
        for (int x = 1; x <= mPalette->XSize(); ++x)
            drawCell(QPoint(x, y));
    p.setPen(btnShadow);
    p.drawLine(2, 93, ClientWidth - 2, 93);
    p.setPen(btnHighlight);
    p.drawLine(2, 94, ClientWidth - 2, 94);
    drawCell(OtherCell);
}

// ---- input --------------------------------------------------------------------------------------

void TDFSColorButtonPalette::mouseMoveEvent(QMouseEvent *event)
{
    setHighlighted(cellAt(toClient(event->position().toPoint())));
}

void TDFSColorButtonPalette::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pick(cellAt(toClient(event->position().toPoint())));
}

void TDFSColorButtonPalette::pick(const QPoint &cell)
{
    if (cell != NoCell && OnColorChosen)
        OnColorChosen(cellColor(cell), cell == OtherCell);
    close();
}

void TDFSColorButtonPalette::keyPressEvent(QKeyEvent *event)
{
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pick(mHighlight);
        return;
    case Qt::Key_Escape:
        mCancelled = true;
        close();
        return;
    case Qt::Key_Left: step = QPoint(-1, 0); break;
    case Qt::Key_Right: step = QPoint(1, 0); break;
    case Qt::Key_Up: step = QPoint(0, -1); break;
    case Qt::Key_Down: step = QPoint(0, 1); break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (mHighlight == NoCell) {
        setHighlighted(QPoint(1, 1));
        return;
    }
    if (mHighlight == OtherCell) {
        // Back into the grid the way the swatch was reached.
        if (step.y() > 0)
            setHighlighted(QPoint(1, 1));
        return;
    }
    const QPoint next = mHighlight + step;
    if (next.y() == 0 && step.y() < 0)
        setHighlighted(OtherCell);
    else if (next.x() >= 1 && next.x() <= mPalette->XSize() && next.y() >= 1 && next.y() <= mPalette->YSize())
        setHighlighted(next);
}

void TDFSColorButtonPalette::chooseOtherColor()
{
    // A pop-up takes every click of the program while it shows, so it steps
    // aside for the modal dialog and comes back when that is cancelled.
    mInColorDialog = true;
    QToolTip::hideText();
    hide();
    QColorDialog dialog(toQColor(mOtherColor), parentWidget());
    dialog.setObjectName(QStringLiteral("OtherColorDialog"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    for (int y = 1; y <= 2; ++y)
        for (int x = 1; x <= 8; ++x)
            if (x <= mCustomColors->XSize() && y <= mCustomColors->YSize())
                QColorDialog::setCustomColor(dialogIndex(x, y), toQColor(mCustomColors->color(x, y)));
    const bool ok = dialog.exec() == QDialog::Accepted;
    mInColorDialog = false;
    if (!ok) {
        show();
        activateWindow();
        setFocus();
        return;
    }
    for (int y = 1; y <= 2; ++y) {
        for (int x = 1; x <= 8; ++x) {
            if (x > mCustomColors->XSize() || y > mCustomColors->YSize())
                continue;
            const QColor custom = QColorDialog::customColor(dialogIndex(x, y));
            mCustomColors->setColor(x, y, custom.isValid() ? fromQColor(custom) : clWhite);
        }
    }
    mOtherColor = fromQColor(dialog.selectedColor());
    if (OnColorChosen)
        OnColorChosen(mOtherColor, true);
    close();
}

void TDFSColorButtonPalette::closeEvent(QCloseEvent *event)
{
    if (mInColorDialog) {
        event->ignore();
        return;
    }
    QToolTip::hideText();
    QWidget::closeEvent(event);
    if (!mClosedReported) {
        mClosedReported = true;
        if (OnClosed)
            OnClosed(mCancelled);
    }
}

} // namespace sw
