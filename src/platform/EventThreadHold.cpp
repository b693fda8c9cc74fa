#include "EventThreadHold.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>

namespace {
// Short enough to notice the end of a sound within a frame, long enough to leave
// the processor idle.
constexpr int PollMilliseconds = 2;

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
    QDeadlineTimer deadline(limit, Qt::PreciseTimer);
    answerWindowSystem();
    while (!done() && !deadline.hasExpired()) {
        const qint64 left = deadline.remainingTime();
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, PollMilliseconds)));
        answerWindowSystem();
    }
    if (--m_depth > 0)
        return;
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
    if (m_onRelease)
        m_onRelease();
}
