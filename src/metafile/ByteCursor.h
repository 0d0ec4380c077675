#pragma once
// Reads little-endian values from a span of bytes without ever reading
// outside it. A read past the end yields 0 and marks the cursor failed, so
// that a record can be decoded field by field and judged once at the end
// (ok()); the span itself is not owned.
#include <QByteArray>
#include <QtEndian>
#include <QtGlobal>

#include <cstring>

namespace sw {

class ByteCursor
{
public:
    ByteCursor() = default;
    ByteCursor(const char *data, qsizetype size)
        : mData(data), mSize(qMax<qsizetype>(0, size))
    {
    }

    bool ok() const { return mOk; }
    qsizetype pos() const { return mPos; }
    qsizetype size() const { return mSize; }
    qsizetype remaining() const { return mSize - mPos; }
    const char *data() const { return mData; }
    const char *current() const { return mData + mPos; }

    // Moves to an offset from the start; an offset outside fails.
    void seek(qsizetype offset)
    {
        if (offset < 0 || offset > mSize) {
            mOk = false;
            mPos = mSize;
            return;
        }
        mPos = offset;
    }
    void skip(qsizetype count) { seek(mPos + qMax<qsizetype>(0, count)); }
    // Whether count more bytes can be read from here.
    bool has(qsizetype count) const { return count >= 0 && count <= mSize - mPos; }

    quint8 u8() { return read<quint8>(); }
    quint16 u16() { return read<quint16>(); }
    qint16 i16() { return read<qint16>(); }
    quint32 u32() { return read<quint32>(); }
    qint32 i32() { return read<qint32>(); }
    float f32()
    {
        const quint32 bits = u32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // A sub-span of count bytes from here (empty and failed when too long).
    ByteCursor take(qsizetype count)
    {
        if (!has(count)) {
            mOk = false;
            mPos = mSize;
            return ByteCursor();
        }
        ByteCursor part(mData + mPos, count);
        mPos += count;
        return part;
    }
    // A sub-span at an offset from the start, leaving this cursor unmoved.
    ByteCursor slice(qsizetype offset, qsizetype count) const
    {
        if (offset < 0 || count < 0 || offset > mSize || count > mSize - offset)
            return ByteCursor();
        return ByteCursor(mData + offset, count);
    }
    QByteArray bytes(qsizetype count)
    {
        const ByteCursor part = take(count);
        return QByteArray(part.mData, part.mSize);
    }

private:
    template<typename T>
    T read()
    {
        if (!has(qsizetype(sizeof(T)))) {
            mOk = false;
            mPos = mSize;
            return T(0);
        }
        const T value = qFromLittleEndian<T>(mData + mPos);
        mPos += qsizetype(sizeof(T));
        return value;
    }

    const char *mData = nullptr;
    qsizetype mSize = 0;
    qsizetype mPos = 0;
    bool mOk = true;
};

} // namespace sw
