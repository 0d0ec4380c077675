#include "printing/PrintCheck.h"

#include "objects/TGGraphicControl.h"
#include "surface/TGBasePanel.h"

namespace sw {

PrintCheck::PrintCheck(TGBasePanel &panel)
    : mPanel(panel)
{
    for (TGGraphicControl *object : panel.labelObjects()) {
        const QString problem = object->PrintProblem();
        if (problem.isEmpty())
            continue;
        mObjects.append(object);
        mProblems.append(problem);
    }
}

QString PrintCheck::message() const
{
    return mProblems.join(QLatin1Char('\r'));
}

QString PrintCheck::question() const
{
    return message() + QStringLiteral("\r\rPrint the labels without %1?")
                           .arg(mObjects.size() == 1 ? QStringLiteral("this object") : QStringLiteral("these objects"));
}

void PrintCheck::leaveOut()
{
    // The objects are the panel's children; deleting one takes it off the
    // panel's list.
    const QList<TGGraphicControl *> objects = mPanel.labelObjects();
    for (TGGraphicControl *object : mObjects)
        if (objects.contains(object))
            delete object;
    mObjects.clear();
    mProblems.clear();
    mPanel.invalidate();
}

} // namespace sw
