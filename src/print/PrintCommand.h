#pragma once

class Game;
class QImage;
class QPainter;
struct GameState;

namespace PrintCommand {
// The page is this many units wide and high, whatever the paper: one unit is a
// surface pixel when the printable area is about 8 by 10.7 inches.
inline constexpr int PageWidth = 765;
inline constexpr int PageHeight = 1025;

// "Print Current Picture": a dot-to-dot sheet of the picture in play, one print
// job for every copy asked for. Ends quietly on Cancel or any failure.
void run(Game& game);

// One sheet: the picture at its natural size, every dot as a red disc and its
// number in black, in page units.
void drawSheet(QPainter& painter, const QImage& picture, const GameState& state);
} // namespace PrintCommand
