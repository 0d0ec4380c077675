#pragma once
// Undo and redo for the design on a panel. Every user action that changes
// the design (TGBasePanel::UserAction) becomes one step, named after the
// action; the history keeps the design's state after each step and goes
// back and forth between them. It also knows which state was saved last,
// so that the window can tell whether undoing has brought the design back
// to what the file holds.
//
// States share their bytes (DesignState), so a design with a large picture
// holds the picture once however many steps there are.
#include "editing/DesignRecorder.h"
#include "editing/DesignState.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace sw {

class TGBasePanel;

class EditHistory : public QObject
{
    Q_OBJECT

public:
    // Steps kept; older ones are dropped.
    static constexpr int DefaultLimit = 100;
    // The name of a change made outside any named action.
    static QString unnamedStep() { return QStringLiteral("Edit"); }

    // Follows the panel's finished actions. The design as it is now is
    // where undoing stops, and it counts as saved.
    explicit EditHistory(TGBasePanel &panel, QObject *parent = nullptr);

    // The layout belongs to the design: once given, every state keeps it
    // and undo hands it back through `set`.
    void setLayoutAccess(std::function<LayoutWorkingCopy()> get, std::function<void(const LayoutWorkingCopy &)> set);

    // Forgets every step (a new or another design): the design as it is
    // now is where undoing stops, and it counts as saved.
    void clear();
    // Makes what changed since the last step a step called `name` (the
    // unnamed step when empty); nothing when the design is as it was. A
    // `burst` step on the same objects as the burst step of the same name
    // just before it, with nothing saved in between, joins that one.
    void record(const QString &name, bool burst = false);

    bool canUndo() const { return mIndex > 0; }
    bool canRedo() const { return mIndex >= 0 && mIndex + 1 < static_cast<int>(mStates.size()); }
    // The names of the steps undo and redo would take back or do again;
    // empty when there is none.
    QString undoName() const;
    QString redoName() const;
    // How many steps undo can take back.
    int undoCount() const { return canUndo() ? mIndex : 0; }
    // Takes the last step back, or does the next one again; the objects the
    // step touched are then the selection. A change not yet made a step is
    // made one first. False when there is nothing to do or the panel is in
    // the middle of an action. A state that cannot be read back (which only
    // a fault of the program could cause) empties the history and leaves
    // the design as it is.
    bool undo();
    bool redo();

    // The design as it is now is what the file holds.
    void markSaved();
    // The file is gone: no state is saved any more.
    void forgetSaved();
    // True when the design is the state saved last.
    bool isAtSavedState() const { return mIndex >= 0 && mIndex == mSavedIndex; }

    int limit() const { return mLimit; }
    // At least 1; older steps go at once when there are more.
    void setLimit(int steps);

    // Bytes of design the states hold, pieces shared between states counted
    // once.
    qint64 storedBytes() const { return mRecorder.heldBytes(); }

Q_SIGNALS:
    // Steps were added, dropped, undone or done again.
    void changed();

private:
    struct Step
    {
        QString name;
        bool burst = false;
        QStringList touched; // names of the objects, for joining bursts
    };
    bool moveTo(int index);
    // Takes the design as it is laid out now as the current state.
    void settle();
    void trim();
    void reset();
    bool takeState(DesignState &state);

    TGBasePanel &mPanel;
    DesignRecorder mRecorder;
    // mStates[i + 1] is the design after mSteps[i]; mStates[mIndex] is the
    // design on the panel. -1: nothing recorded (the state could not be
    // taken).
    std::vector<DesignState> mStates;
    std::vector<Step> mSteps;
    int mIndex = -1;
    int mSavedIndex = -1;
    int mLimit = DefaultLimit;
    bool mRestoring = false;
};

} // namespace sw
