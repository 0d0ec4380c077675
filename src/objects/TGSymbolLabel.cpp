#include "objects/TGSymbolLabel.h"

#include "objects/LabelDialogs.h"
#include "objects/ScreenCanvas.h"
#include "objects/TGPanelHost.h"
#include "objects/TGPLabel.h"
#include "platform/Rounding.h"
#include "platform/TFont.h"

namespace sw {

TGSymbolLabel::TGSymbolLabel(QObject *owner)
    : TGBaseLabel(owner)
{
    Font()->setName(QStringLiteral("WingDings"));
    Font()->setSize(24);
    SetCaption(QStringLiteral("["));
}

QSize TGSymbolLabel::fittedSize() const
{
    ScreenCanvas screen;
    Canvas &canvas = screen.canvas();
    const QString text = SelectFont(canvas);
    const QSize extent = canvas.TextExtent(text);
    return QSize(truncTowardZero(extent.width() * 1.1), truncTowardZero(extent.height() * 1.1));
}

void TGSymbolLabel::BoundsChanged()
{
    TGBaseLabel::BoundsChanged();
    if (reading())
        return;
    TGPanelHost *host = panel();
    if (!host)
        return;
    const QSize fitted = fittedSize();
    if (fitted.width() != Width() || fitted.height() != Height())
        fitBounds(Left(), Top(), fitted.width(), fitted.height());
    host->postRefit();
}

void TGSymbolLabel::Loaded()
{
    TGBaseLabel::Loaded();
    PopupMenu &menu = ObjectMenu();
    // Entries are only ever appended, so the ones a symbol has no use for
    // are hidden rather than removed.
    for (int i = menu.count() - 1; i >= 0; --i) {
        MenuEntry &e = menu.entry(i);
        if (e.tag == TGPLabel::TextEntryTag || e.caption == QLatin1String("Font")
            || e.caption == QLatin1String("Alignment") || e.caption == QLatin1String("Angle"))
            e.visible = false;
    }
    menu.addSeparator();
    menu.add(QStringLiteral("Symbol Selector"), [this] { ChooseSymbol(); });
}

bool TGSymbolLabel::ChooseSymbol()
{
    if (!LabelDialogs::getSymbol)
        return false;
    TFont font;
    font.Assign(*Font());
    const QString caption = Caption();
    int code = caption.isEmpty() ? 32 : caption.at(0).unicode();
    if (!LabelDialogs::getSymbol(font, code))
        return false;
    Font()->Assign(font);
    SetCaption(QString(QChar(code)));
    BoundsChanged();
    Invalidate();
    return true;
}

} // namespace sw
