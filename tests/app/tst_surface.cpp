// The drawing surface's persistent image: the shapes the game draws, exact to
// the pixel, and what setting a picture keeps and replaces.

#include "app/PictureAreaWidget.h"
#include "app/Surface.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);

QRect boxOf(const QImage& image, QRgb colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

int countOf(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}
} // namespace

class TestSurface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsWhiteWithoutAPicture()
    {
        Surface surface;
        QCOMPARE(surface.image().size(), QSize(485, 341));
        QCOMPARE(countOf(surface.image(), White), 485 * 341);
        QVERIFY(surface.storedPicture().isNull());
    }

    void circlesAreFilledOnlyWhenTheFillStyleIsSolid_data()
    {
        QTest::addColumn<Surface::FillStyle>("style");
        QTest::addColumn<QRgb>("middle");
        QTest::newRow("solid") << Surface::FillStyle::Solid << Green;
        QTest::newRow("transparent") << Surface::FillStyle::Transparent << White;
    }
    void circlesAreFilledOnlyWhenTheFillStyleIsSolid()
    {
        QFETCH(Surface::FillStyle, style);
        QFETCH(QRgb, middle);
        Surface surface;
        surface.setFillColour(Green);
        surface.setFillStyle(style);
        surface.circle(QPointF(100, 50), 3, Red);
        // Outline in its own colour, seven pixels across, centred on the point.
        QCOMPARE(boxOf(surface.image(), Red), QRect(97, 47, 7, 7));
        QCOMPARE(surface.image().pixel(100, 50), middle);
        QCOMPARE(surface.image().pixel(104, 50), White);
    }

    void linesAreOnePixelInTheDrawingColour()
    {
        Surface surface;
        surface.setDrawingColour(Red);
        surface.line(QPointF(10, 20), QPointF(60, 20));
        const QRect box = boxOf(surface.image(), Red);
        QCOMPARE(box.top(), 20);
        QCOMPARE(box.height(), 1);
        QCOMPARE(box.left(), 10);
        QVERIFY(box.right() == 59 || box.right() == 60);
    }

    void rectanglesAreOutlinesWhileTransparent()
    {
        Surface surface;
        surface.setDrawingColour(Red);
        surface.setFillColour(Green);
        surface.setFillStyle(Surface::FillStyle::Transparent);
        surface.rectangle(QPointF(30, 40), QPointF(10, 20));
        QCOMPARE(boxOf(surface.image(), Red), QRect(10, 20, 21, 21));
        QCOMPARE(surface.image().pixel(20, 30), White);
        QCOMPARE(countOf(surface.image(), Green), 0);
    }

    void textTakesTheDrawingColourBelowAndRightOfThePosition()
    {
        Surface surface;
        surface.setDrawingColour(Red);
        surface.setTextPosition(QPoint(200, 100));
        surface.printText(QStringLiteral(" 42 "));
        const QRect box = boxOf(surface.image(), Red);
        QVERIFY(box.isValid());
        QVERIFY(box.left() > 200 && box.top() > 100);
        QVERIFY(box.right() < 230 && box.bottom() < 114);
        // No antialiasing: every changed pixel is the exact drawing colour.
        QCOMPARE(countOf(surface.image(), White) + countOf(surface.image(), Red), 485 * 341);
    }

    void settingAPictureReplacesEverythingAndIsRemembered()
    {
        Surface surface;
        surface.setDrawingColour(Red);
        surface.line(QPointF(0, 300), QPointF(400, 300));
        QImage small(100, 60, QImage::Format_RGB32);
        small.fill(Green);
        surface.setPicture(small);
        QCOMPARE(boxOf(surface.image(), Green), QRect(0, 0, 100, 60));
        QCOMPARE(countOf(surface.image(), Red), 0);
        QCOMPARE(surface.image().pixel(300, 200), White);

        QImage large(600, 400, QImage::Format_RGB32);
        large.fill(Red);
        surface.setPicture(large);
        QCOMPARE(surface.image().size(), QSize(485, 341));
        QCOMPARE(countOf(surface.image(), Red), 485 * 341);

        surface.circle(QPointF(5, 5), 3, Green);
        QCOMPARE(surface.storedPicture().size(), QSize(600, 400));
        QCOMPARE(surface.storedPicture().pixel(5, 5), Red);
    }

    void reportsChangesAndRefreshes()
    {
        Surface surface;
        QSignalSpy changed(&surface, &Surface::changed);
        QSignalSpy refreshed(&surface, &Surface::refreshRequested);
        surface.circle(QPointF(100, 50), 3, Red);
        QCOMPARE(changed.size(), 1);
        QVERIFY(changed.first().first().toRect().contains(QRect(97, 47, 7, 7)));
        QCOMPARE(refreshed.size(), 0);
        surface.refresh();
        QCOMPARE(refreshed.size(), 1);
    }

    void widgetShowsTheImageCrispAtDoubleDensity()
    {
        Surface surface;
        surface.setFillColour(Red);
        surface.setFillStyle(Surface::FillStyle::Solid);
        surface.circle(QPointF(10, 10), 3, Red);
        PictureAreaWidget widget(surface);
        widget.resize(489, 345);
        QCOMPARE(widget.contentsRect(), QRect(2, 2, 485, 341));

        QImage screen(489 * 2, 345 * 2, QImage::Format_RGB32);
        screen.setDevicePixelRatio(2);
        widget.render(&screen);
        // Surface pixel (13, 10) is the disc's right edge, (14, 10) the white beside
        // it: each becomes a 2 x 2 block of its own colour, nothing blended.
        const QPoint edge = 2 * (QPoint(13, 10) + QPoint(2, 2));
        for (QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
            QCOMPARE(screen.pixel(edge + d), Red);
            QCOMPARE(screen.pixel(edge + QPoint(2, 0) + d), White);
        }
    }
};

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
