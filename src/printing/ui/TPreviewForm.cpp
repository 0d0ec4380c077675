#include "printing/ui/TPreviewForm.h"

#include "help/ui/HelpTopics.h"
#include "help/ui/THelpWindow.h"
#include "help/ui/TODSHelp.h"
#include "platform/Exception.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/Rounding.h"
#include "platform/ScreenInfo.h"
#include "platform/ui/WindowPosition.h"
#include "printing/ui/TFilePreview.h"

#include <QBitmap>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace sw {

namespace {

enum class Glyph { ZoomIn, ZoomOut, PageWidth, WholePage };

// A magnifying glass: lens centred at (11, 11), handle to the lower right.
void drawMagnifier(QPainter &p, const QColor &color)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 2));
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(QPointF(11, 11), 7, 7);
    p.setPen(QPen(color, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 17), QPointF(25, 25));
}

QIcon glyphIcon(Glyph glyph)
{
    QPixmap pm(28, 28);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QColor ink(30, 30, 30);
    switch (glyph) {
    case Glyph::ZoomIn:
    case Glyph::ZoomOut:
        drawMagnifier(p, ink);
        p.setPen(QPen(ink, 2));
        p.drawLine(QPointF(7, 11), QPointF(15, 11));
        if (glyph == Glyph::ZoomIn)
            p.drawLine(QPointF(11, 7), QPointF(11, 15));
        break;
    case Glyph::PageWidth:
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 3.5, 15, 21));
        p.setPen(QPen(ink, 2));
        p.drawLine(QPointF(1, 14), QPointF(27, 14));
        p.drawLine(QPointF(1, 14), QPointF(5, 10));
        p.drawLine(QPointF(1, 14), QPointF(5, 18));
        p.drawLine(QPointF(27, 14), QPointF(23, 10));
        p.drawLine(QPointF(27, 14), QPointF(23, 18));
        break;
    case Glyph::WholePage:
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7.5, 2.5, 13, 23));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        for (int y = 7; y <= 21; y += 3)
            p.drawLine(10, y, 18, y);
        break;
    }
    return QIcon(pm);
}

// The cursor over the page: a magnifier whose hot spot is the lens' centre.
QCursor magnifyCursor()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    drawMagnifier(p, Qt::black);
    p.end();
    return QCursor(pm, 11, 11);
}

QToolButton *toolButton(QWidget *parent, const char *name, const QString &tip, const QIcon &icon)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setIcon(icon);
    b->setIconSize(QSize(24, 24));
    b->setAutoRaise(true);
    return b;
}

QString configFileName()
{
    return ProgramFolder::filePath(QStringLiteral("SK.INI"));
}

} // namespace

