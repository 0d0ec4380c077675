#pragma once
// Lets the window's pending events run during a long loop (printing,
// recording a preview) so that "Cancel" and "Stop" arrive and the status
// repaints, but at most once every few milliseconds: asking the event
// loop after every label would cost more than drawing the label.
namespace sw {

class EventPoll
{
public:
    // Milliseconds between two looks at the event queue.
    static constexpr int IntervalMs = 4;

    // Runs the pending events when IntervalMs have passed since they last
    // ran here (or never have); otherwise returns at once. Does nothing
    // without an application object.
    static void poll();
};

} // namespace sw
