#include "objects/TGImage.h"

#include "objects/ObjectEditors.h"
#include "platform/Canvas.h"
#include "platform/Rounding.h"
#include "platform/ScreenInfo.h"
#include "report/TBaseReport.h"

namespace sw {

TGImage::TGImage(QObject *owner)
    : TGGraphicControl(owner)
    , mPicture(new TPicture(this))
{
    connect(mPicture, &TPicture::changed, this, [this] {
        if (!mApplying)
            pictureChanged();
    });
    // The starting size is not a change: the first bounds check after
    // placement records the bounds.
    const bool wasLoading = isLoading();
    setLoading(true);
    SetBounds(Left(), Top(), 105, 105);
    setLoading(wasLoading);
}

TGImage::~TGImage() = default;

void TGImage::SetAutoSize(bool value)
{
    if (isLoading()) {
        mAutoSize = value;
        return;
    }
    if (value == mAutoSize && mStretch == !value)
        return;
    mAutoSize = value;
    mStretch = !value;
    pictureChanged();
    NotifyChanged();
}

void TGImage::SetStretch(bool value)
{
    if (isLoading()) {
        mStretch = value;
        return;
    }
    if (value == mStretch && mAutoSize == !value)
        return;
    mStretch = value;
    mAutoSize = !value;
    Invalidate();
}

void TGImage::SetBorderStyle(TBorderStyle value)
{
    if (value == mBorderStyle)
        return;
    mBorderStyle = value;
    if (isLoading())
        return;
    Invalidate();
    NotifyChanged();
}

void TGImage::ApplyBrowsedPicture(const TPicture &picture, bool stretch, bool autoSize)
{
    // The flags first: the size check must see the user's choice, not the
    // old AutoSize.
    mStretch = stretch;
    mAutoSize = autoSize;
    mApplying = true;
    mPicture->Assign(picture);
    mApplying = false;
    pictureChanged();
    NotifyChanged();
}

void TGImage::pictureChanged()
{
    mMetafileImage = QImage();
    if (isLoading())
        return;
    BoundsChanged();
    mOpaque = mPicture->kind() == TPicture::Kind::Bitmap && mPicture->size() == QSize(Width(), Height());
    Invalidate();
}

void TGImage::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    const QSize size = mPicture->size();
    if (!mAutoSize || size.width() <= 0 || size.height() <= 0)
        return;
    const double s = ScaleFactor();
    fitBounds(Left(), Top(), roundHalfEven(size.width() * s), roundHalfEven(size.height() * s));
}

// ---- screen -------------------------------------------------------------------

void TGImage::PaintPlaceholder(Canvas &canvas, int width, int height)
{
    canvas.Pen()->setColor(clBlack);
    canvas.Pen()->setStyle(psSolid);
    canvas.Pen()->setMode(pmCopy);
    canvas.Pen()->setWidth(1);
    canvas.Brush()->setPattern(QImage());
    canvas.Brush()->setColor(clWhite);
    canvas.Brush()->setStyle(bsSolid);
    canvas.Rectangle(0, 0, width, height);
}

const QImage &TGImage::metafileImage(int width, int height)
{
    if (mMetafileImage.size() != QSize(width, height)) {
        mMetafileImage = QImage(width, height, QImage::Format_RGB32);
        mMetafileImage.fill(Qt::white);
        Canvas canvas(&mMetafileImage);
        canvas.StretchDraw(0, 0, width, height, *mPicture);
    }
    return mMetafileImage;
}

void TGImage::Paint(Canvas &canvas, const PaintContext &context)
{
    Q_UNUSED(context)
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    // Composed off screen, so that the picture, the placeholder and the
    // border reach the panel in one piece.
    QImage buffer(w, h, QImage::Format_RGB32);
    buffer.fill(Qt::white);
    {
        Canvas off(&buffer);
        switch (mPicture->kind()) {
        case TPicture::Kind::Bitmap:
        case TPicture::Kind::Icon: off.StretchDraw(0, 0, w, h, *mPicture); break;
        case TPicture::Kind::Metafile: off.Draw(0, 0, metafileImage(w, h)); break;
        case TPicture::Kind::None: PaintPlaceholder(off, w, h); break;
        }
        if (mBorderStyle == bsSingle) {
            off.Pen()->setColor(clBlack);
            off.Pen()->setWidth(1);
            off.Pen()->setStyle(psSolid);
            off.Brush()->setStyle(bsClear);
            off.Rectangle(0, 0, w, h);
        }
    }
    canvas.Draw(0, 0, buffer);
}

// ---- paper ----------------------------------------------------------------------

void TGImage::PrintTo(TBaseReport &report, double xOff, double yOff)
{
    const double p = ScreenInfo::pixelsPerInch();
    const double x1 = Left() / p + xOff;
    const double y1 = Top() / p + yOff;
    const double x2 = (Left() + Width()) / p + xOff;
    const double y2 = (Top() + Height()) / p + yOff;
    // An icon (from an older label file) prints as it shows, not as nothing.
    if (mPicture->kind() == TPicture::Kind::Bitmap || mPicture->kind() == TPicture::Kind::Icon)
        report.PrintBitmapRect(x1, y1, x2, y2, mPicture->image());
    else if (mPicture->kind() == TPicture::Kind::Metafile)
        report.StretchDraw(report.CreateRect(x1, y1, x2, y2), *mPicture);
    if (mBorderStyle == bsSingle) {
        report.SetPen(clBlack, psSolid, 1, pmCopy);
        report.SetBrush(clWhite, bsClear);
        report.Rectangle(x1, y1, x2, y2);
    }
}

// ---- menu ---------------------------------------------------------------------------

void TGImage::Loaded()
{
    TGGraphicControl::Loaded();
    PopupMenu &menu = ObjectMenu();
    menu.addSeparator();
    menu.add(QStringLiteral("Load Image From Disk"), [this] { ObjectEditors::edit(this); });
    menu.addSeparator();
    mBorderItem = menu.add(QStringLiteral("Border"), [this] {
        SetBorderStyle(mBorderStyle == bsSingle ? bsNone : bsSingle);
    });
    mStretchItem = menu.add(QStringLiteral("Stretch to Fit"), [this] {
        SetStretch(!mStretch);
        Invalidate();
        NotifyChanged();
    });
    mAutoSizeItem = menu.add(QStringLiteral("AutoSize"), [this] {
        SetAutoSize(!mAutoSize);
        Invalidate();
    });
    menu.aboutToOpen = [this] { UpdateMenuChecks(); };
    UpdateMenuChecks();
}

void TGImage::UpdateMenuChecks()
{
    PopupMenu &menu = ObjectMenu();
    if (mBorderItem >= 0)
        menu.entry(mBorderItem).checked = mBorderStyle == bsSingle;
    if (mStretchItem >= 0)
        menu.entry(mStretchItem).checked = mStretch;
    if (mAutoSizeItem >= 0)
        menu.entry(mAutoSizeItem).checked = mAutoSize;
}

} // namespace sw