TPreviewForm::TPreviewForm(const QByteArray &stream, QWidget *parent)
    : QDialog(parent)
    , mPreview(new TFilePreview(this))
{
    setObjectName(QStringLiteral("PreviewForm"));
    setWindowTitle(QStringLiteral("Preview Labels"));
    setModal(true);
    resize(760, 620);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setCursor(magnifyCursor());
    ScrollBox1->setFocusPolicy(Qt::NoFocus);

    auto *bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("BottomPanel"));
    auto *row = new QHBoxLayout(bottom);
    row->setContentsMargins(6, 4, 6, 4);

    Helpbutton = new QPushButton(QStringLiteral("Help"), bottom);
    Helpbutton->setObjectName(QStringLiteral("Helpbutton"));
    MouseHelpButton = TODSHelp::makeMouseHelpButton(bottom);
    sbFirstPage = toolButton(bottom, "sbFirstPage", QStringLiteral("First page"),
                             style()->standardIcon(QStyle::SP_MediaSkipBackward));
    sbPrevPage = toolButton(bottom, "sbPrevPage", QStringLiteral("Previous page"),
                            style()->standardIcon(QStyle::SP_ArrowLeft));
    sbNextPage = toolButton(bottom, "sbNextPage", QStringLiteral("Next page"),
                            style()->standardIcon(QStyle::SP_ArrowRight));
    sbLastPAge = toolButton(bottom, "sbLastPAge", QStringLiteral("Last page"),
                            style()->standardIcon(QStyle::SP_MediaSkipForward));
    sbZoomIn = toolButton(bottom, "sbZoomIn", QStringLiteral("Zoom in"), glyphIcon(Glyph::ZoomIn));
    sbZoomOut = toolButton(bottom, "sbZoomOut", QStringLiteral("Zoom out"), glyphIcon(Glyph::ZoomOut));
    sbZoomPageWidth = toolButton(bottom, "sbZoomPageWidth", QStringLiteral("Fit the page's width"),
                                 glyphIcon(Glyph::PageWidth));
    sbZoomPage = toolButton(bottom, "sbZoomPage", QStringLiteral("Fit the whole page"), glyphIcon(Glyph::WholePage));
    zbZoom100 = toolButton(bottom, "zbZoom100", QStringLiteral("Actual size"), QIcon());
    zbZoom100->setText(QStringLiteral("100%"));
    zbZoom100->setToolButtonStyle(Qt::ToolButtonTextOnly);
    CloseButton = new QPushButton(QStringLiteral("Ok"), bottom);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setDefault(true);

    row->addWidget(Helpbutton);
    row->addWidget(MouseHelpButton);
    row->addSpacing(12);
    row->addWidget(sbFirstPage);
    row->addWidget(sbPrevPage);
    row->addWidget(sbNextPage);
    row->addWidget(sbLastPAge);
    row->addStretch();
    row->addWidget(sbZoomIn);
    row->addWidget(sbZoomOut);
    row->addWidget(sbZoomPageWidth);
    row->addWidget(sbZoomPage);
    row->addWidget(zbZoom100);
    row->addSpacing(12);
    row->addWidget(CloseButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(bottom);

    connect(sbZoomIn, &QToolButton::clicked, this, &TPreviewForm::SBZoomInClick);
    connect(sbZoomOut, &QToolButton::clicked, this, &TPreviewForm::SBZoomOutClick);
    connect(sbZoomPageWidth, &QToolButton::clicked, this, &TPreviewForm::SBZoomPageWidthClick);
    connect(sbZoomPage, &QToolButton::clicked, this, &TPreviewForm::SBZoomPageClick);
    connect(zbZoom100, &QToolButton::clicked, this, &TPreviewForm::zbZoom100Click);
    connect(sbPrevPage, &QToolButton::clicked, this, &TPreviewForm::SBPrevPageClick);
    connect(sbNextPage, &QToolButton::clicked, this, &TPreviewForm::SBNextPageClick);
    connect(sbFirstPage, &QToolButton::clicked, this, &TPreviewForm::sbFirstPageClick);
    connect(sbLastPAge, &QToolButton::clicked, this, &TPreviewForm::sbLastPageClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(Helpbutton, &QPushButton::clicked, this,
            [this] { THelpWindow::showContext(HelpContext::Preview, this); });
    TODSHelp::attach(this, HelpContext::Preview);

    mPreview->ScrollBox = ScrollBox1;
    mPreview->PixelsPerInch = ScreenInfo::pixelsPerInch();
    mPreview->setStream(stream);
    mPreview->OnPageChange = [this] { FilePreview1PageChange(); };
    mPreview->OnZoomChange = [this] { FilePreview1ZoomChange(); };
}

TPreviewForm::~TPreviewForm() = default;

QString TPreviewForm::pageCaption(int page, int pageCount, double zoom)
{
    return QStringLiteral("Preview Page %1 of %2 ( %3% )").arg(page).arg(pageCount).arg(roundHalfEven(zoom));
}

QString TPreviewForm::placementSection(int pixelsPerInch)
{
    QString name = QStringLiteral("TPreviewForm_Placement");
    if (pixelsPerInch > 96)
        name += QString::number(pixelsPerInch);
    return name;
}

void TPreviewForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!mFirstActivation)
        return;
    try {
        FormActivate();
    } catch (const Exception &e) {
        // A stream that cannot be shown: say why and close.
        MessageService::error(e.message());
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    }
}

