#pragma once

#include <QIcon>
#include <QImage>

// The pictures of the main window's buttons and the window icon, painted by code.
// Button pictures are painted on magenta, the colour that shows as transparent.
namespace ButtonArt {
inline constexpr QRgb Transparent = qRgb(255, 0, 255);

enum class Picture
{
    Open,
    Help,
    Print,
    Info,
    Stop
};

QSize size(Picture picture);
// The picture as painted, magenta background included.
QImage paint(Picture picture);
// The picture with its magenta turned transparent, ready for a button.
QIcon icon(Picture picture);
QIcon windowIcon();
// The window icon at `side` x `side` pixels.
QImage paintWindowIcon(int side);
} // namespace ButtonArt
