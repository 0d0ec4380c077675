#pragma once
// Drives the modal windows a command opens: each step waits until the
// window on top of the modal stack is the one it expects (and ready), then
// acts on it. Buttons are clicked from the event loop (clickLater), never
// from inside the step, because a click may open another modal loop.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace sw::test {

inline void clickLater(QAbstractButton *button)
{
    QTimer::singleShot(0, button, &QAbstractButton::click);
}

// Save a picture of a window, or a copy of an output file, into
// $SW_SHOT_DIR when that is set, so that they can be looked at after a run.
inline void saveShot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("SW_SHOT_DIR");
    if (!dir.isEmpty())
        w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

inline void saveOutput(const QString &file, const QString &name)
{
    const QString dir = qEnvironmentVariable("SW_SHOT_DIR");
    if (!dir.isEmpty()) {
        QFile::remove(QDir(dir).filePath(name));
        QFile::copy(file, QDir(dir).filePath(name));
    }
}

class ModalScript
{
public:
    struct Step
    {
        std::function<bool(QWidget *)> ready;
        std::function<void(QWidget *)> act;
    };

    ModalScript()
    {
        mClock.start();
        mTimer.setInterval(5);
        QObject::connect(&mTimer, &QTimer::timeout, [this] { poll(); });
        mTimer.start();
    }

    // Waits for a modal window of class W for which `ready` holds.
    template <class W>
    void then(std::function<void(W *)> act, std::function<bool(W *)> ready = {})
    {
        mSteps.push_back(Step{[ready](QWidget *w) {
                                  auto *typed = qobject_cast<W *>(w);
                                  return typed && (!ready || ready(typed));
                              },
                              [act](QWidget *w) { act(qobject_cast<W *>(w)); }});
    }

    // Waits for a status window of class W (the print run's) to finish its
    // run; `read`, when given, looks at it; then its Ok closes it.
    template <class W>
    void closeWhenFinished(std::function<void(W *)> read = {})
    {
        then<W>(
            [read](W *w) {
                if (read)
                    read(w);
                clickLater(w->CancelButton);
            },
            [](W *w) { return w->runFinished(); });
    }

    bool finished() const { return mSteps.empty(); }
    bool timedOut() const { return mTimedOut; }
    // Class names of every modal window seen on top, in order, once each
    // time it came up.
    QStringList seen;

private:
    void poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (w != mLastSeen && w)
            seen << QString::fromLatin1(w->metaObject()->className());
        mLastSeen = w;
        if (!w)
            return;
        if (mClock.elapsed() > 30000) {
            // Something no step expected: close it rather than hang.
            mTimedOut = true;
            w->close();
            return;
        }
        if (mSteps.empty() || !mSteps.front().ready(w))
            return;
        Step step = mSteps.front();
        mSteps.pop_front();
        step.act(w);
    }

    QTimer mTimer;
    QElapsedTimer mClock;
    std::deque<Step> mSteps;
    QWidget *mLastSeen = nullptr;
    bool mTimedOut = false;
};

} // namespace sw::test
