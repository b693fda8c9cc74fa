#pragma once

class Game;

namespace Joining {
// A release is judged against the next dot only: strictly less than this many
// pixels from its centre on both axes joins it.
inline constexpr float HitDistance = 5.0f;

bool hits(float dotX, float dotY, float x, float y);

// A release while dots are being joined.
void release(Game& game, float x, float y);
} // namespace Joining
