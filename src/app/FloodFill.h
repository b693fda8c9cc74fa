#pragma once

#include <QImage>

namespace FloodFill {
// Paints `start` and every pixel reachable from it through horizontally or
// vertically adjacent pixels, none of them `border`, in `fill`. Nothing happens
// when `start` is outside the image or is itself `border`. Works on RGB32 images;
// returns the number of pixels painted.
qsizetype borderFill(QImage& image, QPoint start, QRgb fill, QRgb border);
} // namespace FloodFill
