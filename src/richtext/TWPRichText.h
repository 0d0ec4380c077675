#pragma once
// The rich-text control: a document shown at a zoom on a background
// colour, with a caret an attached view places. Every window that holds
// rich-text labels keeps one hidden control named MASTERWPRICHTEXT, and
// all its labels paint through it one after another; a design panel that
// is on no window keeps its own.
#include "richtext/TWPCustomRtfEdit.h"

namespace sw {

class TWPRichText : public TWPCustomRtfEdit
{
    Q_OBJECT

public:
    static const char *const MasterName; // "MASTERWPRICHTEXT"

    explicit TWPRichText(QObject *parent = nullptr);

    // The control's own document, live and assignable.
    TWPRTFTextIo *RtfText() const { return document(); }

    // The colour the page is shown on (white for a transparent label).
    TColor Color() const { return background(); }
    void setColor(TColor color) { setBackground(color); }

    // Per cent; layout and painting follow it (kept within 1..1000).
    int Zooming() const { return zoomPercent(); }
    void setZooming(int percent);

    // Puts the attached view's caret at a character position with
    // `selectionLength` characters selected after it.
    void SetCaretPosition(int position, int selectionLength = 0);

    // A hidden master control, child of `form` and named MasterName.
    static TWPRichText *createMaster(QObject *form);
    // The master of the form `object` sits on: the first window among the
    // object's owners (its QObject parents, nearest first), or the topmost
    // owner when none is a window; among that form's children the first
    // TWPRichText whose name, upper-cased, is MasterName. Null when that
    // form has none.
    static TWPRichText *findMaster(const QObject *object);

Q_SIGNALS:
    void zoomingChanged(int percent);
    void caretPositionRequested(int position, int selectionLength);
};

} // namespace sw
