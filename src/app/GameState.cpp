#include "GameState.h"

GameState::Mode GameState::mode() const
{
    if (Completed)
        return Mode::Colouring;
    return NextDot == NoDot ? Mode::NoPicture : Mode::Joining;
}

int GameState::dotCount() const
{
    for (int i = 1; i < TableSize; ++i) {
        if (DotX[i] == EndMarker)
            return i - 1;
    }
    return 0;
}
