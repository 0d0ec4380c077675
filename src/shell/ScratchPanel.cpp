#include "shell/ScratchPanel.h"

#include "objects/TGGraphicControl.h"

namespace sw {

ScratchPanel::ScratchPanel(int width, int height, QObject *owner)
    : QObject(owner)
    , mWidth(width)
    , mHeight(height)
{
}

ScratchPanel::~ScratchPanel()
{
    const QList<TGGraphicControl *> objects = mObjects;
    mObjects.clear();
    qDeleteAll(objects);
}

QList<TGGraphicControl *> ScratchPanel::takeObjects()
{
    QList<TGGraphicControl *> objects;
    objects.swap(mObjects);
    for (TGGraphicControl *o : objects)
        disconnect(o, nullptr, this, nullptr);
    return objects;
}

void ScratchPanel::addObject(TGGraphicControl *object)
{
    if (!object || mObjects.contains(object))
        return;
    object->setParent(this);
    mObjects.append(object);
    connect(object, &QObject::destroyed, this, [this, object] { mObjects.removeOne(object); });
}

TColor ScratchPanel::handleColor() const
{
    return TColor(0);
}

TColor ScratchPanel::handleSecondaryColor() const
{
    return TColor(0);
}

} // namespace sw
