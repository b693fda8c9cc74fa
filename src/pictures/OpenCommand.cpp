#include "OpenCommand.h"

#include "PictureChooser.h"
#include "PictureLoader.h"
#include "app/DotStyle.h"
#include "app/Game.h"
#include "app/MainView.h"
#include "app/Version.h"
#include "platform/WindowSystem.h"
#include "play/Wipe.h"
#include "sound/Effects.h"
#include "sound/WavePlayer.h"

namespace {
// Checking happens under the busy pointer, but a refusal must leave the pointer
// and everything else as they were.
std::optional<LoadedPicture> loadOrExplain(Game& game, const QString& name)
{
    game.services.windowSystem.setBusyPointer(true);
    PictureLoadResult result = PictureLoader::load(name);
    if (auto* error = std::get_if<PictureError>(&result)) {
        game.services.windowSystem.setBusyPointer(false);
        game.services.windowSystem.showMessage(Version::title(), PictureFile::describe(*error));
        return std::nullopt;
    }
    return std::get<LoadedPicture>(std::move(result));
}
} // namespace

void OpenCommand::drawDots(Surface& surface, const GameState& state)
{
    surface.setDrawingColour(DotStyle::Blue);
    surface.setFillColour(DotStyle::Red);
    surface.setFillStyle(Surface::FillStyle::Solid);
    const int n = state.dotCount();
    for (int k = 1; k <= n; ++k) {
        surface.circle(QPointF(state.DotX[k], state.DotY[k]), DotStyle::Radius, DotStyle::Red);
        surface.setTextPosition(QPoint(state.NumberX[k], state.NumberY[k]));
        surface.printText(QStringLiteral(" %1 ").arg(k));
    }
}

void OpenCommand::run(Game& game)
{
    game.services.sound.start(Effects::Boing);
    const std::optional<QString> chosen = game.services.chooser.choose();
    if (!chosen)
        return;
    std::optional<LoadedPicture> picture = loadOrExplain(game, *chosen);
    if (!picture)
        return;

    game.globals.SelectedPicture = *chosen;
    Wipe::WipePictureArea(game);
    PictureFile::storeInto(game.state, picture->dots);
    game.PictureArea.setPicture(picture->startImage);
    game.finishedImage = picture->finishedImage;
    drawDots(game.PictureArea, game.state);
    game.state.Completed = false;
    game.state.NextDot = 1;
    game.services.view.setColourFrameVisible(false);
    game.PictureArea.setDrawingColour(DotStyle::Red);
    game.services.windowSystem.setBusyPointer(false);
}
