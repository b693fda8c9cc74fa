#include "PictureLayout.h"

#include "app/FloodFill.h"
#include "app/Fonts.h"
#include "app/Surface.h"

#include <QFontMetrics>

#include <cmath>

namespace {
constexpr int DotReach = 4;  // a dot's disc and one pixel around it
constexpr int Clearance = 1; // free pixels kept around a number's digits
const QRgb Black = qRgb(0, 0, 0);

struct Planner
{
    const PictureSource& source;
    QImage start;
    QFont font;
    QFontMetrics metrics;
    QList<QRect> placed;

    // The box of the digits of " k " drawn with its top-left at `at`.
    QRect digitsAt(QPoint at, int k) const
    {
        const QString digits = QString::number(k);
        const QRect tight = metrics.tightBoundingRect(digits);
        return tight.translated(
            at + QPoint(metrics.horizontalAdvance(QLatin1Char(' ')), metrics.ascent()));
    }

    bool touchesLine(const QRect& box, QPoint from, QPoint to) const
    {
        const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
        for (int s = 0; s <= steps; ++s) {
            const QPointF p =
                QPointF(from) + (QPointF(to - from) * (steps ? double(s) / steps : 0.0));
            if (box.contains(p.toPoint()))
                return true;
        }
        return false;
    }

    bool isClear(const QRect& digits) const
    {
        const QRect box = digits.adjusted(-Clearance, -Clearance, Clearance, Clearance);
        if (!QRect(0, 0, Surface::Width, Surface::Height).contains(box))
            return false;
        const QPolygon& dots = source.outline;
        for (int i = 0; i < dots.size(); ++i) {
            if (box.intersects(QRect(dots[i] - QPoint(DotReach, DotReach),
                                     QSize(2 * DotReach + 1, 2 * DotReach + 1))))
                return false;
            if (i > 0 && touchesLine(box, dots[i - 1], dots[i]))
                return false;
        }
        for (const QRect& other : placed)
            if (box.intersects(other))
                return false;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (start.pixel(x, y) == Black)
                    return false;
        return true;
    }

    // Tries places around the dot, facing away from the picture's middle first.
    std::optional<QPoint> place(int k, QPointF middle)
    {
        const QPoint dot = source.outline[k - 1];
        const QPointF away = QPointF(dot) - middle;
        const double facing = std::atan2(away.y(), away.x());
        const QSize size = digitsAt({0, 0}, k).size();
        for (int distance : {9, 12, 16, 21, 27}) {
            for (int turn : {0, 1, -1, 2, -2, 3, -3, 4, -4, 5, -5, 6, -6, 7, -7, 8, -8, 9}) {
                const double angle = facing + turn * M_PI / 9;
                const double reach = distance + std::hypot(size.width(), size.height()) / 2;
                const QPoint centre = dot + QPoint(int(std::lround(reach * std::cos(angle))),
                                                   int(std::lround(reach * std::sin(angle))));
                const QRect wanted(centre - QPoint(size.width() / 2, size.height() / 2), size);
                const QPoint at = wanted.topLeft() - digitsAt({0, 0}, k).topLeft();
                if (isClear(digitsAt(at, k))) {
                    placed.append(
                        digitsAt(at, k).adjusted(-Clearance, -Clearance, Clearance, Clearance));
                    return at;
                }
            }
        }
        return std::nullopt;
    }
};

QString pointText(QPoint p)
{
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

QStringList openAreas(const PictureSource& source)
{
    QStringList problems;
    const QImage finished = source.finishedImage();
    for (const QPoint& area : source.areas) {
        QImage filled = finished;
        const QRgb mark = qRgb(1, 2, 3);
        if (!filled.rect().contains(area) || filled.pixel(area) == Black) {
            problems.append(
                QStringLiteral("the area point %1 is not inside an area").arg(pointText(area)));
            continue;
        }
        FloodFill::borderFill(filled, area, mark, Black);
        bool open = false;
        for (int x = 0; x < filled.width() && !open; ++x)
            open = filled.pixel(x, 0) == mark || filled.pixel(x, filled.height() - 1) == mark;
        for (int y = 0; y < filled.height() && !open; ++y)
            open = filled.pixel(0, y) == mark || filled.pixel(filled.width() - 1, y) == mark;
        if (open)
            problems.append(
                QStringLiteral("the area around %1 is not closed in black").arg(pointText(area)));
    }
    return problems;
}
} // namespace

PictureLayout PictureLayout::plan(const PictureSource& source)
{
    PictureLayout layout;
    Planner planner{
        source, source.startImage(), Fonts::numberFont(), QFontMetrics(Fonts::numberFont()), {}};
    const QPointF middle = QPolygonF(source.outline).boundingRect().center();
    for (int k = 1; k <= source.outline.size(); ++k) {
        const std::optional<QPoint> at = planner.place(k, middle);
        if (!at)
            layout.problems.append(QStringLiteral("there is no room for the number of dot %1 at %2")
                                       .arg(k)
                                       .arg(pointText(source.outline[k - 1])));
        layout.numberPositions.append(at.value_or(source.outline[k - 1]));
    }
    layout.problems += openAreas(source);
    return layout;
}
