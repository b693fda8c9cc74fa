// Colouring the finished drawing through the release handler.

#include "GameFixture.h"
#include "PictureFolder.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {
const QRgb White = qRgb(255, 255, 255);
const QRgb Yellow = qRgb(255, 255, 0);

// A finished drawing with a black square outline from (20, 20) to (120, 120).
struct Colouring : GameFixture
{
    PictureFolder folder;
    Colouring()
    {
        QImage finished(300, 200, QImage::Format_RGB32);
        finished.fill(White);
        QPainter painter(&finished);
        painter.setPen(Qt::black);
        painter.drawRect(20, 20, 100, 100);
        painter.end();
        folder.writePicture(QStringLiteral("sq"), "50,50,60,60\n");
        finished.save(folder.path() + QStringLiteral("/sq2.bmp"), "BMP");
        open(QStringLiteral("sq.kv"));
        joinAll();
        sound.calls.clear();
    }
};
} // namespace

class TestColouring : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fillsTheAreaUnderTheReleaseWithTheChosenColour()
    {
        Colouring f;
        QSignalSpy refreshed(&f.game.PictureArea, &Surface::refreshRequested);
        f.view.colour = QColor(Yellow);
        f.release(70, 70, 2);
        QCOMPARE(f.sound.calls, QStringList{"start Pop4.wav"});
        QCOMPARE(f.image().pixel(21, 21), Yellow);
        QCOMPARE(f.image().pixel(119, 119), Yellow);
        QCOMPARE(f.image().pixel(20, 20), qRgb(0, 0, 0));
        QCOMPARE(f.image().pixel(10, 10), White);
        QCOMPARE(refreshed.size(), 1);
    }

    void theMarginAroundASmallerDrawingFillsToo()
    {
        Colouring f;
        f.release(5, 5);
        QCOMPARE(f.image().pixel(400, 300), qRgb(0, 0, 255));
        QCOMPARE(f.image().pixel(70, 70), White);
    }

    void outlinesAndPlacesOffTheSurfacePaintNothingButStillPop_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::newRow("on the outline") << 20.0f << 70.0f;
        QTest::newRow("rounds onto the outline") << 119.6f << 70.0f;
        QTest::newRow("left of the surface") << -3.0f << 70.0f;
        QTest::newRow("below the surface") << 70.0f << 341.0f;
        QTest::newRow("far off after a drag") << 1.0e9f << -1.0e9f;
    }
    void outlinesAndPlacesOffTheSurfacePaintNothingButStillPop()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        Colouring f;
        const QImage before = f.image();
        f.release(x, y);
        QCOMPARE(f.image(), before);
        QCOMPARE(f.sound.calls, QStringList{"start Pop4.wav"});
    }

    void theReleaseIsRoundedNotTruncated()
    {
        Colouring f;
        f.release(119.4f, 70.0f);
        QCOMPARE(f.image().pixel(70, 70), qRgb(0, 0, 255));
    }
};

QTEST_MAIN(TestColouring)
#include "tst_colouring.moc"
