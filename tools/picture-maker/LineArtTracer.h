#pragma once

#include "PictureSource.h"

#include <QImage>
#include <QString>

// Turns black-on-white line art into a picture source: the drawing's outer
// outline becomes the dots, and what lies inside stays as details.
namespace LineArtTracer {
// Traces `art` (any size; scaled down to the drawing area if larger) into at
// most `maxDots` dots, in drawing order, clockwise from the top. Returns false
// and says why in `error` when there is no closed drawing to trace.
bool trace(const QImage& art, int maxDots, PictureSource& source, QString& error);
} // namespace LineArtTracer
