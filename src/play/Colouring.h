#pragma once

class Game;

namespace Colouring {
// A release on the finished drawing: fills the area under it with the chosen
// colour, up to the black outlines.
void release(Game& game, float x, float y);
} // namespace Colouring
