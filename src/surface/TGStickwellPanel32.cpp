#include "surface/TGStickwellPanel32.h"

#include "objects/ObjectEditors.h"
#include "objects/TGGraphicControl.h"
#include "persistence/ClassRegistry.h"
#include "platform/ScreenCursor.h"
#include "surface/LabelObjectClasses.h"

#include <QVariant>

#include <memory>

namespace sw {

TGStickwellPanel32::TGStickwellPanel32(QObject *owner)
    : TGBasePanel(owner)
{
    registerLabelObjectClasses();
}

void TGStickwellPanel32::SetPanelState(TLPanelState state)
{
    if (state == mPanelState)
        return;
    mPanelState = state;
    setPointing(state == psPointing);
    ScreenCursor::set(state == psPointing ? ScreenCursor::Default : ScreenCursor::Drag);
}

QByteArray TGStickwellPanel32::classForState(TLPanelState state)
{
    switch (state) {
    case psPointing:
        return {};
    case psLabel:
        return "TGPLabel";
    case psSymbolLabel:
        return "TGSymbolLabel";
    case psCounterLabel:
        return "TGCounterLabel";
    case psMultiLineLabel:
        return "TGMultiLineLabel";
    case psRectangle:
    case psEllipse:
    case psRoundRectangle:
        return "TGLabelShapes";
    case psLine:
        return "TGLineShape";
    case psImage:
        return "TGImage";
    case psSuperShape:
        return "TSuperShape";
    case psRichLabel:
        return "TGPRichBaseLabel";
    case psSuperText:
        return "TGSuperText";
    case psBarcode:
        return "TGBarcode";
    }
    return {};
}

QString TGStickwellPanel32::toolName(TLPanelState state)
{
    switch (state) {
    case psPointing:
        return {};
    case psLabel:
        return QStringLiteral("Text");
    case psSymbolLabel:
        return QStringLiteral("Symbol");
    case psCounterLabel:
        return QStringLiteral("Counter");
    case psMultiLineLabel:
        return QStringLiteral("Multi-line Text");
    case psRectangle:
        return QStringLiteral("Rectangle");
    case psEllipse:
        return QStringLiteral("Ellipse");
    case psRoundRectangle:
        return QStringLiteral("Round Rectangle");
    case psLine:
        return QStringLiteral("Line");
    case psImage:
        return QStringLiteral("Clip Art");
    case psSuperShape:
        return QStringLiteral("SuperShape");
    case psRichLabel:
        return QStringLiteral("Rich Text");
    case psSuperText:
        return QStringLiteral("SuperText");
    }
    return {};
}

bool TGStickwellPanel32::canCreate(TLPanelState state)
{
    registerLabelObjectClasses();
    const QByteArray className = classForState(state);
    const TPersistentClass *cls = className.isEmpty() ? nullptr : GetClass(QString::fromLatin1(className));
    return cls && cls->create;
}

void TGStickwellPanel32::CreateObjectInRect(const QRect &band)
{
    QRect r = band;
    // A click makes a barcode of readable size, 1.5 x 0.75 inches at 96
    // pixels per inch.
    if (mPanelState == psBarcode && r.width() < 25 && r.height() < 15)
        r.setSize(QSize(144, 72));
    if (r.width() < 25)
        r.setWidth(50);
    if (r.height() < 15)
        r.setHeight(15);

    const QByteArray className = classForState(mPanelState);
    if (className.isEmpty())
        return;
    const TPersistentClass *cls = GetClass(QString::fromLatin1(className));
    if (!cls || !cls->create)
        return;
    // Created with the panel's owner (the panel itself when it has none),
    // so that set-up finds the form's master controls; held until placed,
    // so that a failing set-up leaves nothing behind.
    std::unique_ptr<QObject> created(cls->create(parent() ? parent() : this));
    auto *object = qobject_cast<TGGraphicControl *>(created.get());
    if (!object)
        return;
    // The object and what its editor sets up are one step.
    UserAction action(*this, QStringLiteral("Draw ") + toolName(mPanelState));

    // Tool-specific starting values.
    switch (mPanelState) {
    case psLabel:
        object->setProperty("Caption", QStringLiteral("<text>"));
        object->ApplyFont(Font());
        break;
    case psCounterLabel:
        object->setProperty("Startingnumber", 1000);
        object->setProperty("TextBefore", QString());
        object->setProperty("TextAfter", QString());
        object->ApplyFont(Font());
        break;
    case psMultiLineLabel:
        object->ApplyFont(Font());
        break;
    case psRectangle:
        object->setProperty("Shape", QStringLiteral("stRectangle"));
        break;
    case psEllipse:
        object->setProperty("Shape", QStringLiteral("stEllipse"));
        break;
    case psRoundRectangle:
        object->setProperty("Shape", QStringLiteral("stRoundRect"));
        break;
    case psLine:
        object->setProperty("LineStyle", QStringLiteral("stVertical"));
        break;
    default:
        break;
    }
    object->Loaded();
    created.release();
    PlaceObject(object, r);

    const bool toolStays = mPanelState == psRectangle || mPanelState == psEllipse
        || mPanelState == psRoundRectangle || mPanelState == psLine;
    if (toolStays)
        return;
    SetPanelState(psPointing);
    ScreenCursor::set(ScreenCursor::Default);
    ObjectEditors::edit(object);
}

} // namespace sw
