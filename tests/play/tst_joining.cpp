// Joining the dots: the hit square, what a hit draws and sounds, the completion,
// and the picture without dots.

#include "GameFixture.h"
#include "PictureFolder.h"

#include <QTest>

namespace {
const QRgb Red = qRgb(255, 0, 0);
const QRgb Black = qRgb(0, 0, 0);
const QRgb FinishedColour = qRgb(250, 240, 200);
// Dot 1 at (100, 50), dot 2 at (200, 50), dot 3 at (200, 150).
const QByteArray ThreeDots("100,50,80,30\n200,50,210,30\n200,150,210,160\n");

struct Played : GameFixture
{
    PictureFolder folder;
    Played(const QByteArray& dots = ThreeDots)
    {
        folder.writePicture(QStringLiteral("pic"), dots, qRgb(255, 255, 255), FinishedColour);
        open(QStringLiteral("pic.kv"));
        sound.calls.clear();
    }
};
} // namespace

class TestJoining : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theHitSquareIsStrict_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<bool>("hit");
        QTest::newRow("centre") << 100.0f << 50.0f << true;
        QTest::newRow("up right corner") << 104.0f << 46.0f << true;
        QTest::newRow("down left corner") << 96.0f << 54.0f << true;
        QTest::newRow("just inside on the right") << 104.99f << 50.0f << true;
        QTest::newRow("right edge") << 105.0f << 50.0f << false;
        QTest::newRow("left edge") << 95.0f << 50.0f << false;
        QTest::newRow("bottom edge") << 100.0f << 55.0f << false;
        QTest::newRow("top edge") << 100.0f << 45.0f << false;
        QTest::newRow("far away") << 400.0f << 300.0f << false;
        QTest::newRow("off the surface after a drag") << -50.0f << 900.0f << false;
    }
    void theHitSquareIsStrict()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(bool, hit);
        Played f;
        const QImage before = f.image();
        f.release(x, y);
        QCOMPARE(f.game.state.NextDot, qint16(hit ? 2 : 1));
        QCOMPARE(f.sound.calls, QStringList{hit ? "start Pop2.wav" : "start Uhoh.wav"});
        QCOMPARE(f.image() == before, !hit);
    }

    void everyButtonJoins()
    {
        for (qint16 button : {1, 2, 4}) {
            Played f;
            f.release(101, 49, button);
            QCOMPARE(f.game.state.NextDot, qint16(2));
        }
    }

    void onlyTheNextDotCounts()
    {
        Played f;
        f.release(200, 50); // dot 2 before dot 1
        QCOMPARE(f.game.state.NextDot, qint16(1));
        f.release(100, 50);
        f.release(100, 50); // dot 1 again, already joined
        QCOMPARE(f.game.state.NextDot, qint16(2));
        QCOMPARE(f.sound.calls,
                 QStringList({"start Uhoh.wav", "start Pop2.wav", "start Uhoh.wav"}));
    }

    void aHitTurnsTheDotBlackAndDrawsTheLineFromThePreviousDot()
    {
        Played f;
        f.release(100, 50);
        QCOMPARE(f.image().pixel(100, 50), Black);
        QCOMPARE(f.image().pixel(103, 50), Black);
        QCOMPARE(f.image().pixel(150, 50), qRgb(255, 255, 255)); // no line from dot 1
        QCOMPARE(f.image().pixel(200, 50), Red);                 // dot 2 still red

        f.release(200, 50);
        QCOMPARE(f.image().pixel(150, 50), Red);
        QCOMPARE(f.image().pixel(200, 52), Black);
        QCOMPARE(f.image().pixel(100, 52), Black);
        // Drawn after the disc, the line crosses it.
        QCOMPARE(f.image().pixel(102, 50), Red);
        QCOMPARE(f.image().pixel(198, 50), Red);
    }

    void theLastDotBringsUpTheFinishedDrawing()
    {
        Played f;
        f.release(100, 50);
        f.release(200, 50);
        QVERIFY(!f.view.colourFrameVisible);
        f.release(200, 150);
        QCOMPARE(f.sound.calls, QStringList({"start Pop2.wav", "start Pop2.wav", "start Pop2.wav",
                                             "start Welldone.wav"}));
        QCOMPARE(f.game.state.mode(), GameState::Mode::Colouring);
        QVERIFY(f.game.state.Completed);
        QCOMPARE(f.game.state.NextDot, qint16(-1));
        QVERIFY(f.view.colourFrameVisible);
        QCOMPARE(f.image().pixel(100, 50), FinishedColour);
        QCOMPARE(f.image().pixel(150, 50), FinishedColour);

        f.sound.calls.clear();
        f.release(10, 10);
        QCOMPARE(f.sound.calls, QStringList{"start Pop4.wav"});
    }

    void aCancelledChooserKeepsThePictureAndItsFinishedDrawing()
    {
        Played f;
        f.release(100, 50);
        f.open(QString());
        QCOMPARE(f.game.state.NextDot, qint16(2));
        f.release(200, 50);
        f.release(200, 150);
        QCOMPARE(f.image().pixel(0, 0), FinishedColour);
    }

    void beforeAnyPictureReleasesDoNothing()
    {
        GameFixture f;
        const QImage before = f.image();
        f.release(0, 0);
        f.release(100, 50);
        QVERIFY(f.sound.calls.isEmpty());
        QCOMPARE(f.image(), before);
        QCOMPARE(f.game.state.mode(), GameState::Mode::NoPicture);
    }

    void aPictureWithoutDotsIsAColouringPage()
    {
        Played f{QByteArray()};
        f.release(300, 300);
        QCOMPARE(f.sound.calls, QStringList{"start Welldone.wav"});
        QCOMPARE(f.game.state.mode(), GameState::Mode::Colouring);
        QCOMPARE(f.image().pixel(300, 300), FinishedColour);

        Played g{QByteArray()};
        g.type('a');
        QCOMPARE(g.game.state.mode(), GameState::Mode::Colouring);
    }
};

QTEST_MAIN(TestJoining)
#include "tst_joining.moc"
