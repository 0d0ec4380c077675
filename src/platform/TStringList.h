#pragma once
// An ordered list of strings. Text joins the lines with CR LF (each line,
// the last included, is followed by CR LF); setText splits at CR LF, CR or
// LF, and a final line break does not make an extra empty line.
#include <QObject>
#include <QString>
#include <QStringList>

namespace sw {

class TStringList : public QObject
{
    Q_OBJECT

public:
    explicit TStringList(QObject *parent = nullptr);

    int count() const { return int(mStrings.size()); }
    bool isEmpty() const { return mStrings.isEmpty(); }
    const QStringList &strings() const { return mStrings; }
    void setStrings(const QStringList &strings);
    // index must be within 0..count()-1.
    const QString &at(int index) const { return mStrings.at(index); }
    void add(const QString &line);
    void clear();

    QString text() const;
    void setText(const QString &text);

    void Assign(const TStringList &source);

Q_SIGNALS:
    void changed();

private:
    QStringList mStrings;
};

} // namespace sw
