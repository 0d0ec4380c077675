#pragma once
// "Insert field" in the text windows: the columns of the data file chosen
// for the design. Picking one hands its reference ("${Name}") to the
// window, which inserts it where the cursor is. Hidden while no data file
// is chosen.
#include <QStringList>
#include <QWidget>

class QComboBox;

namespace sw {

class InsertFieldBox : public QWidget
{
    Q_OBJECT

public:
    // Lists the columns of the session's data file.
    explicit InsertFieldBox(QWidget *parent = nullptr);

    QComboBox *Fields() const { return mFields; }
    // Lists these columns instead; none hides the box.
    void setColumns(const QStringList &columns);

Q_SIGNALS:
    void fieldChosen(const QString &reference);

private:
    QComboBox *mFields;
};

} // namespace sw
