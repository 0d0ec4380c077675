#pragma once
// A small up/down control: two arrow buttons stacked in the widget's
// rectangle, reporting clicks on either.
#include <QWidget>

class QToolButton;

namespace sw {

class SpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButton(QWidget *parent = nullptr);

    QToolButton *upButton() const { return mUp; }
    QToolButton *downButton() const { return mDown; }

Q_SIGNALS:
    void upClick();
    void downClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *mUp;
    QToolButton *mDown;
};

} // namespace sw
