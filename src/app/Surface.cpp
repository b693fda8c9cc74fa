#include "Surface.h"

#include "FloodFill.h"
#include "Fonts.h"

#include <QFontMetrics>
#include <QPainter>

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
    Q_EMIT changed(around(QRectF(from, to).normalized()));
}

void Surface::rectangle(QPointF corner, QPointF oppositeCorner)
{
    QPainter painter;
    beginPainting(painter);
    setBrushForFillStyle(painter);
    const QRectF shape = QRectF(corner, oppositeCorner).normalized();
    painter.drawRect(shape);
    Q_EMIT changed(around(shape));
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
