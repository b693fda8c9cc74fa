#include "Joining.h"

#include "app/DotStyle.h"
#include "app/Game.h"
#include "app/MainView.h"
#include "sound/Effects.h"
#include "sound/WavePlayer.h"

namespace {
// The last dot is joined: the finished drawing replaces everything and the
// colour bar comes up.
void complete(Game& game)
{
    game.services.sound.start(Effects::Welldone);
    game.PictureArea.setPicture(game.finishedImage);
    game.services.view.setColourFrameVisible(true);
    game.state.Completed = true;
    game.state.NextDot = GameState::NoDot;
}

void join(Game& game, int i)
{
    const GameState& state = game.state;
    game.services.sound.start(Effects::Pop2);
    game.PictureArea.setFillColour(DotStyle::Black);
    game.PictureArea.circle(QPointF(state.DotX[i], state.DotY[i]), DotStyle::Radius,
                            DotStyle::Black);
    if (i > 1) {
        game.PictureArea.line(QPointF(state.DotX[i - 1], state.DotY[i - 1]),
                              QPointF(state.DotX[i], state.DotY[i]));
    }
    game.state.NextDot = qint16(i + 1);
}
} // namespace

bool Joining::hits(float dotX, float dotY, float x, float y)
{
    return x > dotX - HitDistance && x < dotX + HitDistance && y > dotY - HitDistance &&
           y < dotY + HitDistance;
}

void Joining::release(Game& game, float x, float y)
{
    const int i = game.state.NextDot;
    // A picture without dots is a colouring page: there is nothing to join, so
    // the first release brings up the finished drawing.
    if (game.state.DotX[i] == GameState::EndMarker) {
        complete(game);
        return;
    }
    if (!hits(game.state.DotX[i], game.state.DotY[i], x, y)) {
        game.services.sound.start(Effects::Uhoh);
        return;
    }
    join(game, i);
    if (game.state.DotX[i + 1] == GameState::EndMarker)
        complete(game);
}
