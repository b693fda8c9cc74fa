// The game's random generator and its choice among n things.

#include "app/Random.h"

#include <QTest>

#include <cmath>

class TestRandom : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void staysInsideZeroToOne()
    {
        Random random;
        random.seed(7);
        float smallest = 1;
        float largest = 0;
        for (int i = 0; i < 1000000; ++i) {
            const float r = random.next();
            smallest = std::min(smallest, r);
            largest = std::max(largest, r);
        }
        QVERIFY(smallest >= 0.0f && smallest < 0.001f);
        QVERIFY(largest < 1.0f && largest > 0.999f);
    }

    void theLargestDrawStillChoosesInRange()
    {
        const float largest = std::nextafter(1.0f, 0.0f);
        for (int n = 1; n <= 100; ++n) {
            QCOMPARE(Random::choose(n, largest), n);
            QCOMPARE(Random::choose(n, 0.0f), 1);
        }
        QCOMPARE(Random::choose(0, 0.5f), 1);
    }

    void choicesAreUniform()
    {
        Random random;
        random.seed(2026);
        QList<int> counts(16, 0);
        for (int i = 0; i < 150000; ++i)
            ++counts[Random::choose(15, random.next())];
        QCOMPARE(counts[0], 0);
        for (int k = 1; k <= 15; ++k)
            QVERIFY2(counts[k] > 9400 && counts[k] < 10600, qPrintable(QString::number(counts[k])));
    }

    void seedingFromTheClockGivesNewSequences()
    {
        Random first;
        Random second;
        first.seedFromClock();
        QTest::qWait(2);
        second.seedFromClock();
        QVERIFY(first.next() != second.next() || first.next() != second.next());
    }
};

QTEST_APPLESS_MAIN(TestRandom)
#include "tst_random.moc"
