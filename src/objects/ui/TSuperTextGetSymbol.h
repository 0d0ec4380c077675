#pragma once
// "Symbol Selector" of the SuperText window: the installed symbol fonts
// (and WingDings, drawn through its Unicode symbols) and a grid of their
// characters 32 to 255. Ok or a double-click hands back the chosen font
// name and character once either has been chosen.
#include <QDialog>
#include <QStringList>

class QComboBox;
class QListWidget;
class QPushButton;

namespace sw {

class TSuperTextGetSymbol : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40015;

    static constexpr int FirstCode = 32;
    static constexpr int LastCode = 255;
    static constexpr int Columns = 15;
    static constexpr int GlyphPixels = 24;

    explicit TSuperTextGetSymbol(QWidget *parent = nullptr);
    ~TSuperTextGetSymbol() override;

    // The symbol fonts offered: the installed fonts with symbol characters
    // and the faces the program draws through Unicode symbols, sorted.
    static QStringList symbolFonts();

    // False when no symbol font is installed: the window has said so and
    // is not to be shown.
    bool hasFonts() const;
    // Runs the window; false at once without symbol fonts.
    int exec() override;

    // Chosen font name and character code (32..255); empty and 0 until
    // chosen. A chosen character brings the font the list shows it in.
    QString chosenFont() const { return mChosenFont; }
    int chosenCode() const { return mChosenCode; }
    void chooseFont(const QString &name);
    void chooseCode(int code);

    QComboBox *SymbolSets() const { return mSymbolSets; }
    QListWidget *SymbolList() const { return mSymbolList; }
    QPushButton *OkButton() const { return mOk; }

    void accept() override;

private:
    void showFont(const QString &name);

    QComboBox *mSymbolSets;
    QListWidget *mSymbolList;
    QPushButton *mOk;
    QString mChosenFont;
    int mChosenCode = 0;
};

} // namespace sw
