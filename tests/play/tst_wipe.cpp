// The wipe: its step counts, its pacing, and what each pattern leaves on the
// old picture.

#include "Fakes.h"
#include "GameFixture.h"
#include "app/Surface.h"
#include "play/Wipe.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const QRgb White = qRgb(255, 255, 255);
const QRgb Navy = qRgb(0, 0, 128); // palette colour 1

// Counts the columns (or rows) fully in `colour`, and those untouched.
struct Coverage
{
    QList<int> painted;
    QList<int> untouched;
};

Coverage columns(const QImage& image, QRgb colour)
{
    Coverage coverage;
    for (int x = 0; x < image.width(); ++x) {
        int hits = 0;
        for (int y = 0; y < image.height(); ++y)
            hits += image.pixel(x, y) == colour;
        if (hits == image.height())
            coverage.painted.append(x);
        else if (hits == 0)
            coverage.untouched.append(x);
    }
    return coverage;
}

QImage transposed(const QImage& image)
{
    return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}
} // namespace

class TestWipe : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyEffectTakesItsStepsEachShownThenPaused_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("steps");
        QTest::newRow("vertical lines there and back") << 1 << 487;
        QTest::newRow("vertical lines from both sides") << 2 << 244;
        QTest::newRow("closing frames") << 3 << 172;
        QTest::newRow("rays from the centre") << 4 << 1662;
        QTest::newRow("horizontal lines down and back") << 5 << 343;
        QTest::newRow("horizontal lines from both sides") << 6 << 172;
    }
    void everyEffectTakesItsStepsEachShownThenPaused()
    {
        QFETCH(int, effect);
        QFETCH(int, steps);
        Surface surface;
        RecordingSleeper sleeper;
        QSignalSpy refreshes(&surface, &Surface::refreshRequested);
        int refreshesBeforeSleep = 0;
        sleeper.onSleep = [&] {
            refreshesBeforeSleep += refreshes.size() == sleeper.sleeps.size();
        };
        Wipe::run(surface, sleeper, 1, effect);
        QCOMPARE(sleeper.sleeps, QList<int>(steps, 5));
        QCOMPARE(refreshesBeforeSleep, steps);
    }

    void anOddWidthLeavesTheOddColumnsAlone_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("across");
        QTest::newRow("effect 1") << 1 << false;
        QTest::newRow("effect 2") << 2 << false;
        QTest::newRow("effect 5, odd height") << 5 << true;
        QTest::newRow("effect 6, odd height") << 6 << true;
    }
    void anOddWidthLeavesTheOddColumnsAlone()
    {
        QFETCH(int, effect);
        QFETCH(bool, across);
        // A 486-wide area gives W = 487: the return pass, or the mirrored line,
        // falls on even columns again.
        Surface surface(across ? QSize(60, 486) : QSize(486, 60));
        RecordingSleeper sleeper;
        Wipe::run(surface, sleeper, 1, effect);
        const Coverage coverage =
            columns(across ? transposed(surface.image()) : surface.image(), Navy);
        QCOMPARE(coverage.painted.size(), 243);
        QCOMPARE(coverage.untouched.size(), 243);
        for (int x : coverage.painted)
            QCOMPARE(x % 2, 0);
    }

    void anEvenWidthCoversEveryColumn()
    {
        for (int effect : {1, 2}) {
            Surface surface(QSize(485, 40));
            RecordingSleeper sleeper;
            Wipe::run(surface, sleeper, 1, effect);
            QCOMPARE(columns(surface.image(), Navy).painted.size(), 485);
        }
    }

    void theClosingFramesEndInAFlatOneAndCoverEverything()
    {
        Surface surface;
        RecordingSleeper sleeper;
        QImage beforeLast;
        sleeper.onSleep = [&] {
            if (sleeper.sleeps.size() == 171)
                beforeLast = surface.image();
        };
        Wipe::run(surface, sleeper, 1, 3);
        // The last frame, from (171, 171) to (315, 171), is a line.
        QCOMPARE(beforeLast.pixel(200, 171), White);
        QCOMPARE(surface.image().pixel(200, 171), Navy);
        QCOMPARE(surface.image().pixel(316, 171), Navy);
        QCOMPARE(columns(surface.image(), Navy).painted.size(), 485);
        QCOMPARE(surface.fillStyle(), Surface::FillStyle::Transparent);
    }

    void raysFromTheCentreSweepTheWholeArea()
    {
        Surface surface;
        RecordingSleeper sleeper;
        Wipe::run(surface, sleeper, 1, 4);
        int painted = 0;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                painted += surface.image().pixel(x, y) == Navy;
        QVERIFY(painted > surface.width() * surface.height() * 9 / 10);
        QCOMPARE(surface.image().pixel(0, 0), Navy);
        QCOMPARE(surface.image().pixel(484, 340), Navy);
    }

    void thePaletteHasNoBlackAndEndsInWhite()
    {
        QSet<QRgb> colours;
        for (int number = 1; number <= Wipe::Colours; ++number) {
            QVERIFY(Wipe::paletteColour(number) != QColor(0, 0, 0));
            colours.insert(Wipe::paletteColour(number).rgb());
        }
        QCOMPARE(colours.size(), 15);
        QCOMPARE(Wipe::paletteColour(15), QColor(255, 255, 255));
        QCOMPARE(Wipe::paletteColour(1), QColor(0, 0, 128));

        Surface surface;
        RecordingSleeper sleeper;
        Wipe::run(surface, sleeper, 15, 1);
        QCOMPARE(columns(surface.image(), White).painted.size(), 485);
    }

    void theColourIsDrawnBeforeTheEffect()
    {
        GameFixture f;
        for (quint64 seed = 1; seed <= 30; ++seed) {
            f.game.random.seed(seed);
            Random copy;
            copy.seed(seed);
            const int colour = Random::choose(15, copy.next());
            const int effect = Random::choose(6, copy.next());
            f.sleeper.sleeps.clear();
            Wipe::WipePictureArea(f.game);
            QCOMPARE(f.game.PictureArea.drawingColour(), Wipe::paletteColour(colour));
            const QList<int> steps{0, 487, 244, 172, 1662, 343, 172};
            QCOMPARE(f.sleeper.sleeps.size(), steps[effect]);
        }
    }
};

QTEST_MAIN(TestWipe)
#include "tst_wipe.moc"
