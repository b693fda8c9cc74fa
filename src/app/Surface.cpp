#include "Surface.h"

#include "FloodFill.h"
#include "Fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {
// Room for the pen on either side of a shape's geometric outline.
constexpr int PenMargin = 2;

QRect around(QRectF shape)
{
    return shape.toAlignedRect().adjusted(-PenMargin, -PenMargin, PenMargin, PenMargin);
}
} // namespace

Surface::Surface(QSize size) : m_image(size, QImage::Format_RGB32)
{
    m_image.fill(Background);
}

void Surface::setPicture(const QImage& bitmap)
{
    m_picture = bitmap;
    m_image.fill(Background);
    QPainter painter(&m_image);
    painter.drawImage(QPoint(0, 0), bitmap);
    Q_EMIT changed(m_image.rect());
}

void Surface::beginPainting(QPainter& painter)
{
    painter.begin(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(m_drawingColour, 1));
}

void Surface::setBrushForFillStyle(QPainter& painter) const
{
    if (m_fillStyle == FillStyle::Solid)
        painter.setBrush(m_fillColour);
    else
        painter.setBrush(Qt::NoBrush);
}

void Surface::circle(QPointF centre, qreal radius, QColor outline)
{
    QPainter painter;
    beginPainting(painter);
    painter.setPen(QPen(outline, 1));
    setBrushForFillStyle(painter);
    painter.drawEllipse(centre, radius, radius);
    Q_EMIT changed(
        around(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius))));
}

void Surface::line(QPointF from, QPointF to)
{
    QPainter painter;
    beginPainting(painter);
    painter.drawLine(from, to);
    // A slanting line's box is mostly untouched: report it in short pieces, so
    // that a refresh puts little more than the line itself on screen.
    const QPointF span = to - from;
    const int pieces = qBound(1, int(std::min(std::abs(span.x()), std::abs(span.y())) / 32), 8);
    for (int piece = 0; piece < pieces; ++piece) {
        const QPointF start = from + span * (double(piece) / pieces);
        const QPointF end = from + span * (double(piece + 1) / pieces);
        Q_EMIT changed(around(QRectF(start, end).normalized()));
    }
}

void Surface::rectangle(QPointF corner, QPointF oppositeCorner)
{
    QPainter painter;
    beginPainting(painter);
    setBrushForFillStyle(painter);
    const QRectF shape = QRectF(corner, oppositeCorner).normalized();
    painter.drawRect(shape);
    if (m_fillStyle == FillStyle::Solid) {
        Q_EMIT changed(around(shape));
        return;
    }
    // Only the outline changed: report its four sides, not the whole box, so a
    // refresh puts just them on screen.
    const QPointF corners[] = {shape.topLeft(), shape.topRight(), shape.bottomRight(),
                               shape.bottomLeft()};
    for (int side = 0; side < 4; ++side)
        Q_EMIT changed(around(QRectF(corners[side], corners[(side + 1) % 4]).normalized()));
}

void Surface::printText(const QString& text)
{
    QPainter painter;
    beginPainting(painter);
    const QFont font = Fonts::numberFont();
    painter.setFont(font);
    const QRect box(m_textPosition, QFontMetrics(font).size(Qt::TextSingleLine, text));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    Q_EMIT changed(box.adjusted(-PenMargin, -PenMargin, PenMargin, PenMargin));
}

void Surface::floodFill(QPoint point, QColor border)
{
    if (FloodFill::borderFill(m_image, point, m_fillColour.rgb(), border.rgb()) > 0)
        Q_EMIT changed(m_image.rect());
}

void Surface::refresh()
{
    Q_EMIT refreshRequested();
}