void TPreviewForm::FormActivate()
{
    restorePlacement();
    mPreview->Start();
    if (InitialZoom == ZoomModeFitPage)
        mPreview->ZoomPage();
    else if (InitialZoom == ZoomModeFitWidth)
        mPreview->ZoomPageWidth();
    else
        mPreview->setZoomFactor(InitialZoom);
    mPreview->pageWidget()->installEventFilter(this);
    ScrollBox1->viewport()->installEventFilter(this);
    if (mPreview->PageCount() < 2) {
        sbPrevPage->hide();
        sbNextPage->hide();
        sbFirstPage->hide();
        sbLastPAge->hide();
    }
    mFirstActivation = false;
}

void TPreviewForm::FilePreview1PageChange()
{
    setWindowTitle(pageCaption(mPreview->CurrentPage() - mPreview->FirstPage() + 1, mPreview->PageCount(),
                               mPreview->ZoomFactor()));
}

void TPreviewForm::FilePreview1ZoomChange()
{
    // The page has been redrawn at the new zoom.
    FilePreview1PageChange();
}

void TPreviewForm::SBZoomInClick() { mPreview->ZoomIn(); }
void TPreviewForm::SBZoomOutClick() { mPreview->ZoomOut(); }
void TPreviewForm::SBZoomPageWidthClick() { mPreview->ZoomPageWidth(); }
void TPreviewForm::SBZoomPageClick() { mPreview->ZoomPage(); }
void TPreviewForm::zbZoom100Click() { mPreview->setZoomFactor(100); }
void TPreviewForm::SBPrevPageClick() { mPreview->PrevPage(); }
void TPreviewForm::SBNextPageClick() { mPreview->NextPage(); }
void TPreviewForm::sbFirstPageClick() { mPreview->PrintPage(mPreview->FirstPage()); }
void TPreviewForm::sbLastPageClick() { mPreview->PrintPage(mPreview->LastPage()); }

bool TPreviewForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress
        && (watched == mPreview->pageWidget() || watched == ScrollBox1->viewport())) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            mPreview->ZoomIn();
        else
            mPreview->ZoomOut();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TPreviewForm::keyPressEvent(QKeyEvent *event)
{
    QScrollBar *bar = ScrollBox1->verticalScrollBar();
    if (event->key() == Qt::Key_Up) {
        bar->setValue(std::max(0, bar->value() - bar->singleStep()));
        return;
    }
    if (event->key() == Qt::Key_Down) {
        bar->setValue(std::min(bar->maximum(), bar->value() + bar->singleStep()));
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPreviewForm::done(int result)
{
    if (!mFirstActivation) {
        savePlacement();
        mPreview->Finish();
    }
    QDialog::done(result);
}

void TPreviewForm::restorePlacement()
{
    IniFile ini(configFileName());
    const QString section = placementSection(ScreenInfo::pixelsPerInch());
    const int left = ini.readInteger(section, QStringLiteral("Left"), 0);
    const int top = ini.readInteger(section, QStringLiteral("Top"), 0);
    const int right = ini.readInteger(section, QStringLiteral("Right"), 0);
    const int bottom = ini.readInteger(section, QStringLiteral("Bottom"), 0);
    if (bottom > top && right > left) {
        QRect r(left, top, right - left, bottom - top);
        // Keep the window on the screen it is shown on.
        if (QScreen *s = screen()) {
            const QRect avail = s->availableGeometry();
            r.setSize(r.size().boundedTo(avail.size()));
            r = WindowPosition::keptWithin(r, avail);
        }
        setGeometry(r);
    }
    if (ini.readBool(section, QStringLiteral("Maximized"), false))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TPreviewForm::savePlacement()
{
    IniFile ini(configFileName());
    const QString section = placementSection(ScreenInfo::pixelsPerInch());
    const QRect r = isMaximized() ? normalGeometry() : geometry();
    ini.writeInteger(section, QStringLiteral("Left"), r.x());
    ini.writeInteger(section, QStringLiteral("Top"), r.y());
    ini.writeInteger(section, QStringLiteral("Right"), r.x() + r.width());
    ini.writeInteger(section, QStringLiteral("Bottom"), r.y() + r.height());
    ini.writeBool(section, QStringLiteral("Maximized"), isMaximized());
}

} // namespace sw
