#include "richtext/TWPRTFTextIo.h"

#include "platform/ScreenInfo.h"
#include "platform/TFont.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QScopedValueRollback>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>
#include <map>

namespace sw {

namespace {

const QString kData = QStringLiteral("Data");

// A paint device at a resolution, for measuring text (never drawn on).
// Kept for the life of the program: layouts hold on to it (the map's nodes
// do not move).
QPaintDevice *measureDevice(int pixelsPerInch)
{
    static std::map<int, QImage> devices;
    auto it = devices.find(pixelsPerInch);
    if (it == devices.end()) {
        QImage device(1, 1, QImage::Format_RGB32);
        const int dpm = static_cast<int>(std::lround(pixelsPerInch / 0.0254));
        device.setDotsPerMeterX(dpm);
        device.setDotsPerMeterY(dpm);
        it = devices.emplace(pixelsPerInch, device).first;
    }
    return &it->second;
}

} // namespace

TWPRTFTextIo::TWPRTFTextIo(QObject *parent)
    : QObject(parent)
{
    auto *document = new QTextDocument(this);
    configure(document);
    document->setDefaultFont(defaultFont());
    attach(document);
    startEmpty();
}

void TWPRTFTextIo::startEmpty()
{
    QScopedValueRollback<bool> quiet(mQuiet, true);
    QTextCharFormat format;
    format.setFontFamilies(QStringList{defaultFont().family()});
    format.setFontPointSize(defaultFont().pointSizeF());
    QTextCursor cursor(mDocument);
    cursor.setBlockCharFormat(format);
    cursor.setCharFormat(format);
    mDocument->clearUndoRedoStacks();
}

TWPRTFTextIo::~TWPRTFTextIo() = default;

QFont TWPRTFTextIo::defaultFont()
{
    TFont::installSubstitutions();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    return font;
}

void TWPRTFTextIo::configure(QTextDocument *document)
{
    TFont::installSubstitutions();
    document->documentLayout()->setPaintDevice(measureDevice(ScreenInfo::pixelsPerInch()));
    document->setUseDesignMetrics(true);
    document->setDocumentMargin(PageMargin);
    document->setUndoRedoEnabled(true);
}

void TWPRTFTextIo::attach(QTextDocument *document)
{
    mDocument = document;
    connect(document, &QTextDocument::contentsChange, this, [this](int, int, int) {
        if (mQuiet)
            return;
        mStoredValid = false;
        mStored.clear();
        Q_EMIT changed();
    });
}

void TWPRTFTextIo::Assign(const TWPRTFTextIo &source)
{
    if (&source == this)
        return;
    QTextDocument *old = mDocument;
    QTextDocument *copy = source.mDocument->clone(this);
    configure(copy);
    copy->setDefaultFont(source.mDocument->defaultFont());
    attach(copy);
    mStored = source.mStored;
    mStoredValid = source.mStoredValid;
    Q_EMIT documentReplaced();
    delete old;
    Q_EMIT changed();
}

bool TWPRTFTextIo::isEmpty() const
{
    return mDocument->isEmpty();
}

QByteArray TWPRTFTextIo::rtf() const
{
    if (mStoredValid)
        return mStored;
    return RtfWriter(ScreenInfo::pixelsPerInch()).write(*mDocument);
}

void TWPRTFTextIo::setRtf(const QByteArray &rtf)
{
    {
        QScopedValueRollback<bool> quiet(mQuiet, true);
        RtfReader(ScreenInfo::pixelsPerInch()).read(rtf, *mDocument);
        mDocument->clearUndoRedoStacks();
    }
    mStored = rtf;
    mStoredValid = true;
    Q_EMIT changed();
}

QByteArray TWPRTFTextIo::definedBinary(const QString &name) const
{
    if (name.compare(kData, Qt::CaseInsensitive) != 0 || isEmpty())
        return {};
    return rtf();
}

bool TWPRTFTextIo::setDefinedBinary(const QString &name, const QByteArray &data)
{
    if (name.compare(kData, Qt::CaseInsensitive) != 0)
        return false;
    setRtf(data);
    return true;
}

} // namespace sw
