#pragma once
// A box of formatted text: several fonts, sizes, colours, bold, italic,
// underline, paragraph alignment, edited in the "Rich Text Editor" and
// drawn by the rich-text engine. The object keeps only the document (as
// RTF in the label file), a background colour, a transparency flag and a
// border.
//
// All rich-text labels of a form paint through the form's master control
// (TWPRichText::findMaster), found by Loaded; before Loaded, or where the
// form has none, the label paints and prints nothing of its own.
#include "objects/TGGraphicControl.h"
#include "platform/GraphicsTypes.h"
#include "platform/TColor.h"
#include "richtext/TWPRTFTextIo.h" // complete for the meta-object of RTFText

#include <QPointer>
#include <QStringList>
#include <functional>

class QTextDocument;

namespace sw {

class TWPRichText;
class TWPRtfStorage;

class TGPRichBaseLabel : public TGGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(sw::TWPRTFTextIo *RTFText READ RTFText)
    Q_PROPERTY(sw::graphics::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int BGColor READ BGColor WRITE SetBGColor)
    Q_CLASSINFO("type:BGColor", "TColor")

public:
    static constexpr int HelpTopic = 40013;

    // What the editor is given and hands back.
    struct EditRequest
    {
        TWPRTFTextIo *document = nullptr; // a copy; on OK it holds the result
        bool transparent = true;
        TColor background = clWhite;      // the editing area's colour when not transparent
        int width = 0, height = 0;        // the editing area: the object's size plus one
        int zoom = 100;                   // per cent: Round(ScaleFactor x 100)
    };
    // The editing window; the window layer installs it. Returns true on OK.
    // Without one, EditRichText does nothing.
    static inline std::function<bool(EditRequest &request)> Editor;

    // 190 x 33, transparent, white background, single border, empty
    // document.
    explicit TGPRichBaseLabel(QObject *owner = nullptr);
    ~TGPRichBaseLabel() override;

    // The document, live (the storage's).
    TWPRTFTextIo *RTFText() const;
    // Copies the document in, repaints and reports the change.
    void SetRTFText(const TWPRTFTextIo &document);
    TBorderStyle BorderStyle() const { return mBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool Transparent() const { return mTransparent; }
    // Repaints; a change of transparency alone is not reported (the
    // background colour's commands report it).
    void SetTransparent(bool value);
    TColor BGColor() const { return mBGColor; }
    void SetBGColor(TColor value);

    TWPRichText *Master() const;

    // The popup entries, the master, and the double-click that opens the
    // editor. Throws ENoMasterWPRich when the form has no master.
    void Loaded() override;
    void UpdateMenuChecks() override;
    void Paint(Canvas &canvas, const PaintContext &context) override;
    // The document drawn at the object's size and zoom, stretched into the
    // object's rectangle on the page as vector output: text stays text.
    void PrintTo(TBaseReport &report, double xOff, double yOff) override;

    // The document's text: its fields are filled, each keeping the format
    // it is written in, when the document is drawn for a merged print.
    QStringList SubstitutedTexts() const override;

    // Background, document and border on a canvas whose origin is the
    // object's corner.
    void DrawRich(Canvas &canvas);
    // Opens the editor; true when the user pressed OK.
    bool EditRichText();
    // "Background Color": the colour dialog; on OK the colour is taken and
    // the label stops being transparent.
    void ChooseBackgroundColor();

private:
    // Fills the fields of the master's copy of the document.
    void fillFields(QTextDocument &document) const;
    // DrawRich into a box `height` pixels deep.
    void drawRich(Canvas &canvas, int height);
    // How deep the object prints: its own height, or deeper when filled
    // fields make the document, wrapped at the object's width as typed
    // text is, longer than the box holds.
    int printedHeight() const;

    TWPRtfStorage *mStorage;
    QPointer<TWPRichText> mMaster;
    TColor mBGColor = clWhite;
    bool mTransparent = true;
    TBorderStyle mBorderStyle = bsSingle;
    int mTransparentItem = -1;
    int mBorderItem = -1;
    int mEditItem = -1;
};

} // namespace sw
