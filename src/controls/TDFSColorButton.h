#pragma once
// A colour chooser: a push button showing its colour as a swatch beside a
// drop-down arrow. A click opens the palette pop-up (TDFSColorButtonPalette)
// with a 4 x 5 grid of colours, a swatch for one other colour and "&Other",
// which opens the full colour dialog. With CycleColors, a click on the
// swatch part steps to the next palette colour instead (after the last
// comes OtherColor).
//
// The palette, the custom colours of the colour dialog and the other
// colour belong to the button; the pop-up works on copies and reports
// back. A button with a CustomColorsKey keeps its custom colours between
// runs in "<key>.ini" in the program's folder, section "Colors".
#include "platform/TColor.h"
#include "platform/TColorArrayClass.h" // complete for the meta-object

#include <QPointer>
#include <QPushButton>
#include <QString>
#include <functional>

namespace sw {

class TDFSColorButtonPalette;

class TDFSColorButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version WRITE setVersion)
    Q_PROPERTY(bool ShowColorHints READ ShowColorHints WRITE setShowColorHints)
    Q_PROPERTY(sw::TDFSColorButton::TButtonStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(QString OtherBtnCaption READ OtherBtnCaption WRITE setOtherBtnCaption)
    Q_PROPERTY(int OtherColor READ OtherColor WRITE setOtherColor)
    Q_PROPERTY(bool CycleColors READ CycleColors WRITE setCycleColors)
    Q_PROPERTY(sw::TColorArrayClass *PaletteColors READ PaletteColors)
    Q_PROPERTY(sw::TColorArrayClass *CustomColors READ CustomColors)
    Q_PROPERTY(int Color READ Color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(bool Flat READ Flat WRITE setFlat)
    Q_PROPERTY(QString CustomColorsKey READ CustomColorsKey WRITE setCustomColorsKey)
    Q_CLASSINFO("default:ShowColorHints", "True")
    Q_CLASSINFO("default:Style", "bsAutoDetect")
    Q_CLASSINFO("type:OtherColor", "TColor")
    Q_CLASSINFO("default:CycleColors", "False")
    Q_CLASSINFO("type:Color", "TColor")
    Q_CLASSINFO("default:Color", "clBlack")
    Q_CLASSINFO("default:Flat", "False")

public:
    enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
    Q_ENUM(TButtonStyle)

    static constexpr int PaletteColumns = 4;
    static constexpr int PaletteRows = 5;
    // Clicks this close to the right edge are on the arrow.
    static constexpr int ArrowWidth = 13;

    // Supplies the hint of a palette cell: (colour, x, y, text); the text
    // comes preset with the RGB hint.
    using ColorHintText = std::function<void(TColor color, int x, int y, QString &text)>;

    explicit TDFSColorButton(QWidget *parent = nullptr);
    ~TDFSColorButton() override;

    // Always "TDFSColorButton v2.51"; writing is ignored.
    QString Version() const;
    void setVersion(const QString &) {}
    bool ShowColorHints() const { return mShowColorHints; }
    void setShowColorHints(bool show) { mShowColorHints = show; }
    TButtonStyle Style() const { return mStyle; }
    void setStyle(TButtonStyle style);
    QString OtherBtnCaption() const { return mOtherBtnCaption; }
    void setOtherBtnCaption(const QString &caption) { mOtherBtnCaption = caption; }
    TColor OtherColor() const { return mOtherColor; }
    void setOtherColor(TColor color) { mOtherColor = color; }
    bool CycleColors() const { return mCycleColors; }
    void setCycleColors(bool cycle) { mCycleColors = cycle; }
    TColorArrayClass *PaletteColors() const { return mPaletteColors; }
    TColorArrayClass *CustomColors() const { return mCustomColors; }
    TColor Color() const { return mColor; }
    // A new colour repaints and emits colorChanged.
    void setColor(TColor color);
    bool Flat() const { return mFlat; }
    void setFlat(bool flat);
    QString CustomColorsKey() const { return mCustomColorsKey; }
    // Loads the custom colours kept under the key (when not empty).
    void setCustomColorsKey(const QString &key);

    ColorHintText OnGetColorHintText;

    // The index of Color in the palette's linear order (1..20), 0 when the
    // palette does not hold it.
    int PaletteIndex() const { return mPaletteIndex; }
    // Index 0 chooses OtherColor, 1..20 that palette cell.
    void selectPaletteIndex(int index);

    // The palette every button starts with, 4 x 5.
    static void setDefaultPalette(TColorArrayClass &palette);

    // The open pop-up; null while closed.
    TDFSColorButtonPalette *Palette() const;
    bool PaletteOpen() const { return Palette() != nullptr; }
    // Opens the pop-up as a click on the arrow does.
    void openPalette();
    // Where the pop-up of that size goes: below the button, or above it
    // when it would run off the bottom of the work area; kept within the
    // work area across.
    QPoint palettePosition(const QSize &size) const;

    // The custom colours as kept under the key: 16 "$" + 8 hex digits,
    // column by column, joined by ','. Reading takes what it finds; an
    // unreadable entry becomes clWhite.
    static QString customColorsText(const TColorArrayClass &colors);
    static void readCustomColorsText(const QString &text, TColorArrayClass &colors);

Q_SIGNALS:
    void colorChanged(int color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void handleClick();
    void colorChosen(TColor color, bool other);
    void paletteClosed(bool cancelled);
    QString customColorsValueName() const;
    QString customColorsFile() const;
    void loadCustomColors();
    void saveCustomColors();

    bool mShowColorHints = true;
    TButtonStyle mStyle = bsAutoDetect;
    QString mOtherBtnCaption = QStringLiteral("&Other");
    TColor mOtherColor = clBtnFace;
    bool mCycleColors = false;
    TColorArrayClass *mPaletteColors;
    TColorArrayClass *mCustomColors;
    TColor mColor = clBlack;
    bool mFlat = false;
    QString mCustomColorsKey;

    int mPaletteIndex = 2; // black, the second cell
    QPointer<TDFSColorButtonPalette> mPalette;
    bool mSwallowClick = false;
    bool mMouseOver = false;
    int mClickX = -1; // where the last mouse click ended; -1 for the keyboard
};

} // namespace sw
