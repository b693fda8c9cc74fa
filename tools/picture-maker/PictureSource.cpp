#include "PictureSource.h"

#include "app/Surface.h"

#include <QPainter>
#include <QRegularExpression>

namespace {
bool parsePoints(const QStringList& fields, QPolygon& points)
{
    for (const QString& field : fields) {
        const QStringList xy = field.split(QLatin1Char(','));
        bool okX = false;
        bool okY = false;
        if (xy.size() != 2)
            return false;
        points.append(QPoint(xy[0].toInt(&okX), xy[1].toInt(&okY)));
        if (!okX || !okY)
            return false;
    }
    return !points.isEmpty();
}

bool parseCircle(const QStringList& fields, QPair<QPoint, int>& circle)
{
    const QStringList values = fields.value(0).split(QLatin1Char(','));
    bool ok[3] = {false, false, false};
    if (fields.size() != 1 || values.size() != 3)
        return false;
    circle = {QPoint(values[0].toInt(&ok[0]), values[1].toInt(&ok[1])), values[2].toInt(&ok[2])};
    return ok[0] && ok[1] && ok[2];
}

QImage blankImage()
{
    QImage image(Surface::Width, Surface::Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

bool PictureSource::parse(const QString& text, QString& error)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        QStringList fields = line.split(blanks);
        const QString keyword = fields.takeFirst();
        bool ok = false;
        QPolygon points;
        QPair<QPoint, int> circle;
        if (keyword == QLatin1String("outline"))
            ok = outline.isEmpty() && parsePoints(fields, outline);
        else if (keyword == QLatin1String("detail") && (ok = parsePoints(fields, points)))
            details.append(points);
        else if (keyword == QLatin1String("closed") && (ok = parsePoints(fields, points)))
            closedDetails.append(points);
        else if (keyword == QLatin1String("circle") && (ok = parseCircle(fields, circle)))
            circles.append(circle);
        else if (keyword == QLatin1String("area"))
            ok = parsePoints(fields, areas);
        if (!ok) {
            error = QStringLiteral("line %1: cannot understand \"%2\"").arg(i + 1).arg(line);
            return false;
        }
    }
    if (outline.size() > 99) {
        error = QStringLiteral("the outline has %1 points; a picture holds at most 99 dots")
                    .arg(outline.size());
        return false;
    }
    return true;
}

QImage PictureSource::startImage() const
{
    QImage image = tracedStart.isNull() ? blankImage() : tracedStart;
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    for (const QPolygon& detail : details)
        painter.drawPolyline(detail);
    for (const QPolygon& detail : closedDetails)
        painter.drawPolygon(detail);
    for (const auto& [centre, radius] : circles)
        painter.drawEllipse(centre, radius, radius);
    return image;
}

QImage PictureSource::finishedImage() const
{
    if (!tracedFinished.isNull())
        return tracedFinished;
    QImage image = startImage();
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPolygon(outline);
    return image;
}

QByteArray PictureSource::description(const QList<QPoint>& numbers) const
{
    QByteArray text;
    for (int k = 1; k <= outline.size(); ++k) {
        const QPoint dot = outline[k - 1];
        const QPoint number = numbers.value(k - 1, dot);
        text += QStringLiteral("%1,%2,%3,%4\r\n")
                    .arg(dot.x())
                    .arg(dot.y())
                    .arg(number.x())
                    .arg(number.y())
                    .toLatin1();
    }
    return text;
}
