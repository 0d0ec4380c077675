#include "objects/TGPRichBaseLabel.h"

#include "merge/FieldTemplate.h"
#include "objects/ENoMasterWPRich.h"
#include "objects/LabelDialogs.h"
#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "platform/ScreenCursor.h"
#include "platform/ScreenInfo.h"
#include "report/TBaseReport.h"
#include "richtext/TWPRichText.h"
#include "richtext/TWPRtfStorage.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace sw {

TGPRichBaseLabel::TGPRichBaseLabel(QObject *owner)
    : TGGraphicControl(owner)
    , mStorage(new TWPRtfStorage(this))
{
    // The starting size is not a change: the first bounds check after
    // placement records the bounds.
    const bool wasLoading = isLoading();
    setLoading(true);
    SetBounds(Left(), Top(), 190, 33);
    setLoading(wasLoading);
}

TGPRichBaseLabel::~TGPRichBaseLabel() = default;

TWPRTFTextIo *TGPRichBaseLabel::RTFText() const
{
    return mStorage->RtfText();
}

TWPRichText *TGPRichBaseLabel::Master() const
{
    return mMaster.data();
}

void TGPRichBaseLabel::SetRTFText(const TWPRTFTextIo &document)
{
    mStorage->RtfText()->Assign(document);
    Invalidate();
    NotifyChanged();
}

void TGPRichBaseLabel::SetBorderStyle(TBorderStyle value)
{
    if (value == mBorderStyle)
        return;
    mBorderStyle = value;
    if (isLoading())
        return;
    Invalidate();
    NotifyChanged();
}

void TGPRichBaseLabel::SetTransparent(bool value)
{
    if (value == mTransparent)
        return;
    mTransparent = value;
    Invalidate();
}

void TGPRichBaseLabel::SetBGColor(TColor value)
{
    if (value == mBGColor)
        return;
    mBGColor = value;
    if (isLoading())
        return;
    Invalidate();
    NotifyChanged();
}

// ---- set-up and menu -------------------------------------------------------------------

void TGPRichBaseLabel::Loaded()
{
    TGGraphicControl::Loaded();
    if (isLoading())
        return;
    TWPRichText *master = TWPRichText::findMaster(this);
    if (!master)
        throw ENoMasterWPRich();
    mMaster = master;

    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    mTransparentItem = menu.add(QStringLiteral("Transparent"), [this] {
        SetTransparent(!mTransparent);
        // Toggling is a change of the design like any other: without the
        // report the change would not be offered for saving.
        NotifyChanged();
    });
    menu.add(QStringLiteral("Background Color"), [this] { ChooseBackgroundColor(); });
    mBorderItem = menu.add(QStringLiteral("Border"), [this] {
        SetBorderStyle(mBorderStyle == bsSingle ? bsNone : bsSingle);
    });
    mEditItem = menu.add(QStringLiteral("Edit"), [this] { EditRichText(); });
    menu.aboutToOpen = [this] { UpdateMenuChecks(); };
    UpdateMenuChecks();
    OnEditRequest = [this](QObject *) { EditRichText(); };
}

void TGPRichBaseLabel::UpdateMenuChecks()
{
    PopupMenu &menu = ObjectMenu();
    if (mTransparentItem >= 0)
        menu.entry(mTransparentItem).checked = mTransparent;
    if (mBorderItem >= 0)
        menu.entry(mBorderItem).checked = mBorderStyle == bsSingle;
}

void TGPRichBaseLabel::ChooseBackgroundColor()
{
    TColor color = mBGColor;
    if (!LabelDialogs::chooseColor || !LabelDialogs::chooseColor(color))
        return;
    SetBGColor(color);
    NotifyChanged();
    SetTransparent(false);
    Invalidate();
}

// ---- drawing -------------------------------------------------------------------------------

void TGPRichBaseLabel::DrawRich(Canvas &canvas)
{
    drawRich(canvas, Height());
}

