#pragma once

#include <QColor>

// How dots look wherever they are drawn: on the surface, in the hint and on
// the printed sheet.
namespace DotStyle {
inline constexpr int Radius = 3;
inline const QColor Red{255, 0, 0};  // unjoined dots and joining lines
inline const QColor Blue{0, 0, 255}; // numbers on the surface
inline const QColor Black{0, 0, 0};  // joined dots and outlines
} // namespace DotStyle
