#pragma once
// "Symbol Selector": a grid of every character from code 32 to 255 of a
// font, for the symbol label. The font button picks the font; the chosen
// font (name, size, style, colour) travels with the chosen character.
#include "platform/GraphicsTypes.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace sw {

class TFont;

class TGetSymbol : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40005;
    static constexpr int FirstCode = 32;
    static constexpr int LastCode = 255;
    static constexpr int GridPointSize = 20;

    explicit TGetSymbol(QWidget *parent = nullptr);
    ~TGetSymbol() override;

    // The font the chosen character is to be drawn in.
    const TFont &selectedFont() const { return *mSelectedFont; }
    void setSelectedFont(const TFont &font);
    // The grid shows its characters in this face and style (its size and
    // colour stay).
    void setGridFont(const QString &name, TFontStyles style);
    const TFont &gridFont() const { return *mGridFont; }
    // Item index = character code - 32; -1 for none.
    int selectedIndex() const;
    void setSelectedIndex(int index);

    // Columns of the grid for a grid font of this many points.
    static int columnsForSize(int points);
    // "Wingdings, 20pt " and, for a bold or italic font, "Bold " or
    // "Italic " (only "Italic " when both).
    static QString fontCaption(const QString &name, int points, TFontStyles style);
    int columnCount() const { return mColumns; }

    QPushButton *Fontbutton() const { return mFontButton; }
    QLabel *SelectedChar() const { return mSelectedChar; }
    QListWidget *SymbolList() const { return mSymbolList; }

    // The font button's command: the font dialog preset with the selected
    // font; on OK it becomes the selected font and the grid takes its
    // name, colour and style.
    void chooseFont();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void activate();
    void refreshGrid();

    TFont *mGridFont;
    TFont *mSelectedFont;
    QPushButton *mFontButton;
    QLabel *mSelectedChar;
    QListWidget *mSymbolList;
    int mColumns = 1;
};

} // namespace sw
