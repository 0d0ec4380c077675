#pragma once
// One rich-text document: its text and formatting in a QTextDocument (the
// live object editors and painters work on), stored in label files as RTF
// through the defined binary value "Data".
//
// RTF read from a file is kept as it was read and written back unchanged
// until the document is edited; an edited document is written by
// RtfWriter. An empty document (one empty paragraph) stores no "Data".
//
// Documents are laid out in object pixels: the layout measures at the
// screen's logical resolution (ScreenInfo), whatever surface they are
// later drawn on, and with fractional glyph advances, so that lines break
// alike at every zoom and on paper.
#include <QByteArray>
#include <QFont>
#include <QObject>
#include <QString>

class QTextDocument;

namespace sw {

class TWPRTFTextIo : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("definedBinary", "Data")

public:
    // Inside margin of a document's page, in object pixels.
    static constexpr double PageMargin = 2.0;

    explicit TWPRTFTextIo(QObject *parent = nullptr);
    ~TWPRTFTextIo() override;

    // The live document. Assign replaces it by another object (and says so
    // with documentReplaced); hold it no longer than that.
    QTextDocument *document() const { return mDocument; }

    // Copies the whole document, text and formatting, and the RTF it was
    // read from.
    void Assign(const TWPRTFTextIo &source);

    // One empty paragraph.
    bool isEmpty() const;

    // The document as RTF: the bytes it was read from while it is unedited.
    QByteArray rtf() const;
    // Reads RTF; any bytes are accepted (see RtfReader).
    void setRtf(const QByteArray &rtf);

    Q_INVOKABLE QByteArray definedBinary(const QString &name) const;
    Q_INVOKABLE bool setDefinedBinary(const QString &name, const QByteArray &data);

    // The font of text in a new document: Arial, 10 points. A new
    // document's paragraph carries it explicitly, so that text typed there
    // is stored with it.
    static QFont defaultFont();
    // Gives a document the layout and margins described above.
    static void configure(QTextDocument *document);

Q_SIGNALS:
    // The text or formatting changed (an edit, setRtf or Assign).
    void changed();
    // document() is another object now.
    void documentReplaced();

private:
    void attach(QTextDocument *document);
    void startEmpty();

    QTextDocument *mDocument = nullptr;
    QByteArray mStored;
    bool mStoredValid = false;
    bool mQuiet = false;
};

} // namespace sw
