#include "LineArtTracer.h"

#include "app/FloodFill.h"
#include "app/Surface.h"

#include <QPainter>

#include <cmath>
#include <vector>

namespace {
const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Outside = qRgb(1, 2, 3);

// The art on the drawing area, centred, in pure black and white.
QImage onDrawingArea(const QImage& art)
{
    const QSize area(Surface::Width, Surface::Height);
    QImage scaled = art.convertToFormat(QImage::Format_RGB32);
    if (scaled.width() > area.width() || scaled.height() > area.height())
        scaled = scaled.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage canvas(area, QImage::Format_RGB32);
    canvas.fill(White);
    QPainter(&canvas).drawImage((area.width() - scaled.width()) / 2,
                                (area.height() - scaled.height()) / 2, scaled);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            canvas.setPixel(x, y, qGray(canvas.pixel(x, y)) < 128 ? Black : White);
    return canvas;
}

// Marks every white pixel reachable from the edge of the area.
QImage markOutside(const QImage& art)
{
    QImage marked = art;
    for (int x = 0; x < marked.width(); ++x)
        for (int y : {0, marked.height() - 1})
            if (marked.pixel(x, y) == White)
                FloodFill::borderFill(marked, QPoint(x, y), Outside, Black);
    for (int y = 0; y < marked.height(); ++y)
        for (int x : {0, marked.width() - 1})
            if (marked.pixel(x, y) == White)
                FloodFill::borderFill(marked, QPoint(x, y), Outside, Black);
    return marked;
}

bool isShape(const QImage& marked, QPoint p)
{
    return marked.rect().contains(p) && marked.pixel(p) != Outside;
}

// Follows the shape's outer boundary clockwise from its top-left pixel
// (Moore-neighbour tracing).
QPolygon outerBoundary(const QImage& marked)
{
    QPoint start(-1, -1);
    for (int y = 0; y < marked.height() && start.x() < 0; ++y)
        for (int x = 0; x < marked.width(); ++x)
            if (isShape(marked, {x, y})) {
                start = {x, y};
                break;
            }
    QPolygon boundary;
    if (start.x() < 0)
        return boundary;
    static const QPoint around[8] = {{-1, 0}, {-1, -1}, {0, -1}, {1, -1},
                                     {1, 0},  {1, 1},   {0, 1},  {-1, 1}};
    QPoint current = start;
    int from = 0; // we entered `start` moving right, so its west side is outside
    const int limit = marked.width() * marked.height() * 4;
    do {
        boundary.append(current);
        int k = 0;
        for (; k < 8; ++k) {
            const int direction = (from + k) % 8;
            const QPoint next = current + around[direction];
            if (isShape(marked, next)) {
                current = next;
                from = (direction + 6) % 8; // look again from the outside corner
                break;
            }
        }
        if (k == 8)
            break; // a single pixel
    } while (current != start && boundary.size() < limit);
    return boundary;
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length = QPointF::dotProduct(ab, ab);
    const double t =
        length > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + ab * t;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// Keeps the points of [first, last] that matter more than `tolerance`.
void simplify(const QPolygon& path, int first, int last, double tolerance, QList<int>& kept)
{
    double worst = 0;
    int worstAt = -1;
    for (int i = first + 1; i < last; ++i) {
        const double d = distanceToSegment(path[i], path[first], path[last]);
        if (d > worst) {
            worst = d;
            worstAt = i;
        }
    }
    if (worstAt < 0 || worst <= tolerance)
        return;
    simplify(path, first, worstAt, tolerance, kept);
    kept.append(worstAt);
    simplify(path, worstAt, last, tolerance, kept);
}

// The closed boundary as at most `maxDots` corners, found with the smallest
// tolerance that keeps within the budget.
QPolygon toDots(const QPolygon& boundary, int maxDots)
{
    const int half = int(boundary.size() / 2);
    for (double tolerance = 1.0; tolerance < 1000; tolerance *= 1.15) {
        QList<int> kept{0};
        simplify(boundary, 0, half, tolerance, kept);
        kept.append(half);
        simplify(boundary, half, int(boundary.size()) - 1, tolerance, kept);
        if (kept.size() <= maxDots) {
            QPolygon dots;
            for (int index : kept)
                if (dots.isEmpty() || (boundary[index] - dots.last()).manhattanLength() > 0)
                    dots.append(boundary[index]);
            return dots;
        }
    }
    return {};
}

// Whitens the black stroke through `seed`, following it diagonally too, since a
// thin slanting line is joined only at its corners.
void eraseStroke(QImage& image, QPoint seed)
{
    std::vector<QPoint> stack{seed};
    image.setPixel(seed, White);
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint n = p + QPoint(dx, dy);
                if (image.rect().contains(n) && image.pixel(n) == Black) {
                    image.setPixel(n, White);
                    stack.push_back(n);
                }
            }
    }
}

// The art without the strokes that make the outer outline: every stroke that
// touches the outside goes, details inside stay.
QImage withoutOutline(const QImage& art, const QImage& marked)
{
    QImage start = art;
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) {
            if (start.pixel(x, y) != Black)
                continue;
            for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint n(x + d.x(), y + d.y());
                if (marked.rect().contains(n) && marked.pixel(n) == Outside) {
                    eraseStroke(start, QPoint(x, y));
                    break;
                }
            }
        }
    return start;
}
} // namespace

bool LineArtTracer::trace(const QImage& art, int maxDots, PictureSource& source, QString& error)
{
    if (art.isNull()) {
        error = QStringLiteral("the image cannot be read");
        return false;
    }
    if (maxDots < 3 || maxDots > 99) {
        error = QStringLiteral("the number of dots must be 3 to 99");
        return false;
    }
    const QImage clean = onDrawingArea(art);
    const QImage marked = markOutside(clean);
    const QPolygon boundary = outerBoundary(marked);
    if (boundary.size() < 8) {
        error = QStringLiteral("the image holds no drawing to trace");
        return false;
    }
    source.outline = toDots(boundary, maxDots);
    if (source.outline.size() < 3) {
        error = QStringLiteral("the drawing's outline is too small to trace");
        return false;
    }
    source.tracedFinished = clean;
    source.tracedStart = withoutOutline(clean, marked);
    return true;
}
