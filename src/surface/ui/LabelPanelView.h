#pragma once
// The window that shows a design panel and feeds it the mouse and the keys.
// All behaviour lives in the panel; this widget only paints the panel's
// picture and translates events.
#include <QWidget>

namespace sw {

class TGBasePanel;

class LabelPanelView : public QWidget
{
    Q_OBJECT

public:
    // The view does not own the panel.
    explicit LabelPanelView(TGBasePanel *panel, QWidget *parent = nullptr);

    TGBasePanel *panel() const { return mPanel; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void followSize();

    TGBasePanel *mPanel;
};

} // namespace sw
