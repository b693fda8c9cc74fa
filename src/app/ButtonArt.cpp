#include "ButtonArt.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>

using ButtonArt::Picture;

namespace {
const QColor Ink(0, 0, 0);
const QColor Paper(255, 255, 255);
const QColor DotRed(255, 0, 0);

// A sheet with a dotted zig-zag: the picture being opened.
void paintOpen(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawPolygon(QPolygon({{1, 1}, {15, 1}, {21, 7}, {21, 29}, {1, 29}}));
    p.drawPolyline(QPolygon({{15, 1}, {15, 7}, {21, 7}}));
    p.setPen(DotRed);
    p.setBrush(DotRed);
    for (QPoint dot :
         {QPoint(5, 23), QPoint(8, 12), QPoint(12, 20), QPoint(16, 11), QPoint(17, 24)})
        p.drawEllipse(dot, 1, 1);
}

// A light bulb: an idea of where to go next.
void paintHelp(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(QColor(255, 230, 0));
    p.drawEllipse(QRect(1, 1, 18, 18));
    p.drawRect(QRect(6, 19, 8, 4));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRect(6, 23, 8, 6));
    p.drawLine(6, 26, 14, 26);
    p.setPen(QColor(255, 255, 200));
    p.drawArc(QRect(4, 4, 8, 8), 90 * 16, 90 * 16);
}

void paintPrint(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawRect(QRect(8, 1, 15, 10));
    p.setBrush(QColor(90, 110, 160));
    p.drawRect(QRect(1, 9, 29, 11));
    p.setBrush(Paper);
    p.drawRect(QRect(7, 16, 17, 9));
    p.setPen(DotRed);
    p.drawPoint(11, 20);
    p.drawPoint(15, 22);
    p.drawPoint(19, 19);
    p.setPen(QColor(0, 200, 0));
    p.drawPoint(26, 12);
}

void paintInfo(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(QColor(30, 110, 230));
    p.drawEllipse(QRect(1, 1, 32, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(Paper);
    p.drawEllipse(QRect(15, 7, 5, 5));
    p.drawRect(QRect(15, 14, 5, 13));
    p.drawRect(QRect(12, 14, 4, 3));
    p.drawRect(QRect(12, 25, 11, 3));
}

void paintStop(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(QColor(220, 30, 30));
    p.drawPolygon(
        QPolygon({{11, 1}, {23, 1}, {33, 11}, {33, 23}, {23, 33}, {11, 33}, {1, 23}, {1, 11}}));
    p.setPen(QPen(Paper, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(11, 11, 23, 23);
    p.drawLine(23, 11, 11, 23);
}

QImage onMagenta(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ButtonArt::Transparent);
    return image;
}
} // namespace

QSize ButtonArt::size(Picture picture)
{
    switch (picture) {
    case Picture::Open:
        return {23, 31};
    case Picture::Help:
        return {21, 32};
    case Picture::Print:
        return {32, 26};
    case Picture::Info:
    case Picture::Stop:
        return {35, 35};
    }
    return {};
}

QImage ButtonArt::paint(Picture picture)
{
    QImage image = onMagenta(size(picture));
    QPainter painter(&image);
    // Aliased, so that no blend of magenta survives at the edges.
    painter.setRenderHint(QPainter::Antialiasing, false);
    switch (picture) {
    case Picture::Open:
        paintOpen(painter);
        break;
    case Picture::Help:
        paintHelp(painter);
        break;
    case Picture::Print:
        paintPrint(painter);
        break;
    case Picture::Info:
        paintInfo(painter);
        break;
    case Picture::Stop:
        paintStop(painter);
        break;
    }
    return image;
}

QIcon ButtonArt::icon(Picture picture)
{
    const QImage image = paint(picture);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(Transparent, Qt::MaskInColor)));
    return QIcon(pixmap);
}

QImage ButtonArt::paintWindowIcon(int side)
{
    // The same drawing as content/icons/org.kelvaro.Kelvaro.svg, on a 64-unit grid.
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 64.0, side / 64.0);
    p.setPen(QPen(Ink, 2));
    p.setBrush(Paper);
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 6, 6);
    const QPolygonF star({{32, 10},
                          {38, 26},
                          {54, 26},
                          {41, 36},
                          {46, 53},
                          {32, 43},
                          {18, 53},
                          {23, 36},
                          {10, 26},
                          {26, 26}});
    p.setPen(QPen(DotRed, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(star.mid(0, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));
    for (const QPointF& point : star)
        p.drawEllipse(point, 3, 3);
    return image;
}

QIcon ButtonArt::windowIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(paintWindowIcon(side)));
    return icon;
}
