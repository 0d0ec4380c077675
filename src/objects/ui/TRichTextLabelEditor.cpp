#include "objects/ui/TRichTextLabelEditor.h"

#include "objects/ObjectEditors.h"
#include "objects/TGPRichBaseLabel.h"
#include "objects/ui/DialogButtons.h"
#include "objects/ui/InsertFieldBox.h"
#include "platform/Rounding.h"
#include "platform/ScreenCursor.h"
#include "richtext/TWPRTFTextIo.h"
#include "richtext/TWPRichText.h"
#include "richtext/ui/TWPRichTextView.h"
#include "richtext/ui/TWPToolBar.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace sw {

TRichTextLabelEditor::TRichTextLabelEditor(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                          | Qt::WindowCloseButtonHint)
    , mRichText(new TWPRichText(this))
    , mToolBar(new TWPToolBar(this))
    , mScrollBox(new QScrollArea(this))
    , mPanel(new QFrame)
{
    ScreenCursor::set(ScreenCursor::Hourglass);
    setObjectName(QStringLiteral("RichTextLabelEditor"));
    setWindowTitle(QStringLiteral("Rich Text Editor"));
    setSizeGripEnabled(true);
    mRichText->setObjectName(QStringLiteral("WPRichText1"));

    // The editing area: white, a single border, hidden until the window is
    // first activated.
    mPanel->setObjectName(QStringLiteral("WPPanel"));
    mPanel->setFrameShape(QFrame::Box);
    mPanel->setLineWidth(1);
    mPanel->setAutoFillBackground(true);
    setAreaColor(Qt::white);
    mView = new TWPRichTextView(mRichText, mPanel);
    mView->setObjectName(QStringLiteral("WPRichText1"));
    auto *panelLayout = new QVBoxLayout(mPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(mView);
    mPanel->hide();

    mScrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    mScrollBox->setWidget(mPanel);
    mScrollBox->setWidgetResizable(false);
    mScrollBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mScrollBox->setBackgroundRole(QPalette::Dark);

    mToolBar->setObjectName(QStringLiteral("WPToolBar1"));
    mToolBar->setView(mView);

    // The zoom buttons belong to the window and are moved onto the toolbar.
    mZoomPlus = new QToolButton(this);
    mZoomPlus->setObjectName(QStringLiteral("ZoomPlusButton"));
    mZoomPlus->setToolTip(QStringLiteral("Zoom In"));
    mZoomPlus->setIcon(QIcon(QStringLiteral(":/richtext/icons/zoomin.svg")));
    mZoomPlus->setAutoRaise(true);
    mZoomMinus = new QToolButton(this);
    mZoomMinus->setObjectName(QStringLiteral("ZoomMinusButton"));
    mZoomMinus->setToolTip(QStringLiteral("Zoom Out"));
    mZoomMinus->setIcon(QIcon(QStringLiteral(":/richtext/icons/zoomout.svg")));
    mZoomMinus->setAutoRaise(true);
    mToolBar->AddButton(mZoomPlus);
    mToolBar->AddButton(mZoomMinus);
    connect(mZoomPlus, &QToolButton::clicked, this, &TRichTextLabelEditor::ZoomPlusButtonClick);
    connect(mZoomMinus, &QToolButton::clicked, this, &TRichTextLabelEditor::ZoomMinusButtonClick);

    // The field goes in at the caret, in the character format there.
    mInsertField = new InsertFieldBox(this);
    connect(mInsertField, &InsertFieldBox::fieldChosen, this, [this](const QString &reference) {
        QTextCursor cursor = mView->textCursor();
        cursor.insertText(reference);
        mView->setTextCursor(cursor);
        mView->setFocus();
    });

    auto *buttons = new DialogButtons(this, HelpTopic);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mToolBar);
    layout->addWidget(mInsertField);
    layout->addWidget(mScrollBox, 1);
    layout->addLayout(buttons);

    setEditingArea(191, 34, 100);
    QCoreApplication::processEvents();
}

TRichTextLabelEditor::~TRichTextLabelEditor() = default;

void TRichTextLabelEditor::setAreaColor(const QColor &color)
{
    QPalette palette = mPanel->palette();
    palette.setColor(QPalette::Window, color);
    mPanel->setPalette(palette);
    mRichText->setColor(fromQColor(color));
    mRichText->Refresh();
}

void TRichTextLabelEditor::setEditingArea(int width, int height, int zoom)
{
    mRichText->setZooming(zoom);
    const double z = mRichText->Zooming() / 100.0;
    // The page is the label at 100 %: the area less the one added pixel.
    mView->setPageSize(QSizeF(std::max(1, width - 1) / z, std::max(1, height - 1) / z));
    mPanel->setFixedSize(std::max(2, width), std::max(2, height));
    mBaseWidth = mPanel->width();
    mBaseHeight = mPanel->height();
    mBaseZoom = mRichText->Zooming();
    // Room for the toolbar and the area, within the screen.
    const QSize hint = sizeHint();
    resize(std::max({hint.width(), mPanel->width() + 60, 640}), std::max({hint.height(), mPanel->height() + 140, 320}));
}

bool TRichTextLabelEditor::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !mActivated)
        FormActivate();
    return QDialog::event(event);
}

void TRichTextLabelEditor::showEvent(QShowEvent *event)
{
    ScreenCursor::set(ScreenCursor::Hourglass);
    QDialog::showEvent(event);
    // Where the window system does not activate new windows, the set-up
    // runs once the window is up all the same.
    QTimer::singleShot(0, this, [this] {
        if (!mActivated)
            FormActivate();
    });
}

void TRichTextLabelEditor::FormActivate()
{
    mActivated = true;
    mPanel->show();
    QCoreApplication::processEvents();
    mRichText->Refresh();
    mView->setFocus();
    mRichText->SetCaretPosition(0, 0);
    ScreenCursor::set(ScreenCursor::Default);
    mBaseWidth = mPanel->width();
    mBaseHeight = mPanel->height();
    mBaseZoom = mRichText->Zooming();
}

void TRichTextLabelEditor::ZoomPlusButtonClick()
{
    if (mRichText->Zooming() >= 100)
        return;
    mRichText->setZooming(mRichText->Zooming() + 10);
    resizeArea();
}

void TRichTextLabelEditor::ZoomMinusButtonClick()
{
    if (mRichText->Zooming() <= 50)
        return;
    mRichText->setZooming(mRichText->Zooming() - 10);
    resizeArea();
}

void TRichTextLabelEditor::resizeArea()
{
    if (mBaseZoom <= 0)
        return;
    const int zoom = mRichText->Zooming();
    mPanel->setFixedSize(roundHalfEven(double(zoom) * mBaseWidth / mBaseZoom),
                         roundHalfEven(double(zoom) * mBaseHeight / mBaseZoom));
}

void TRichTextLabelEditor::install()
{
    TGPRichBaseLabel::Editor = [](TGPRichBaseLabel::EditRequest &request) {
        TRichTextLabelEditor editor(QApplication::activeWindow());
        editor.WPRichText1()->RtfText()->Assign(*request.document);
        if (!request.transparent)
            editor.setAreaColor(toQColor(request.background));
        editor.setEditingArea(request.width, request.height, request.zoom);
        if (editor.exec() != QDialog::Accepted)
            return false;
        request.document->Assign(*editor.WPRichText1()->RtfText());
        return true;
    };
    ObjectEditors::setEditorOf<TGPRichBaseLabel>("TGPRichBaseLabel", [](TGPRichBaseLabel &label) { return label.EditRichText(); });
}

} // namespace sw
