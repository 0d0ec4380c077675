#pragma once
// The design panel of this program: the base panel plus the drawing tool
// (PanelState) and the creation of every kind of label object.
#include "surface/TGBasePanel.h"

namespace sw {

class TGStickwellPanel32 : public TGBasePanel
{
    Q_OBJECT
    Q_PROPERTY(TLPanelState PanelState READ PanelState WRITE SetPanelState)

public:
    enum TLPanelState {
        psPointing,
        psLabel,
        psSymbolLabel,
        psCounterLabel,
        psMultiLineLabel,
        psRectangle,
        psEllipse,
        psRoundRectangle,
        psLine,
        psImage,
        psSuperShape,
        psRichLabel,
        psSuperText,
        psBarcode
    };
    Q_ENUM(TLPanelState)

    explicit TGStickwellPanel32(QObject *owner = nullptr);

    TLPanelState PanelState() const { return mPanelState; }
    void SetPanelState(TLPanelState state);

    // Widens the band (a click makes a 50 x 15 object), creates the object
    // of the current tool, places it, and for most tools returns to the
    // selection tool and opens the new object's editor.
    void CreateObjectInRect(const QRect &r) override;

    // The class each drawing tool creates ("TGPLabel"); empty for
    // psPointing.
    static QByteArray classForState(TLPanelState state);
    // What the tool draws, as the user knows it ("Round Rectangle"); empty
    // for psPointing.
    static QString toolName(TLPanelState state);
    // True when the class of the tool is registered and can be created.
    static bool canCreate(TLPanelState state);

private:
    TLPanelState mPanelState = psPointing;
};

} // namespace sw
