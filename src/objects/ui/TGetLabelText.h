#pragma once
// The "Text" window of the text label: one line of text.
#include <QDialog>

class QLineEdit;

namespace sw {

class TGetLabelText : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpTopic = 40004;

    explicit TGetLabelText(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QLineEdit *LabelText() const { return mLabelText; }

private:
    QLineEdit *mLabelText;
};

} // namespace sw