void TGPRichBaseLabel::drawRich(Canvas &canvas, int height)
{
    TWPRichText *master = mMaster.data();
    if (!master)
        return;
    canvas.Pen()->setColor(clBlack);
    canvas.Brush()->setColor(clWhite);
    TColor background = clWhite;
    if (mTransparent) {
        canvas.Brush()->setStyle(bsClear);
    } else {
        canvas.Brush()->setStyle(bsSolid);
        canvas.Brush()->setColor(mBGColor);
        background = mBGColor;
    }
    master->setColor(background);
    canvas.FillRect(0, 0, Width(), height);

    master->RtfText()->Assign(*RTFText());
    if (hasPrintSubstitution())
        fillFields(*master->RtfText()->document());
    master->setZooming(truncTowardZero(ScaleFactor() * 100.0));
    master->setPaintOptions(TWPCustomRtfEdit::poTextOnly);
    master->PaintPage(canvas, 0, 1, 0, height, Width(), 0);

    if (mBorderStyle == bsSingle) {
        canvas.Pen()->setColor(clBlack);
        canvas.Pen()->setWidth(1);
        canvas.Pen()->setStyle(psSolid);
        canvas.Brush()->setStyle(bsClear);
        canvas.Rectangle(0, 0, Width(), height);
    }
}

int TGPRichBaseLabel::printedHeight() const
{
    if (!hasPrintSubstitution())
        return Height();
    TWPRTFTextIo designed, filled;
    designed.Assign(*RTFText());
    filled.Assign(*RTFText());
    fillFields(*filled.document());
    if (filled.document()->toPlainText() == designed.document()->toPlainText())
        return Height();
    // Both laid out as PaintPage lays them out, at the object's width.
    const double zoom = truncTowardZero(ScaleFactor() * 100.0) / 100.0;
    const auto depth = [&](TWPRTFTextIo &text) {
        text.document()->setTextWidth(Width() / zoom);
        return int(std::ceil(text.document()->size().height() * zoom));
    };
    const int needed = depth(filled);
    // Only what the filled fields add: a design that already runs past its
    // box prints as designed.
    if (needed <= Height() || needed <= depth(designed))
        return Height();
    return needed;
}

QStringList TGPRichBaseLabel::SubstitutedTexts() const
{
    return {RTFText()->document()->toPlainText()};
}

void TGPRichBaseLabel::fillFields(QTextDocument &document) const
{
    // Field by field, from the end, so that the positions still to come
    // stay where they were; each value takes the format of its field's
    // first character.
    for (QTextBlock block = document.lastBlock(); block.isValid(); block = block.previous()) {
        const QString text = block.text();
        const QList<FieldTemplate::Span> spans = FieldTemplate::spans(text);
        for (auto span = spans.crbegin(); span != spans.crend(); ++span) {
            const QString written = text.mid(span->start, span->length);
            const QString value = substituted(written);
            if (value == written)
                continue;
            QTextCursor cursor(block);
            cursor.setPosition(block.position() + int(span->start) + 1);
            const QTextCharFormat format = cursor.charFormat();
            cursor.setPosition(block.position() + int(span->start));
            cursor.setPosition(block.position() + int(span->start + span->length), QTextCursor::KeepAnchor);
            cursor.insertText(value, format);
        }
    }
}

void TGPRichBaseLabel::Paint(Canvas &canvas, const PaintContext &context)
{
    Q_UNUSED(context)
    DrawRich(canvas);
}

void TGPRichBaseLabel::PrintTo(TBaseReport &report, double xOff, double yOff)
{
    if (!mMaster || Width() <= 0 || Height() <= 0)
        return;
    const double p = ScreenInfo::pixelsPerInch();
    const int height = printedHeight();
    const TDeviceRect r = report.CreateRect(xOff + Left() / p, yOff + Top() / p, xOff + (Left() + Width()) / p,
                                            yOff + (Top() + height) / p);
    report.StretchDraw(r, QSize(Width(), height), [this, height](QPainter &painter) {
        Canvas canvas(&painter);
        drawRich(canvas, height);
    });
}

// ---- editing ---------------------------------------------------------------------------------

bool TGPRichBaseLabel::EditRichText()
{
    if (!Editor)
        return false;
    ScreenCursor::set(ScreenCursor::Hourglass);
    TWPRTFTextIo copy;
    copy.Assign(*RTFText());
    EditRequest request;
    request.document = &copy;
    request.transparent = mTransparent;
    request.background = mBGColor;
    request.width = Width() + 1;
    request.height = Height() + 1;
    request.zoom = roundHalfEven(ScaleFactor() * 100.0);
    bool accepted = false;
    try {
        accepted = Editor(request);
    } catch (...) {
        ScreenCursor::set(ScreenCursor::Default);
        throw;
    }
    if (accepted)
        SetRTFText(copy);
    ScreenCursor::set(ScreenCursor::Default);
    return accepted;
}

} // namespace sw
