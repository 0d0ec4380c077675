#include "editing/EditHistory.h"

#include "objects/TGGraphicControl.h"
#include "surface/TGBasePanel.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace sw {

EditHistory::EditHistory(TGBasePanel &panel, QObject *parent)
    : QObject(parent)
    , mPanel(panel)
    , mRecorder(panel)
{
    connect(&panel, &TGBasePanel::actionFinished, this,
            [this](const QString &name, bool burst) { record(name, burst); });
    connect(&panel, &TGBasePanel::zoomed, this, [this] {
        if (!mRestoring && !mPanel.actionRunning())
            settle();
    });
    reset();
}

void EditHistory::settle()
{
    // Back at 100 %, objects fit their boxes to their content again, and
    // there that fit is their geometry (see TGGraphicControl). It is what
    // the state already meant, not a step of its own.
    if (mIndex < 0 || mPanel.ScaleFactor() != 1.0f)
        return;
    DesignState state;
    if (takeState(state))
        mStates[static_cast<size_t>(mIndex)] = std::move(state);
}

void EditHistory::setLayoutAccess(std::function<LayoutWorkingCopy()> get,
                                  std::function<void(const LayoutWorkingCopy &)> set)
{
    mRecorder.layout = std::move(get);
    mRecorder.setLayout = std::move(set);
    clear();
}

bool EditHistory::takeState(DesignState &state)
{
    // Writing objects to memory does not fail short of a fault of the
    // program; then the history is the one thing lost, not the design.
    try {
        state = mRecorder.capture();
        return true;
    } catch (...) {
        return false;
    }
}

void EditHistory::reset()
{
    mStates.clear();
    mSteps.clear();
    mIndex = mSavedIndex = -1;
    DesignState state;
    if (takeState(state)) {
        mStates.push_back(std::move(state));
        mIndex = mSavedIndex = 0;
    }
}

void EditHistory::clear()
{
    reset();
    Q_EMIT changed();
}

QString EditHistory::undoName() const
{
    return canUndo() ? mSteps[static_cast<size_t>(mIndex - 1)].name : QString();
}

QString EditHistory::redoName() const
{
    return canRedo() ? mSteps[static_cast<size_t>(mIndex)].name : QString();
}

void EditHistory::record(const QString &name, bool burst)
{
    if (mRestoring)
        return;
    DesignState state;
    if (!takeState(state)) {
        mStates.clear();
        mSteps.clear();
        mIndex = mSavedIndex = -1;
        Q_EMIT changed();
        return;
    }
    if (mIndex < 0) {
        // Nothing to go back to: this is where undoing stops.
        mStates.push_back(std::move(state));
        mIndex = 0;
        Q_EMIT changed();
        return;
    }
    const DesignState &current = mStates[static_cast<size_t>(mIndex)];
    if (state == current)
        return;
    QStringList touched;
    for (int i : DesignState::touched(current, state))
        touched << state.objects[static_cast<size_t>(i)].name;
    std::sort(touched.begin(), touched.end());
    const QString stepName = name.isEmpty() ? unnamedStep() : name;

    // A new step drops what could have been done again.
    mStates.resize(static_cast<size_t>(mIndex) + 1);
    mSteps.resize(static_cast<size_t>(mIndex));
    if (mSavedIndex > mIndex)
        mSavedIndex = -1;

    const bool joins = burst && !mSteps.empty() && mSteps.back().burst && mSteps.back().name == stepName
        && mSteps.back().touched == touched && mSavedIndex != mIndex;
    if (joins) {
        // The burst's step now ends here; a burst that came back to where
        // it started is no step at all.
        if (state == mStates[static_cast<size_t>(mIndex) - 1]) {
            mStates.pop_back();
            mSteps.pop_back();
            --mIndex;
        } else {
            mStates.back() = std::move(state);
        }
    } else {
        mSteps.push_back(Step{stepName, burst, touched});
        mStates.push_back(std::move(state));
        ++mIndex;
        trim();
    }
    Q_EMIT changed();
}

void EditHistory::trim()
{
    while (static_cast<int>(mSteps.size()) > mLimit) {
        mSteps.erase(mSteps.begin());
        mStates.erase(mStates.begin());
        --mIndex;
        // The saved state may be the one dropped.
        mSavedIndex = mSavedIndex > 0 ? mSavedIndex - 1 : -1;
    }
}

void EditHistory::setLimit(int steps)
{
    mLimit = std::max(1, steps);
    const int before = static_cast<int>(mSteps.size());
    // Steps beyond the limit that could be done again go first.
    while (static_cast<int>(mSteps.size()) > mLimit && mIndex + 1 < static_cast<int>(mStates.size())) {
        mStates.pop_back();
        mSteps.pop_back();
        if (mSavedIndex >= static_cast<int>(mStates.size()))
            mSavedIndex = -1;
    }
    trim();
    if (static_cast<int>(mSteps.size()) != before)
        Q_EMIT changed();
}

bool EditHistory::undo()
{
    if (mRestoring || mPanel.actionRunning())
        return false;
    record(QString());
    return canUndo() && moveTo(mIndex - 1);
}

bool EditHistory::redo()
{
    if (mRestoring || mPanel.actionRunning())
        return false;
    record(QString());
    return canRedo() && moveTo(mIndex + 1);
}

bool EditHistory::moveTo(int index)
{
    const DesignState &from = mStates[static_cast<size_t>(mIndex)];
    const DesignState &to = mStates[static_cast<size_t>(index)];
    const QSet<int> touched = DesignState::touched(from, to);
    {
        QScopedValueRollback<bool> restoring(mRestoring, true);
        try {
            mRecorder.restore(from, to);
        } catch (...) {
            reset();
            Q_EMIT changed();
            return false;
        }
    }
    mIndex = index;
    settle();
    mPanel.clearSelection();
    const auto &objects = mRecorder.objects();
    for (int i : touched)
        if (i < objects.size() && objects.at(i))
            mPanel.select(objects.at(i));
    mPanel.invalidate();
    Q_EMIT changed();
    return true;
}

void EditHistory::markSaved()
{
    record(QString());
    mSavedIndex = mIndex;
    Q_EMIT changed();
}

void EditHistory::forgetSaved()
{
    mSavedIndex = -1;
    Q_EMIT changed();
}

} // namespace sw
