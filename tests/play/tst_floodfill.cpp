// The border fill on pixel fixtures, and against a plain breadth-first fill on
// random images.

#include "AsciiArt.h"
#include "app/FloodFill.h"

#include <QRandomGenerator>
#include <QTest>

#include <queue>

namespace {
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

QStringList filled(const QStringList& picture, QPoint start, QRgb colour)
{
    QImage image = AsciiArt::image(picture);
    FloodFill::borderFill(image, start, colour, Black);
    return AsciiArt::rows(image);
}

// The obvious fill, one pixel at a time, for comparison.
QImage referenceFill(QImage image, QPoint start, QRgb colour)
{
    if (!image.rect().contains(start) || image.pixel(start) == Black)
        return image;
    QImage seen(image.size(), QImage::Format_Mono);
    seen.fill(0);
    std::queue<QPoint> queue;
    queue.push(start);
    seen.setPixel(start, 1);
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop();
        image.setPixel(p, colour);
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + d;
            if (image.rect().contains(n) && !seen.pixelIndex(n) && image.pixel(n) != Black) {
                seen.setPixel(n, 1);
                queue.push(n);
            }
        }
    }
    return image;
}
} // namespace

class TestFloodFill : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aDiagonalOutlineKeepsTwoAreasApart()
    {
        const QStringList picture{
            "...#",
            "..#.",
            ".#..",
            "#...",
        };
        const QStringList expected{
            "rrr#",
            "rr#.",
            "r#..",
            "#...",
        };
        QCOMPARE(filled(picture, QPoint(0, 0), Red), expected);
    }

    void onlyPureBlackStopsTheFill()
    {
        const QStringList picture{
            "..n..",
            "nnnnn",
            "..n#.",
        };
        const QStringList expected{
            "rrrrr",
            "rrrrr",
            "rrr#r",
        };
        QCOMPARE(filled(picture, QPoint(0, 0), Red), expected);
    }

    void refillingPaintsOverEarlierFills()
    {
        const QStringList picture{
            ".#...",
            ".#.#.",
            "...#.",
        };
        QImage image = AsciiArt::image(picture);
        FloodFill::borderFill(image, QPoint(0, 0), Red, Black);
        FloodFill::borderFill(image, QPoint(2, 1), Blue, Black);
        QCOMPARE(AsciiArt::rows(image), QStringList({"b#bbb", "b#b#b", "bbb#b"}));
        FloodFill::borderFill(image, QPoint(4, 2), qRgb(255, 255, 255), Black);
        QCOMPARE(AsciiArt::rows(image), picture);
    }

    void theFillColourAlreadyInTheAreaIsNoBarrier()
    {
        const QStringList picture{
            "rrrr#...",
            "r..r#.r.",
            "rrrr#...",
        };
        const QStringList expected{
            "rrrr#rrr",
            "rrrr#rrr",
            "rrrr#rrr",
        };
        QImage image = AsciiArt::image(picture);
        QCOMPARE(FloodFill::borderFill(image, QPoint(1, 1), Red, Black), qsizetype(12));
        QCOMPARE(FloodFill::borderFill(image, QPoint(7, 0), Red, Black), qsizetype(9));
        QCOMPARE(AsciiArt::rows(image), expected);
    }

    void startingOnBlackOrOutsidePaintsNothing_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::newRow("on black") << QPoint(1, 0);
        QTest::newRow("left of the image") << QPoint(-1, 0);
        QTest::newRow("below the image") << QPoint(0, 2);
        QTest::newRow("right of the image") << QPoint(3, 1);
    }
    void startingOnBlackOrOutsidePaintsNothing()
    {
        QFETCH(QPoint, start);
        const QStringList picture{".#.", "..."};
        QImage image = AsciiArt::image(picture);
        QCOMPARE(FloodFill::borderFill(image, start, Red, Black), qsizetype(0));
        QCOMPARE(AsciiArt::rows(image), picture);
    }

    void aGapLetsTheFillThrough()
    {
        const QStringList picture{
            "...#...",
            "...#...",
            ".......",
            "...#...",
        };
        QCOMPARE(filled(picture, QPoint(6, 0), Red),
                 QStringList({"rrr#rrr", "rrr#rrr", "rrrrrrr", "rrr#rrr"}));
    }

    void runsBackUpAndDownAroundObstacles()
    {
        // A comb and a spiral: the fill has to turn back into rows it left.
        const QStringList picture{
            ".........", ".#.#.#.#.", ".#.#.#.#.", "##.#.#.##",
            "...#....#", ".#######.", ".........",
        };
        const QStringList expected{
            "rrrrrrrrr", "r#r#r#r#r", "r#r#r#r#r", "##r#r#r##",
            "rrr#rrrr#", "r#######r", "rrrrrrrrr",
        };
        QCOMPARE(filled(picture, QPoint(2, 4), Red), expected);
    }

    void fillsAWholeEmptySurface()
    {
        QImage image(485, 341, QImage::Format_RGB32);
        image.fill(Qt::white);
        QCOMPARE(FloodFill::borderFill(image, QPoint(240, 170), Blue, Black), qsizetype(485 * 341));
        QCOMPARE(image.pixel(0, 0), Blue);
        QCOMPARE(image.pixel(484, 340), Blue);
    }

    void agreesWithAPlainFillOnRandomImages()
    {
        QRandomGenerator random(20261206);
        for (int round = 0; round < 200; ++round) {
            const QSize size(1 + random.bounded(40), 1 + random.bounded(30));
            const int blackPercent = random.bounded(70);
            QImage image(size, QImage::Format_RGB32);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    image.setPixel(x, y,
                                   random.bounded(100) < blackPercent ? Black
                                   : random.bounded(4) == 0           ? Red
                                                                      : qRgb(255, 255, 255));
            const QPoint start(random.bounded(size.width()), random.bounded(size.height()));
            QImage ours = image;
            FloodFill::borderFill(ours, start, Red, Black);
            QCOMPARE(ours, referenceFill(image, start, Red));
        }
    }
};

QTEST_APPLESS_MAIN(TestFloodFill)
#include "tst_floodfill.moc"
