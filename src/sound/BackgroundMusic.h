#pragma once

#include <QtGlobal>

class Game;

// The endless random music: a list of the working folder's tunes made once, and
// a new tune picked at random each time one ends.
namespace BackgroundMusic {
inline constexpr int MaxTunes = 100;

// At the end of the main window's load: list, seed, then open and play a tune.
void start(Game& game);
// The player's completion report.
void MMControl_Done(Game& game, qint16 notifyCode);
// First thing when the main window unloads: the music stops.
void close(Game& game);
} // namespace BackgroundMusic
