#pragma once
// The "Text" window of the text label: one line of text.
#include <QDialog>

class QLineEdit;

namespace sw {

class InsertFieldBox;

class TGetLabelText : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40004;

    explicit TGetLabelText(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QLineEdit *LabelText() const { return mLabelText; }
    // The data file's columns (shown only when one is chosen).
    InsertFieldBox *InsertField() const { return mInsertField; }

private:
    QLineEdit *mLabelText;
    InsertFieldBox *mInsertField;
};

} // namespace sw
