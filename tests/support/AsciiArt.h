#pragma once

#include <QImage>
#include <QStringList>

// Pixel fixtures drawn as text, one character a pixel:
// '#' black, '.' white, 'r' red, 'b' blue, 'n' near-black RGB(1,1,1).
namespace AsciiArt {
inline QRgb colourOf(QChar c)
{
    switch (c.toLatin1()) {
    case '#':
        return qRgb(0, 0, 0);
    case 'r':
        return qRgb(255, 0, 0);
    case 'b':
        return qRgb(0, 0, 255);
    case 'n':
        return qRgb(1, 1, 1);
    default:
        return qRgb(255, 255, 255);
    }
}

inline QChar charOf(QRgb colour)
{
    for (char c : {'#', 'r', 'b', 'n', '.'})
        if (colourOf(QLatin1Char(c)) == colour)
            return QLatin1Char(c);
    return QLatin1Char('?');
}

inline QImage image(const QStringList& rows)
{
    QImage result(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            result.setPixel(x, y, colourOf(rows[y][x]));
    return result;
}

inline QStringList rows(const QImage& image)
{
    QStringList result;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += charOf(image.pixel(x, y));
        result.append(row);
    }
    return result;
}
} // namespace AsciiArt
