// Holding the event thread: the hold lasts, timers wait for its end, and work
// put off during a hold runs once the outermost hold ends.

#include "platform/EventThreadHold.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

class TestEventThreadHold : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void timersFireOnlyAfterTheHold()
    {
        EventThreadHold hold;
        bool fired = false;
        QTimer::singleShot(1, this, [&] { fired = true; });
        hold.sleep(30);
        QVERIFY(!fired);
        QTRY_VERIFY(fired);
    }

    void holdUntilEndsAsSoonAsItIsDone()
    {
        EventThreadHold hold;
        int asked = 0;
        hold.holdUntil([&] { return ++asked == 3; }, 10s);
        QCOMPARE(asked, 3);
    }

    void releaseRunsOnceAfterTheOutermostHold()
    {
        EventThreadHold hold;
        QList<bool> holdingAtRelease;
        hold.setOnRelease([&] { holdingAtRelease.append(hold.isHolding()); });
        hold.holdUntil(
            [&] {
                hold.sleep(1);
                return true;
            },
            1s);
        QCOMPARE(holdingAtRelease, QList<bool>{false});
        QVERIFY(!hold.isHolding());
    }

    void sleepsForAtLeastTheTimeAsked()
    {
        EventThreadHold hold;
        QElapsedTimer clock;
        clock.start();
        hold.sleep(20);
        QVERIFY(clock.elapsed() >= 20);
    }
};

QTEST_MAIN(TestEventThreadHold)
#include "tst_eventthreadhold.moc"
