#pragma once
// A holder of one rich-text document, owned by the object that keeps the
// document (the rich-text label); freed with its owner.
#include <QObject>

namespace sw {

class TWPRTFTextIo;

class TWPRtfStorage : public QObject
{
    Q_OBJECT

public:
    // Holds an empty document.
    explicit TWPRtfStorage(QObject *owner = nullptr);

    // The held document itself, not a copy.
    TWPRTFTextIo *RtfText() const { return mText; }

private:
    TWPRTFTextIo *mText;
};

} // namespace sw
