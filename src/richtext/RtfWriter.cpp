#include "richtext/RtfWriter.h"

#include "richtext/RtfCodePages.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace sw {

namespace {

// The fonts and colours a document uses, in order of first use.
class Tables
{
public:
    explicit Tables(const QTextDocument &document)
        : mDefault(document.defaultFont())
    {
    }

    QString family(const QTextCharFormat &f) const
    {
        const QStringList families = f.fontFamilies().toStringList();
        if (!families.isEmpty() && !families.first().isEmpty())
            return families.first();
        return mDefault.family();
    }

    int fontIndex(const QTextCharFormat &f)
    {
        const QString name = family(f);
        int index = int(mFonts.indexOf(name));
        if (index < 0) {
            mFonts.append(name);
            index = int(mFonts.size()) - 1;
        }
        return index;
    }

    // 0 is the automatic colour.
    int colorIndex(const QColor &color)
    {
        const QRgb rgb = color.rgb() & 0xFFFFFF;
        int index = int(mColors.indexOf(rgb));
        if (index < 0) {
            mColors.append(rgb);
            index = int(mColors.size()) - 1;
        }
        return index + 1;
    }

    QFont defaultFont() const { return mDefault; }
    const QStringList &fonts() const { return mFonts; }
    const QList<QRgb> &colors() const { return mColors; }

private:
    QFont mDefault;
    QStringList mFonts;
    QList<QRgb> mColors;
};

void appendEscaped(QByteArray &out, const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'\\':
        case u'{':
        case u'}':
            out.append('\\').append(char(u));
            continue;
        case u'\t':
            out.append("\\tab ");
            continue;
        case 0x2028:
            out.append("\\line ");
            continue;
        case 0x00A0:
            out.append("\\~");
            continue;
        case 0x00AD:
            out.append("\\-");
            continue;
        case 0x2011:
            out.append("\\_");
            continue;
        case QChar::ObjectReplacementCharacter:
        case 0xFDD0: // the document's own frame marks
        case 0xFDD1:
            continue;
        default:
            break;
        }
        if (u < 0x20)
            continue;
        if (u < 0x80) {
            out.append(char(u));
            continue;
        }
        const int ansi = RtfCodePages::toAnsiByte(c);
        if (ansi >= 0) {
            out.append("\\'").append(QByteArray::number(ansi, 16).rightJustified(2, '0'));
        } else {
            // \uN takes a signed 16-bit number.
            const int n = u > 32767 ? int(u) - 65536 : int(u);
            out.append("\\u").append(QByteArray::number(n)).append('?');
        }
    }
}

class Writing
{
public:
    Writing(const QTextDocument &document, int pixelsPerInch)
        : mDocument(document)
        , mTables(document)
        , mPixelsPerInch(pixelsPerInch)
    {
    }

    QByteArray run()
    {
        // The body first: it fills the font and colour tables.
        QByteArray body;
        for (QTextBlock block = mDocument.begin(); block.isValid(); block = block.next())
            paragraph(body, block);

        QByteArray out("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl");
        const QStringList fonts = mTables.fonts().isEmpty() ? QStringList{mTables.defaultFont().family()}
                                                            : mTables.fonts();
        for (int i = 0; i < fonts.size(); ++i) {
            out.append("{\\f").append(QByteArray::number(i)).append("\\fnil\\fcharset0 ");
            appendEscaped(out, QString(fonts.at(i)).remove(QLatin1Char(';')));
            out.append(";}");
        }
        out.append("}\n{\\colortbl;");
        for (const QRgb rgb : mTables.colors()) {
            out.append("\\red").append(QByteArray::number(qRed(rgb)));
            out.append("\\green").append(QByteArray::number(qGreen(rgb)));
            out.append("\\blue").append(QByteArray::number(qBlue(rgb))).append(';');
        }
        out.append("}\n");
        out.append(body);
        out.append("}");
        return out;
    }

private:
    int twips(double pixels) const
    {
        return static_cast<int>(std::lround(pixels * 1440.0 / mPixelsPerInch));
    }

    void number(QByteArray &out, const char *word, double pixels) const
    {
        const int t = twips(pixels);
        if (t != 0)
            out.append('\\').append(word).append(QByteArray::number(t));
    }

    void paragraph(QByteArray &out, const QTextBlock &block)
    {
        const QTextBlockFormat bf = block.blockFormat();
        out.append("\\pard");
        const Qt::Alignment align = bf.alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignJustify)
            out.append("\\qj");
        else if (align & Qt::AlignHCenter)
            out.append("\\qc");
        else if (align & (Qt::AlignRight | Qt::AlignTrailing))
            out.append("\\qr");
        number(out, "li", bf.leftMargin());
        number(out, "ri", bf.rightMargin());
        number(out, "fi", bf.textIndent());
        number(out, "sb", bf.topMargin());
        number(out, "sa", bf.bottomMargin());
        // The paragraph mark's own formatting.
        characters(out, block.charFormat());
        out.append(' ');
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            out.append('{');
            characters(out, fragment.charFormat());
            out.append(' ');
            appendEscaped(out, fragment.text());
            out.append('}');
        }
        out.append("\\par\n");
    }

    double pointSize(const QTextCharFormat &f) const
    {
        if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0)
            return f.fontPointSize();
        if (f.hasProperty(QTextFormat::FontPixelSize) && f.intProperty(QTextFormat::FontPixelSize) > 0)
            return f.intProperty(QTextFormat::FontPixelSize) * 72.0 / mPixelsPerInch;
        const QFont d = mTables.defaultFont();
        if (d.pointSizeF() > 0)
            return d.pointSizeF();
        return d.pixelSize() > 0 ? d.pixelSize() * 72.0 / mPixelsPerInch : 12.0;
    }

    void characters(QByteArray &out, const QTextCharFormat &f)
    {
        out.append("\\plain\\f").append(QByteArray::number(mTables.fontIndex(f)));
        out.append("\\fs").append(QByteArray::number(std::max(1L, std::lround(pointSize(f) * 2))));
        if (f.fontWeight() >= QFont::DemiBold)
            out.append("\\b");
        if (f.fontItalic())
            out.append("\\i");
        if (f.fontUnderline())
            out.append("\\ul");
        if (f.fontStrikeOut())
            out.append("\\strike");
        if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            out.append("\\super");
        else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
            out.append("\\sub");
        if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
            out.append("\\cf").append(QByteArray::number(mTables.colorIndex(f.foreground().color())));
        if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
            out.append("\\highlight").append(QByteArray::number(mTables.colorIndex(f.background().color())));
    }

    const QTextDocument &mDocument;
    Tables mTables;
    int mPixelsPerInch;
};

} // namespace

RtfWriter::RtfWriter(int pixelsPerInch)
    : mPixelsPerInch(pixelsPerInch > 0 ? pixelsPerInch : 96)
{
}

QByteArray RtfWriter::write(const QTextDocument &document) const
{
    return Writing(document, mPixelsPerInch).run();
}

} // namespace sw
