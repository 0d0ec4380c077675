#pragma once
// The pop-up of the colour palette button: a 4 x 5 grid of colour cells,
// a separator, "&Other" and beside it the swatch of the other colour.
// Pointing highlights a cell (with an RGB hint when hints are on), a click
// or Enter picks the highlighted one, Escape closes it unpicked, the arrow
// keys move the highlight (up from the first row reaches the swatch).
// Clicking elsewhere or leaving the program closes it; "&Other" opens the
// colour dialog with the custom colours, and stays open when that is
// cancelled.
//
// Geometry in client coordinates (the client lies inside a 3-pixel frame):
// cell (x, y) covers (18x - 18, 18y - 18)-(18x, 18y); the client is 72 x
// 121; "&Other" is at (1, 98), 50 x 21; the swatch covers x 53..71, y
// 96..113.
#include "platform/TColor.h"

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <functional>

class QPushButton;

namespace sw {

class TColorArrayClass;

class TDFSColorButtonPalette : public QWidget
{
    Q_OBJECT

public:
    static constexpr int CellSize = 18;
    static constexpr int ClientWidth = 72;
    static constexpr int ClientHeight = 121;
    static constexpr int Frame = 3;
    // The highlight of the other-colour swatch, and of nothing.
    static inline const QPoint OtherCell{0, 0};
    static inline const QPoint NoCell{-1, -1};

    // (colour, came from the swatch or the colour dialog)
    std::function<void(TColor, bool)> OnColorChosen;
    // (cancelled) when the window closes.
    std::function<void(bool)> OnClosed;
    // (colour, x, y, text), text preset with the RGB hint.
    std::function<void(TColor, int, int, QString &)> OnGetColorHintText;

    // Copies of the arrays are taken; the window frees itself on closing.
    TDFSColorButtonPalette(const TColorArrayClass &palette, const TColorArrayClass &customColors,
                           QWidget *parent = nullptr);
    ~TDFSColorButtonPalette() override;

    void setShowHints(bool show) { mShowHints = show; }
    void setOtherCaption(const QString &caption);
    TColor OtherColor() const { return mOtherColor; }
    void setOtherColor(TColor color);
    const TColorArrayClass &PaletteColors() const { return *mPalette; }
    const TColorArrayClass &CustomColors() const { return *mCustomColors; }

    QPoint Highlighted() const { return mHighlight; }
    void setHighlighted(const QPoint &cell);
    // Highlights the first cell showing the colour (system colours resolved);
    // false, highlighting nothing, when none does.
    bool highlightColor(TColor color);
    bool Cancelled() const { return mCancelled; }
    bool InColorDialog() const { return mInColorDialog; }

    // The cell under a client point: (x, y), OtherCell or NoCell.
    static QPoint cellAt(const QPoint &client);
    static QRect cellRect(const QPoint &cell);
    // "RGB = 191 191 191" style text for the cell (or the hook's).
    QString hintText(const QPoint &cell) const;
    TColor cellColor(const QPoint &cell) const;

    QPushButton *OtherButton() const { return mOtherButton; }
    // "&Other": the colour dialog preset with the other colour and the
    // custom colours; OK reports the chosen colour as the other colour and
    // closes, Cancel leaves the window open.
    void chooseOtherColor();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void pick(const QPoint &cell);
    void showHint(const QPoint &cell);
    QPoint toClient(const QPoint &widgetPoint) const { return widgetPoint - QPoint(Frame, Frame); }

    TColorArrayClass *mPalette;
    TColorArrayClass *mCustomColors;
    TColor mOtherColor = clBtnFace;
    QPoint mHighlight = NoCell;
    bool mCancelled = false;
    bool mInColorDialog = false;
    bool mShowHints = true;
    bool mClosedReported = false;
    QPushButton *mOtherButton;
};

} // namespace sw
