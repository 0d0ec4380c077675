#pragma once
// Takes states of the design on a panel and puts them back. A state holds
// each object as the component stream writes it, so that putting a state
// back gives the same objects with the same names and properties, byte for
// byte as the label file would hold them, at whatever zoom the panel shows.
#include "editing/ChunkStore.h"
#include "editing/DesignState.h"

#include <QList>
#include <QPointer>

#include <functional>

namespace sw {

class TGBasePanel;
class TGGraphicControl;

class DesignRecorder
{
public:
    explicit DesignRecorder(TGBasePanel &panel);

    // Where the layout comes from and goes back to; without it states hold
    // no layout.
    std::function<LayoutWorkingCopy()> layout;
    std::function<void(const LayoutWorkingCopy &)> setLayout;

    // The design as it is now. The objects it was taken from are known
    // afterwards (objects()), so that restore can keep those that stay.
    // Throws the stream's errors.
    DesignState capture();
    // Makes the design `to`; `from` must be the state last captured or
    // restored. Objects whose record is the same in both stay as they are;
    // the others are read from their records. The panel reports no change.
    // Throws the stream's errors, leaving the design as it was.
    void restore(const DesignState &from, const DesignState &to);
    // The objects of the state last captured or restored, in its order.
    const QList<QPointer<TGGraphicControl>> &objects() const { return mObjects; }

    // The bytes the states' pieces hold, each piece counted once.
    qint64 heldBytes() const { return mStore.heldBytes(); }

private:
    TGBasePanel &mPanel;
    ChunkStore mStore;
    QList<QPointer<TGGraphicControl>> mObjects;
};

} // namespace sw
