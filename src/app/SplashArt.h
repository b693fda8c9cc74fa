#pragma once

#include <QImage>

// The start-up window's picture: 270 x 225 pixels in 16 colours, painted by code.
namespace SplashArt {
inline constexpr QSize Size{270, 225};
QImage paint();
} // namespace SplashArt
