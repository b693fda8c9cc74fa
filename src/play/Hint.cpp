#include "Hint.h"

#include "app/DotStyle.h"
#include "app/Game.h"
#include "platform/Sleeper.h"
#include "sound/Effects.h"
#include "sound/WavePlayer.h"

namespace {
void showDotIn(Game& game, QPointF dot, QColor colour)
{
    game.PictureArea.setFillColour(colour);
    game.PictureArea.circle(dot, DotStyle::Radius, colour);
    game.PictureArea.refresh();
    game.services.sleeper.sleep(Hint::BlinkPauseMs);
}
} // namespace

void Hint::show(Game& game)
{
    const int d = game.state.NextDot;
    if (d == GameState::NoDot)
        return;
    // A colouring page has no dot to show.
    if (game.state.DotX[d] == GameState::EndMarker)
        return;
    game.PictureArea.setFillStyle(Surface::FillStyle::Solid);
    game.services.sound.start(Effects::Gameon);
    const QPointF dot(game.state.DotX[d], game.state.DotY[d]);
    for (int cycle = 0; cycle < BlinkCycles; ++cycle) {
        showDotIn(game, dot, QColor(255, 255, 255));
        showDotIn(game, dot, QColor(255, 0, 0));
    }
    game.services.sound.stop();
}

void Hint::keyPress(Game& game, const qint16& keyAscii)
{
    const int next = game.state.NextDot;
    if (keyAscii != JoinKey || next == GameState::NoDot)
        return;
    game.PictureArea_MouseUp(1, 0, float(game.state.DotX[next]), float(game.state.DotY[next]));
}
