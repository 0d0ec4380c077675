#pragma once
// Several lines of horizontal text in one font, each line aligned left,
// centred or right within the object's box, with optional word wrap at the
// box's width. Transparent: it draws no background.
//
// Items holds the text as entered, one entry per hard line. With WordWrap
// on, the lines shown and printed are WrappedLines, rebuilt by RewrapLines
// whenever the wrap may change (word wrap switched on, bounds, font, text).
#include "objects/TGGraphicControl.h"
#include "platform/GraphicsTypes.h"
#include "platform/TFont.h" // complete for the meta-objects of Font and Items
#include "platform/TStringList.h"
#include "report/RPDefine.h"

#include <QStringList>
#include <functional>

namespace sw {

class TGMultiLineBaseLabel : public TGGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(sw::TStringList *Items READ Items)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(sw::graphics::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(sw::TFont *Font READ Font)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_CLASSINFO("default:Alignment", "taLeftJustify")
    Q_CLASSINFO("default:WordWrap", "False")

public:
    // What word wrap leaves off the object's width for the frame and inner
    // margins of a multi-line edit box of that width: 2 pixels of frame and
    // 2 of margin on each side.
    static constexpr int WrapMargin = 8;

    // 190 x 33 pixels, Arial 10 points, no lines.
    explicit TGMultiLineBaseLabel(QObject *owner = nullptr);
    ~TGMultiLineBaseLabel() override;

    // Owned. The stream fills it through the list itself; any change repaints.
    TStringList *Items() const { return mItems; }
    // Copies the lines and repaints (no re-wrap).
    void SetItems(const QStringList &lines);
    // Stored and read back; nothing depends on it.
    bool AutoSize() const { return mAutoSize; }
    void SetAutoSize(bool value) { mAutoSize = value; }
    TAlignment Alignment() const { return mAlignment; }
    void SetAlignment(TAlignment value);
    // Owned; size in points at scale 1.0.
    TFont *Font() const { return mFont; }
    bool WordWrap() const { return mWordWrap; }
    void SetWordWrap(bool value);

    // The display lines after word wrap (kept, unused, while WordWrap is off).
    QStringList WrappedLines() const { return mWrappedLines; }
    // The lines painted and printed: WrappedLines with word wrap, else Items.
    QStringList Lines() const;
    // The lines a print draws. With a print substitution, each line of
    // Items is filled; a line that held fields and comes out blank (an
    // address without a second street line) is left out, a line break in
    // a field's value starts a new line, and word wrap applies to the
    // result. Without one, Lines().
    QStringList PrintedLines() const;

    // With WordWrap on, rebuilds WrappedLines from Items at the current
    // width, font and ScaleFactor, and repaints; otherwise nothing.
    virtual void RewrapLines();
    // Sets the height to the lines' height (0 for no lines) and widens the
    // box to the widest line; it never narrows it.
    void FitToText();
    // Sets the canvas font to Font, its size Trunc(size x ScaleFactor) when
    // the factor is not 1.
    void SelectFont(Canvas &canvas) const;

    // Breaks one hard line into display lines no wider than maxWidth, as a
    // word-wrapping multi-line edit box does:
    //  - lines break at word boundaries (runs of spaces); a line fits when
    //    its text without trailing spaces is at most maxWidth wide;
    //  - the spaces at a break hang past the line's end and belong to
    //    neither line, so aligned lines end with their last word; trailing
    //    spaces at the end of the hard line stay with its last line, and
    //    leading spaces stay with its first;
    //  - a word wider than a whole line is broken between characters, after
    //    the last character that still fits (at least one per line), and
    //    continues on the next line;
    //  - an empty hard line gives one empty display line.
    static QStringList WrapLine(const QString &line, int maxWidth,
                                const std::function<int(const QString &)> &textWidth);

    // "Font": the font dialog; true on OK.
    bool ChooseFont();

    void Loaded() override;
    void UpdateMenuChecks() override;
    void ApplyFont(const TFont &font) override;
    void BoundsChanged() override;
    void Paint(Canvas &canvas, const PaintContext &context) override;
    void PrintTo(TBaseReport &report, double xOff, double yOff) override;
    QStringList SubstitutedTexts() const override { return mItems->strings(); }

protected:
    // NotifyChanged unless the object is being read.
    void changed();

private:
    void fontChanged();
    // The hard lines broken into display lines at the current width, font
    // and ScaleFactor.
    QStringList wrapLines(const QStringList &hardLines) const;
    // Widens (keeping the aligned edge) and deepens the printed box, in
    // device pixels, so that it holds the lines in the report's font; never
    // narrows it. Returns how far its left edge moved left.
    int fitLines(TBaseReport &report, const QStringList &lines, int lineHeight, int gap, TDeviceRect &box) const;

    TStringList *mItems = nullptr;
    QStringList mWrappedLines;
    TFont *mFont = nullptr;
    TAlignment mAlignment = taLeftJustify;
    bool mAutoSize = false;
    bool mWordWrap = false;
    int mAlignmentItem = -1;
};

} // namespace sw
