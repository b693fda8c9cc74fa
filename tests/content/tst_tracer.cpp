// Tracing black-on-white line art into a dot-to-dot picture.

#include "LineArtTracer.h"
#include "PictureLayout.h"

#include <QPainter>
#include <QTest>

#include <cmath>

namespace {
enum class Shape
{
    Circle,
    Square,
    Star
};

// Line art as a person might draw it: a thick outline with a detail inside.
QImage lineArt(Shape shape, QSize size = {485, 341})
{
    QImage art(size, QImage::Format_RGB32);
    art.fill(Qt::white);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3));
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const double scale = size.height() / 341.0;
    switch (shape) {
    case Shape::Circle:
        p.drawEllipse(c, 140 * scale, 140 * scale);
        break;
    case Shape::Square:
        p.drawRect(QRectF(c - QPointF(130, 130) * scale, QSizeF(260, 260) * scale));
        break;
    case Shape::Star: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double r = (i % 2 ? 60 : 150) * scale;
            star << c + QPointF(r * std::cos(a), r * std::sin(a));
        }
        p.drawPolygon(star);
        break;
    }
    }
    p.drawEllipse(c, 12 * scale, 12 * scale); // a detail inside
    return art;
}

double nearestBlack(const QImage& image, QPoint p)
{
    double best = 1e9;
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (image.rect().contains(q) && image.pixel(q) == qRgb(0, 0, 0))
                best = std::min(best, std::hypot(dx, dy));
        }
    return best;
}

double signedArea(const QPolygon& polygon)
{
    double sum = 0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPoint a = polygon[i];
        const QPoint b = polygon[(i + 1) % polygon.size()];
        sum += double(a.x()) * b.y() - double(b.x()) * a.y();
    }
    return sum / 2;
}
} // namespace

class TestTracer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tracesTheOuterOutlineInOrder_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<int>("maxDots");
        QTest::addColumn<int>("fewest");
        QTest::newRow("circle") << Shape::Circle << 40 << 20;
        QTest::newRow("square") << Shape::Square << 20 << 4;
        QTest::newRow("star") << Shape::Star << 30 << 10;
        QTest::newRow("star in few dots") << Shape::Star << 10 << 6;
    }
    void tracesTheOuterOutlineInOrder()
    {
        QFETCH(Shape, shape);
        QFETCH(int, maxDots);
        QFETCH(int, fewest);
        PictureSource source;
        QString error;
        QVERIFY2(LineArtTracer::trace(lineArt(shape), maxDots, source, error), qPrintable(error));
        const QPolygon& dots = source.outline;
        QVERIFY(dots.size() >= fewest && dots.size() <= maxDots);
        // Every dot on the drawn outline, none on the detail in the middle.
        const QImage finished = source.finishedImage();
        for (const QPoint& dot : dots) {
            QVERIFY(nearestBlack(finished, dot) <= 2);
            QVERIFY((dot - QPoint(242, 170)).manhattanLength() > 40);
        }
        // In drawing order: clockwise round the shape, beginning at its top.
        QVERIFY(signedArea(dots) > 0);
        for (const QPoint& dot : dots)
            QVERIFY(dots.first().y() <= dot.y() + 2);
        // The outline is gone from the start image; the detail stays.
        const QImage start = source.startImage();
        for (const QPoint& dot : dots)
            QVERIFY(nearestBlack(start, dot) > 2);
        QCOMPARE(start.pixel(242 + 12, 170), qRgb(0, 0, 0));
        QVERIFY(PictureLayout::plan(source).problems.isEmpty());
    }

    void largeArtIsShrunkToTheDrawingArea()
    {
        PictureSource source;
        QString error;
        QVERIFY(LineArtTracer::trace(lineArt(Shape::Square, {970, 682}), 12, source, error));
        QCOMPARE(source.finishedImage().size(), QSize(485, 341));
        for (const QPoint& dot : source.outline)
            QVERIFY(QRect(0, 0, 485, 341).contains(dot));
    }

    void refusesWhatCannotBeTraced()
    {
        PictureSource source;
        QString error;
        QImage blank(200, 100, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QVERIFY(!LineArtTracer::trace(blank, 20, source, error));
        QVERIFY(error.contains(QStringLiteral("no drawing")));
        QVERIFY(!LineArtTracer::trace(QImage(), 20, source, error));
        QVERIFY(!LineArtTracer::trace(lineArt(Shape::Circle), 100, source, error));
        QVERIFY(error.contains(QStringLiteral("3 to 99")));
    }
};

QTEST_MAIN(TestTracer)
#include "tst_tracer.moc"
