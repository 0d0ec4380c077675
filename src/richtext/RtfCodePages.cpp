#include "richtext/RtfCodePages.h"

#include "platform/Windows1252.h"

#include <QHash>
#include <QStringDecoder>

#include <memory>

namespace sw {

namespace {

const char *converterName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 852: return "IBM852";
    case 866: return "IBM866";
    case 874: return "windows-874";
    case 932: return "windows-31j";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: return "macintosh";
    default: return nullptr;
    }
}

// One decoder per code page this program knows, made on first use.
QStringDecoder *decoderFor(int codePage)
{
    const char *name = converterName(codePage);
    if (!name)
        return nullptr;
    static QHash<int, std::shared_ptr<QStringDecoder>> decoders;
    auto it = decoders.find(codePage);
    if (it == decoders.end()) {
        auto decoder = std::make_shared<QStringDecoder>(name, QStringConverter::Flag::Stateless);
        if (!decoder->isValid())
            decoder.reset();
        it = decoders.insert(codePage, decoder);
    }
    return it.value().get();
}

QString decodeAnsi(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes)
        text.append(Windows1252::toChar(static_cast<unsigned char>(ch)));
    return text;
}

} // namespace

int RtfCodePages::fromCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 2: return Symbol;
    case 77: return Mac;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return Pc;
    case 255: return Pca;
    default: return documentCodePage;
    }
}

bool RtfCodePages::isKnown(int codePage)
{
    return codePage == Ansi || codePage == Symbol || decoderFor(codePage) != nullptr;
}

QString RtfCodePages::decode(const QByteArray &bytes, int codePage)
{
    if (bytes.isEmpty())
        return {};
    if (codePage == Symbol) {
        // A symbol font keeps its byte codes; Latin-1 keeps them as they are.
        return QString::fromLatin1(bytes);
    }
    if (codePage != Ansi) {
        if (QStringDecoder *decoder = decoderFor(codePage))
            return decoder->decode(bytes);
    }
    return decodeAnsi(bytes);
}

int RtfCodePages::toAnsiByte(QChar c)
{
    return Windows1252::toByte(c);
}

} // namespace sw
