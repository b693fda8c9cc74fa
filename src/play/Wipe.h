#pragma once

#include <QColor>

class Game;
class Sleeper;
class Surface;

// The sweep across the old picture before a new one is shown: lines, or in one
// pattern shrinking frames, in one random colour and one of six patterns, each
// step put on screen and followed by a short pause.
namespace Wipe {
inline constexpr int Colours = 15;
inline constexpr int Effects = 6;
inline constexpr int StepPauseMs = 5;

// Palette entries 1 to 15; black (0) is never used.
QColor paletteColour(int number);

// Runs effect 1 to 6 in palette colour 1 to 15.
void run(Surface& surface, Sleeper& sleeper, int colourNumber, int effect);

// Draws the colour, then the effect, from the game's random generator.
void WipePictureArea(Game& game);
} // namespace Wipe
