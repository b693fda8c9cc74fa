#include "SplashArt.h"

#include "Fonts.h"

#include <QPainter>

namespace {
// The sixteen colours of the classic palette; the picture uses no others.
const QList<QRgb> Palette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

QColor colour(int index)
{
    return QColor(Palette[index]);
}

void paintLandscape(QPainter& p)
{
    p.fillRect(QRect(0, 0, 270, 225), colour(14)); // sky
    p.setPen(Qt::NoPen);
    p.setBrush(colour(11));
    p.drawEllipse(QPoint(232, 34), 20, 20); // sun
    p.setBrush(colour(10));
    p.drawEllipse(QRect(-60, 165, 220, 120)); // hills
    p.setBrush(colour(2));
    p.drawEllipse(QRect(110, 175, 240, 110));
}

// A dot-to-dot star, half joined, with its numbers.
void paintStar(QPainter& p)
{
    const QList<QPoint> star{{150, 90},  {162, 123}, {198, 125}, {170, 146}, {179, 180},
                             {150, 161}, {121, 180}, {130, 146}, {102, 125}, {138, 123}};
    p.setPen(QPen(colour(9), 2));
    for (int i = 1; i < 6; ++i)
        p.drawLine(star[i - 1], star[i]);
    QFont font = Fonts::numberFont();
    p.setFont(font);
    for (int i = 0; i < star.size(); ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i < 6 ? colour(0) : colour(9));
        p.drawEllipse(star[i], 3, 3);
        p.setPen(colour(12));
        const QPoint away = (star[i] - QPoint(150, 140)) / 4;
        p.drawText(star[i] + away + QPoint(-3, 4), QString::number(i + 1));
    }
}

void paintTitle(QPainter& p)
{
    QFont font = Fonts::numberFont();
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    const QRect band(0, 14, 270, 50);
    p.setPen(colour(4));
    p.drawText(band.translated(2, 2), Qt::AlignCenter, QStringLiteral("Kelvaro"));
    p.setPen(colour(13));
    p.drawText(band, Qt::AlignCenter, QStringLiteral("Kelvaro"));
}
} // namespace

QImage SplashArt::paint()
{
    QImage image(Size, QImage::Format_RGB32);
    QPainter painter(&image);
    paintLandscape(painter);
    paintStar(painter);
    paintTitle(painter);
    painter.end();
    // Aliased shapes and text keep to the palette; the conversion makes that a
    // guarantee.
    return image.convertToFormat(QImage::Format_Indexed8, Palette,
                                 Qt::ThresholdDither | Qt::AvoidDither);
}
