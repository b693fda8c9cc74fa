#include "EventThreadHold.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

#include <thread>

#if defined(__linux__)
#include <sys/prctl.h>
#endif

namespace {
// Often enough to answer the window system and notice the end of a sound within
// a frame; a short pause, such as the wipe's 5 ms, is then one sleep.
constexpr std::chrono::milliseconds Poll{10};

// The kernel lets a sleep run 50 microseconds late by default to save power; a
// wipe sleeps over a thousand times in a row, and those add up to a visible
// slowdown.
void preciseSleeps()
{
#if defined(__linux__)
    static const bool once = [] { return prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0; }();
    Q_UNUSED(once);
#endif
}

void answerWindowSystem()
{
    // Timers are excluded too: the game's own reports (the end of a tune) are
    // handled only after the running handler, like input.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::X11ExcludeTimers);
}
} // namespace

void EventThreadHold::sleep(int milliseconds)
{
    holdUntil([] { return false; }, std::chrono::milliseconds(milliseconds));
}

void EventThreadHold::holdUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    ++m_depth;
    preciseSleeps();
    QDeadlineTimer deadline(limit, Qt::PreciseTimer);
    answerWindowSystem();
    while (!done() && !deadline.hasExpired()) {
        const auto left = std::chrono::nanoseconds(deadline.remainingTimeNSecs());
        std::this_thread::sleep_for(std::min<std::chrono::nanoseconds>(left, Poll));
        answerWindowSystem();
    }
    if (--m_depth > 0)
        return;
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
    if (m_onRelease)
        m_onRelease();
}
