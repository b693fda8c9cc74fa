// "Show Next Dot" and the "a" shortcut.

#include "GameFixture.h"
#include "PictureFolder.h"

#include <QTest>

namespace {
const QRgb Red = qRgb(255, 0, 0);
const QRgb White = qRgb(255, 255, 255);

struct Hinting : GameFixture
{
    PictureFolder folder;
    Hinting()
    {
        folder.writePicture(QStringLiteral("p"), "100,50,104,40\n200,50,210,30\n200,150,210,160\n",
                            qRgb(200, 220, 255));
        open(QStringLiteral("p.kv"));
        sound.calls.clear();
        sleeper.sleeps.clear(); // the wipe's
    }
};
} // namespace

class TestHint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void blinksTheNextDotTenTimesAndEndsRed()
    {
        Hinting f;
        f.release(100, 50);
        f.sound.calls.clear();
        const QImage before = f.image();
        QList<QRgb> shown;
        f.sleeper.onSleep = [&] { shown.append(f.image().pixel(200, 50)); };
        f.game.HelpCommand_Click();

        QCOMPARE(f.sleeper.sleeps, QList<int>(20, 100));
        QList<QRgb> expected;
        for (int i = 0; i < 10; ++i)
            expected << White << Red;
        QCOMPARE(shown, expected);
        QCOMPARE(f.sound.calls, QStringList({"start Gameon.wav", "stop"}));
        QCOMPARE(f.game.state.NextDot, qint16(2));
        QCOMPARE(f.image(), before);
        QCOMPARE(f.game.PictureArea.fillStyle(), Surface::FillStyle::Solid);
        QCOMPARE(f.game.PictureArea.fillColour(), QColor(Red));
    }

    void theDotIsStillJoinedByAClickAfterwards()
    {
        Hinting f;
        f.game.HelpCommand_Click();
        f.release(100, 50);
        QCOMPARE(f.game.state.NextDot, qint16(2));
    }

    void doesNothingWithoutADotToShow()
    {
        GameFixture none;
        none.game.HelpCommand_Click();
        QVERIFY(none.sound.calls.isEmpty());
        QVERIFY(none.sleeper.sleeps.isEmpty());

        Hinting done;
        done.joinAll();
        done.sound.calls.clear();
        const QImage finished = done.image();
        done.game.HelpCommand_Click();
        QVERIFY(done.sound.calls.isEmpty());
        QVERIFY(done.sleeper.sleeps.isEmpty());
        QCOMPARE(done.image(), finished);
    }

    void lowerCaseAJoinsTheNextDotWhereverThePointerIs()
    {
        Hinting f;
        f.type('a');
        QCOMPARE(f.game.state.NextDot, qint16(2));
        QCOMPARE(f.image().pixel(100, 50), qRgb(0, 0, 0));
        f.type('a');
        QCOMPARE(f.image().pixel(150, 50), Red);
        f.type('a');
        QCOMPARE(f.game.state.mode(), GameState::Mode::Colouring);
        QCOMPARE(f.sound.calls, QStringList({"start Pop2.wav", "start Pop2.wav", "start Pop2.wav",
                                             "start Welldone.wav"}));
        const QImage finished = f.image();
        f.sound.calls.clear();
        f.type('a');
        QVERIFY(f.sound.calls.isEmpty());
        QCOMPARE(f.image(), finished);
    }

    void otherKeysDoNothing()
    {
        Hinting f;
        const QImage before = f.image();
        for (char key : {'A', 'b', ' ', '1', '\r'})
            f.type(key);
        QCOMPARE(f.game.state.NextDot, qint16(1));
        QVERIFY(f.sound.calls.isEmpty());
        QCOMPARE(f.image(), before);
    }
};

QTEST_MAIN(TestHint)
#include "tst_hint.moc"
