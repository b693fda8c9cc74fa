#pragma once

class Game;
struct LoadedPicture;
class Surface;
struct GameState;

namespace OpenCommand {
// "Open New Picture": choose, check, then show the new picture with its dots.
void run(Game& game);

// Draws every dot of the table as a red disc numbered in blue, leaving the
// surface ready for joining: red lines, red solid fill.
void drawDots(Surface& surface, const GameState& state);
} // namespace OpenCommand
