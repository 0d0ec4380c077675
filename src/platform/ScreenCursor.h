#pragma once
// The program-wide screen cursor, as the design surface sets it: the
// default arrow, the drag cursor of an armed drawing tool, the pointing and
// grabbing hands, the sizing arrows, the no-drop sign and the context
// help's arrow with a question mark. Setting it
// overrides the cursor of every window until it is set back to Default.
namespace sw {

class ScreenCursor
{
public:
    enum Shape { Default, Drag, HandPoint, HandGrab, SizeNWSE, SizeNESW, SizeNS, SizeWE, NoDrop, Hourglass, Help };

    static void set(Shape shape);
    static Shape current();
};

} // namespace sw
