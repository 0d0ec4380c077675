#pragma once
// Builds expected component-stream bytes by hand, one field at a time, so
// that tests state each value's encoding next to its meaning.
#include <QByteArray>
#include <QtGlobal>

#include <initializer_list>

namespace swtest {

class StreamBytes
{
public:
    StreamBytes &bytes(std::initializer_list<int> values)
    {
        for (int v : values)
            mData.append(static_cast<char>(v));
        return *this;
    }
    StreamBytes &raw(const QByteArray &data)
    {
        mData.append(data);
        return *this;
    }
    // Length byte and Latin-1 text: class, object, property and member names.
    StreamBytes &str(const char *text)
    {
        const QByteArray t(text);
        mData.append(static_cast<char>(t.size()));
        mData.append(t);
        return *this;
    }
    StreamBytes &le32(quint32 v) { return bytes({int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), int(v >> 24)}); }
    StreamBytes &signature() { return raw("TPF0"); }
    StreamBytes &null() { return bytes({0}); }
    StreamBytes &int8(int v) { return bytes({2, v & 0xFF}); }
    StreamBytes &int16(int v) { return bytes({3, v & 0xFF, (v >> 8) & 0xFF}); }
    StreamBytes &int32(qint32 v) { bytes({4}); return le32(static_cast<quint32>(v)); }
    StreamBytes &string(const char *text) { bytes({6}); return str(text); }
    StreamBytes &ident(const char *text) { bytes({7}); return str(text); }
    StreamBytes &falseValue() { return bytes({8}); }
    StreamBytes &trueValue() { return bytes({9}); }

    const QByteArray &data() const { return mData; }
    operator QByteArray() const { return mData; }

private:
    QByteArray mData;
};

} // namespace swtest
