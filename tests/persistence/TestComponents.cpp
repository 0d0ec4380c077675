#include "TestComponents.h"

#include "persistence/ComponentState.h"

namespace swtest {

QStringList TTestLabel::loadedOrder;

TTestLabel::TTestLabel(QObject *parent)
    : QObject(parent)
    , mFont(new sw::TFont(this))
    , mPen(new sw::TPen(this))
    , mItems(new sw::TStringList(this))
    , mPicture(new sw::TPicture(this))
{
}

void TTestLabel::setLocked(bool locked)
{
    mLoadingSeenBySetter = sw::ComponentState::isLoading(this);
    mLocked = locked;
}

QByteArray TTestLabel::definedBinary(const QString &name) const
{
    mWritingSeen = sw::ComponentState::isWriting(this);
    return name == QLatin1String("Extra") ? mExtra : QByteArray();
}

bool TTestLabel::setDefinedBinary(const QString &name, const QByteArray &data)
{
    if (name != QLatin1String("Extra") || data.startsWith("bad"))
        return false;
    mExtra = data;
    return true;
}

void TTestLabel::Loaded()
{
    ++mLoadedCalls;
    mLoadingSeenByLoaded = sw::ComponentState::isLoading(this);
    loadedOrder.append(objectName());
}

} // namespace swtest
