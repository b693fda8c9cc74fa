#include "Colouring.h"

#include "app/Game.h"
#include "app/MainView.h"
#include "sound/Effects.h"
#include "sound/WavePlayer.h"

#include <algorithm>
#include <cmath>

void Colouring::release(Game& game, float x, float y)
{
    game.services.sound.start(Effects::Pop4);
    game.PictureArea.setFillColour(game.services.view.selectedColour());
    // Rounded, not truncated: a release at 10.6 colours pixel 11. Positions far off
    // the surface (a drag) stay outside it after the conversion.
    const auto toPixel = [](float v) {
        return int(std::clamp(std::nearbyint(v), -1.0e6f, 1.0e6f));
    };
    game.PictureArea.floodFill(QPoint(toPixel(x), toPixel(y)), QColor(0, 0, 0));
    game.PictureArea.refresh();
}
