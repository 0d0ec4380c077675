#pragma once
// A clip-art picture on the label: a bitmap or a metafile, always drawn
// scaled to fill the object's bounds (its aspect ratio is not kept). With
// AutoSize the bounds follow the picture's own size at the display scale.
//
// Stretch and AutoSize are kept opposite by their setters; the image
// browser may leave both False (then the picture still fills the bounds).
// Metafiles are kept and stored unchanged and drawn as vectors, on the
// panel and on paper alike.
#include "objects/TGGraphicControl.h"
#include "platform/GraphicsTypes.h"
#include "platform/TPicture.h" // complete for the meta-object of Picture

namespace sw {

class TGImage : public TGGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(sw::graphics::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(sw::TPicture *Picture READ Picture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_CLASSINFO("default:AutoSize", "False")
    Q_CLASSINFO("default:Stretch", "True")

public:
    static constexpr int HelpTopic = 40003;

    // 105 x 105 pixels until the panel gives it the dragged bounds.
    explicit TGImage(QObject *owner = nullptr);
    ~TGImage() override;

    // Sets Stretch to the opposite, runs the picture-changed step and
    // reports the change. While loading only the value itself is stored, so
    // that a file holding both False reads back as both False.
    bool AutoSize() const { return mAutoSize; }
    void SetAutoSize(bool value);
    // Sets AutoSize to the opposite and repaints; the new AutoSize applies
    // at the next size check. While loading only the value is stored.
    bool Stretch() const { return mStretch; }
    void SetStretch(bool value);
    TBorderStyle BorderStyle() const { return mBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Owned; every change of it runs the picture-changed step.
    TPicture *Picture() const { return mPicture; }
    void SetPicture(const TPicture &value) { mPicture->Assign(value); }

    // What OK in the image browser does: takes both flags as given (both
    // may be False), then the picture, runs the picture-changed step once
    // and reports the change.
    void ApplyBrowsedPicture(const TPicture &picture, bool stretch, bool autoSize);

    // The panel need not paint behind the object: it holds a bitmap of
    // exactly the object's size.
    bool isOpaque() const { return mOpaque; }

    // The size check: the base step, then with AutoSize the bounds become
    // the picture's size times ScaleFactor (each rounded half to even).
    void BoundsChanged() override;
    void Loaded() override;
    void UpdateMenuChecks() override;
    void Paint(Canvas &canvas, const PaintContext &context) override;
    // The picture stretched into the bounds in inches: bitmaps and icons
    // as images, metafiles played onto the page as vectors. A border
    // prints as a one-device-pixel black frame.
    void PrintTo(TBaseReport &report, double xOff, double yOff) override;

    // The empty-picture box: black frame, white inside, in width x height.
    static void PaintPlaceholder(Canvas &canvas, int width, int height);

private:
    void pictureChanged();
    // The metafile played at the object's size, kept until the picture or
    // the size changes: the panel repaints far more often than either.
    const QImage &metafileImage(int width, int height);

    TPicture *mPicture;
    bool mAutoSize = false;
    bool mStretch = true;
    TBorderStyle mBorderStyle = bsNone;
    bool mOpaque = false;
    bool mApplying = false;
    QImage mMetafileImage;
    int mBorderItem = -1;
    int mStretchItem = -1;
    int mAutoSizeItem = -1;
};

} // namespace sw
