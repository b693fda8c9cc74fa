// "Open New Picture" on the real surface image with recording fakes for the
// window system, the chooser and the main window.

#include "GameFixture.h"
#include "PictureFolder.h"
#include "app/Fonts.h"

#include <QFontMetrics>
#include <QTest>

namespace {
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb StartColour = qRgb(255, 255, 230);
// Dots and numbers far enough apart that nothing overlaps.
const QByteArray ThreeDots("100,50,120,40\r\n300,200,320,210\r\n60,300,30,280\r\n");

using Fixture = GameFixture;

// The bounding box of every pixel of `colour` inside `area`.
QRect boxOf(const QImage& image, QRgb colour, QRect area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

class TestOpenCommand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawsEveryDotRedWithItsNumberInBlue()
    {
        PictureFolder folder;
        folder.writePicture(QStringLiteral("three"), ThreeDots, StartColour);
        Fixture f;
        f.open(QStringLiteral("three.kv"));

        const QImage& image = f.game.PictureArea.image();
        const int space = QFontMetrics(Fonts::numberFont()).horizontalAdvance(QLatin1Char(' '));
        for (int k = 1; k <= 3; ++k) {
            const int x = f.game.state.DotX[k];
            const int y = f.game.state.DotY[k];
            QCOMPARE(boxOf(image, Red, QRect(x - 6, y - 6, 13, 13)), QRect(x - 3, y - 3, 7, 7));
            const QPoint number(f.game.state.NumberX[k], f.game.state.NumberY[k]);
            const QRect digits = boxOf(image, Blue, QRect(number - QPoint(10, 10), QSize(50, 35)));
            QVERIFY2(digits.isValid(), "no blue number");
            QVERIFY(digits.left() >= number.x() + space - 1);
            QVERIFY(digits.left() <= number.x() + space + 2);
            QVERIFY(digits.top() > number.y() && digits.bottom() < number.y() + 14);
        }
        QCOMPARE(image.pixel(0, 0), StartColour);
        QCOMPARE(f.game.PictureArea.storedPicture().pixel(100, 50), StartColour);
    }

    void entersJoiningReadyToDrawRedLines()
    {
        PictureFolder folder;
        folder.writePicture(QStringLiteral("three"), ThreeDots);
        Fixture f;
        f.game.state.Completed = true;
        f.view.colourFrameVisible = true;
        f.open(QStringLiteral("three.kv"));

        QCOMPARE(f.game.state.mode(), GameState::Mode::Joining);
        QCOMPARE(f.game.state.NextDot, qint16(1));
        QCOMPARE(f.game.state.DotX[4], GameState::EndMarker);
        QCOMPARE(f.game.globals.SelectedPicture, QStringLiteral("three.kv"));
        QVERIFY(!f.view.colourFrameVisible);
        QCOMPARE(f.game.PictureArea.drawingColour(), QColor(Red));
        QCOMPARE(f.game.PictureArea.fillColour(), QColor(Red));
        QCOMPARE(f.game.PictureArea.fillStyle(), Surface::FillStyle::Solid);
        QCOMPARE(f.windowSystem.busyCalls, QList<bool>({true, false}));
        QVERIFY(!f.sleeper.sleeps.isEmpty()); // the wipe ran
        QCOMPARE(f.game.finishedImage.pixel(0, 0), qRgb(250, 250, 250));
    }

    void aPictureWithoutDotsShowsItsStartImage()
    {
        PictureFolder folder;
        folder.writePicture(QStringLiteral("blank"), QByteArray(), StartColour);
        Fixture f;
        f.open(QStringLiteral("blank.kv"));
        QCOMPARE(f.game.state.DotX[1], GameState::EndMarker);
        QCOMPARE(f.game.state.NextDot, qint16(1));
        QCOMPARE(boxOf(f.game.PictureArea.image(), StartColour, QRect(0, 0, 485, 341)),
                 QRect(0, 0, 485, 341));
    }

    void cancellingChangesNothing()
    {
        PictureFolder folder;
        folder.writePicture(QStringLiteral("three"), ThreeDots);
        Fixture f;
        f.open(QStringLiteral("three.kv"));
        f.game.state.NextDot = 2;
        const GameState before = f.game.state;
        const QImage imageBefore = f.game.PictureArea.image();
        f.windowSystem.busyCalls.clear();
        f.sleeper.sleeps.clear();

        f.open(QString());
        QVERIFY(f.sleeper.sleeps.isEmpty());
        QCOMPARE(f.chooser.shown, 2);
        QVERIFY(f.game.state == before);
        QCOMPARE(f.game.PictureArea.image(), imageBefore);
        QCOMPARE(f.game.globals.SelectedPicture, QStringLiteral("three.kv"));
        QVERIFY(f.windowSystem.busyCalls.isEmpty());
        QVERIFY(f.windowSystem.messages.isEmpty());
    }

    void brokenPicturesAreRefusedAndChangeNothing_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no description file") << "none"
                                             << "the file is not there";
        QTest::newRow("description is a folder") << "folder"
                                                 << "could not be read";
        QTest::newRow("description far too big") << "huge"
                                                 << "far too big";
        QTest::newRow("not a whole number") << "letters"
                                            << "\"thirty\", which is not a whole number";
        QTest::newRow("100 records") << "hundred"
                                     << "more than 99 dots";
        QTest::newRow("no start image") << "nostart"
                                        << "\"bad1.bmp\" is not there";
        QTest::newRow("no finished image") << "nofinished"
                                           << "\"bad2.bmp\" is not there";
        QTest::newRow("start image not a bitmap") << "corruptstart"
                                                  << "\"bad1.bmp\" is not a picture";
        QTest::newRow("finished image not a bitmap") << "corruptfinished"
                                                     << "\"bad2.bmp\" is not a picture";
    }
    void brokenPicturesAreRefusedAndChangeNothing()
    {
        QFETCH(QString, setup);
        QFETCH(QString, problem);
        PictureFolder folder;
        folder.writePicture(QStringLiteral("good"), ThreeDots);
        writeBrokenPicture(folder, setup);
        Fixture f;
        f.open(QStringLiteral("good.kv"));
        f.game.state.NextDot = 3;
        const GameState before = f.game.state;
        const QImage imageBefore = f.game.PictureArea.image();
        const QImage finishedBefore = f.game.finishedImage;
        f.sleeper.sleeps.clear();

        f.open(QStringLiteral("bad.kv"));
        QVERIFY(f.sleeper.sleeps.isEmpty()); // no wipe
        QVERIFY(f.game.state == before);
        QCOMPARE(f.game.PictureArea.image(), imageBefore);
        QCOMPARE(f.game.finishedImage, finishedBefore);
        QCOMPARE(f.game.globals.SelectedPicture, QStringLiteral("good.kv"));
        QVERIFY(!f.windowSystem.pointerIsBusy());
        QCOMPARE(f.windowSystem.messages.size(), 1);
        QCOMPARE(f.windowSystem.messages[0].first, QStringLiteral("Kelvaro"));
        const QString message = f.windowSystem.messages[0].second;
        QVERIFY2(message.contains(QStringLiteral("\"bad.kv\"")), qPrintable(message));
        QVERIFY2(message.contains(problem), qPrintable(message));
    }

private:
    static void writeBrokenPicture(const PictureFolder& folder, const QString& setup)
    {
        const QByteArray oneDot("10,20,30,40\n");
        const QByteArray notABitmap("BM this is not a bitmap at all");
        if (setup == QLatin1String("folder"))
            QDir(folder.path()).mkdir(QStringLiteral("bad.kv"));
        else if (setup == QLatin1String("huge"))
            folder.write(QStringLiteral("bad.kv"), QByteArray(2 << 20, ' '));
        else if (setup == QLatin1String("letters"))
            folder.writePicture(QStringLiteral("bad"), "10,20,thirty,40\n");
        else if (setup == QLatin1String("hundred"))
            folder.writePicture(QStringLiteral("bad"), QByteArray("1,2,3,4\n").repeated(100));
        else if (setup == QLatin1String("nostart") || setup == QLatin1String("nofinished")) {
            folder.writePicture(QStringLiteral("bad"), oneDot);
            QFile::remove(folder.path() +
                          (setup == QLatin1String("nostart") ? "/bad1.bmp" : "/bad2.bmp"));
        } else if (setup == QLatin1String("corruptstart") ||
                   setup == QLatin1String("corruptfinished")) {
            folder.writePicture(QStringLiteral("bad"), oneDot);
            folder.write(setup == QLatin1String("corruptstart") ? "bad1.bmp" : "bad2.bmp",
                         notABitmap);
        }
    }
};

QTEST_MAIN(TestOpenCommand)
#include "tst_opencommand.moc"
