#pragma once
// Shows a label object on its own, outside any panel: the live sample of
// the property windows. The object is owned by the view and sized to fill
// it.
#include "platform/TColor.h"

#include <QWidget>

class QScrollArea;

namespace sw {

class TGGraphicControl;

class LabelSampleView : public QWidget
{
    Q_OBJECT

public:
    // Takes ownership of the object.
    LabelSampleView(TGGraphicControl *object, QWidget *parent = nullptr);

    TGGraphicControl *object() const { return mObject; }
    // What the view shows, at the view's size.
    QImage render();

    // The sample as property windows show it: a view of size x size at
    // (10, 10) on a white ground inside a scroll box named "ScrollBox1".
    // The view (returned in *view) takes ownership of the object.
    static QScrollArea *onWhiteGround(TGGraphicControl *object, int size, QWidget *parent,
                                      LabelSampleView **view);
    // Gives a widget that shows label text (a sample, a memo, a character
    // grid) the paper's colours: a white ground and the text in `ink`, as
    // printed, whatever the desktop theme.
    static void showAsOnPaper(QWidget *widget, TColor ink);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    TGGraphicControl *mObject;
};

} // namespace sw
