#pragma once

#include "PictureFile.h"

#include <QImage>

// Everything a picture needs, read and checked before the game commits to it, so
// that a broken picture never disturbs the one in play.
struct LoadedPicture
{
    DotRecords dots;
    QImage startImage;
    QImage finishedImage;
};

using PictureLoadResult = std::variant<LoadedPicture, PictureError>;

namespace PictureLoader {
// Bitmaps larger than this are refused rather than decoded: no picture of the
// game comes near it, and a hostile file must not exhaust memory.
inline constexpr int MaxBitmapSide = 4096;

// `name` is a bare file name, resolved against the working folder.
PictureLoadResult load(const QString& name);
} // namespace PictureLoader
