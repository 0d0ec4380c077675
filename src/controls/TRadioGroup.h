#pragma once
// A titled box of radio buttons laid out in columns, one of which is
// checked: ItemIndex is the checked item's number (0 based, -1 for none).
// Each button is named <group name><item number> once the group has an
// objectName (set it before the items).
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace sw {

class TRadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)

public:
    explicit TRadioGroup(const QString &caption, QWidget *parent = nullptr);

    // Replaces the items; the buttons fill `columns` columns top to bottom.
    void setItems(const QStringList &captions, int columns = 1);
    int count() const;
    QRadioButton *button(int item) const;

    int ItemIndex() const;
    // Checks item `index` without emitting itemClicked.
    void setItemIndex(int index);

Q_SIGNALS:
    // The user clicked item `index` (also when it was checked already).
    void itemClicked(int index);

private:
    QButtonGroup *mButtons;
};

} // namespace sw
