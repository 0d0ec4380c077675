#pragma once
// One help entry of a window's context help: the text shown for a control
// and the help context its link opens. The two small numbers come with the
// stored form and are kept as read; nothing uses them.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace sw {

struct TODSHelpData
{
    quint16 Reserved16 = 0;
    // The text as stored: 8-bit Windows-1252 without its terminating zero.
    // A null array is an entry without text; an empty one a text of length 0.
    QByteArray TextBytes;
    quint8 Reserved8 = 0;
    // The help context the link opens; 0 for none.
    quint32 Context = 0;

    // An entry with that text and context.
    static TODSHelpData make(const QString &text, quint32 context = 0);

    bool hasText() const { return !TextBytes.isEmpty(); }
    QString text() const;
    void setText(const QString &text);
    void clearText() { TextBytes = QByteArray(); }

    // A text "->Name" shows the help of the entry Name instead.
    bool isRedirection() const;
    QString redirectionTarget() const;

    bool operator==(const TODSHelpData &other) const
    {
        return Reserved16 == other.Reserved16 && TextBytes.isNull() == other.TextBytes.isNull()
            && TextBytes == other.TextBytes && Reserved8 == other.Reserved8 && Context == other.Context;
    }
};

} // namespace sw
