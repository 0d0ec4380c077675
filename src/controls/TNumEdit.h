#pragma once
// A one-line edit box for a number. It holds a Value and shows it through
// picture masks ("#0.###": # an optional digit, 0 a required one, ',' digit
// grouping, other characters copied) with at most Decimals decimal places.
// Typing accepts only digits, backspace, the group separator, one decimal
// separator and one leading minus sign, within Digits characters and
// Decimals places; copy, cut and paste keys work (pasted text passes the
// same rules character by character). The text is parsed into Value when
// the box is left; text that does not parse then is replaced by the
// previous Value. Separators are those of the default QLocale.
#include <QLineEdit>
#include <QLocale>
#include <QString>

namespace sw {

struct TNumMasks
{
    QString PositiveMask = QStringLiteral("#0.###");
    QString NegativeMask;  // empty: the positive mask with a leading minus
    QString ZeroMask;      // empty: the positive mask
};

class TNumEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE setValue)
    Q_PROPERTY(int Decimals READ Decimals WRITE setDecimals)
    Q_PROPERTY(int Digits READ Digits WRITE setDigits)

public:
    explicit TNumEdit(QWidget *parent = nullptr);

    // The value as last set or parsed (not the text being typed).
    double Value() const { return mValue; }
    // Sets the value and shows it; the box is then unmodified.
    void setValue(double value);

    // Decimal places shown and accepted while typing (0 or more).
    int Decimals() const { return mDecimals; }
    void setDecimals(int decimals);
    // Most characters the text may reach by typing; 0 for no limit.
    int Digits() const { return mDigits; }
    void setDigits(int digits);
    const TNumMasks &Masks() const { return mMasks; }
    void setMasks(const TNumMasks &masks);

    // What leaving the box does: parses edited text into Value, shows the
    // value through the masks and emits exited(). Called on focus loss
    // within the window; callers that end an edit without moving the focus
    // (a default button pressed with Enter) call it themselves.
    void leave();

    // `value` formatted through the matching mask with at most `decimals`
    // places, using `locale`'s separators.
    static QString formatValue(double value, const TNumMasks &masks, int decimals,
                               const QLocale &locale = QLocale());
    // The number in `text` (group separators ignored); false when it is not
    // one. Empty text is 0.
    static bool parseValue(const QString &text, double &value, const QLocale &locale = QLocale());

Q_SIGNALS:
    // The box was left (its value is current).
    void exited();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Whether typing `c` at the cursor (replacing the selection) keeps the
    // text within the typing rules.
    bool acceptsChar(QChar c) const;
    void pasteFiltered();
    void showValue();

    double mValue = 0.0;
    int mDecimals = 3;
    int mDigits = 6;
    TNumMasks mMasks;
};

} // namespace sw
