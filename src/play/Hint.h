#pragma once

#include <QtGlobal>

class Game;

namespace Hint {
inline constexpr int BlinkCycles = 10;
inline constexpr int BlinkPauseMs = 100;
inline constexpr qint16 JoinKey = 97; // "a"; "A" does nothing

// "Show Next Dot": the next dot blinks white and red for two seconds.
void show(Game& game);
// A character typed on the surface: "a" joins the next dot.
void keyPress(Game& game, const qint16& keyAscii);
} // namespace Hint
