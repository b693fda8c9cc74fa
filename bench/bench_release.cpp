// One release on the real main window, offscreen: the handler and the repaint
// that puts its result on screen, for a joining click and a colouring click.

#include "SilentServices.h"
#include "app/Game.h"
#include "app/Main.h"
#include "app/PictureAreaWidget.h"
#include "platform/EventThreadHold.h"
#include "platform/PathRegistry.h"
#include "platform/QtSystemShell.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {
struct Fixture
{
    Silence sound;
    EventThreadHold hold;
    Quiet music;
    PathRegistry registry;
    QtSystemShell shell;
    Main window{{sound, hold, music, hold, registry, shell}};

    Fixture()
    {
        window.show();
        GameState& state = window.game().state;
        // Two dots far apart, as in a real picture, and a finished image with a
        // large open area to colour.
        state.DotX[1] = 40;
        state.DotY[1] = 40;
        state.DotX[2] = 440;
        state.DotY[2] = 300;
        state.DotX[3] = 200;
        state.DotY[3] = 200;
        state.DotX[4] = GameState::EndMarker;
        QImage finished(485, 341, QImage::Format_RGB32);
        finished.fill(Qt::white);
        window.game().finishedImage = finished;
        window.game().PictureArea.setPicture(finished);
    }

    void release(float x, float y)
    {
        window.game().PictureArea_MouseUp(1, 0, x, y);
        window.pictureArea()->repaint();
    }
};

Fixture* fixture = nullptr;

void JoiningRelease(benchmark::State& state)
{
    GameState& game = fixture->window.game().state;
    for (auto _ : state) {
        game.Completed = false;
        game.NextDot = 2;
        fixture->release(440, 300);
    }
}

void ColouringRelease(benchmark::State& state)
{
    GameState& game = fixture->window.game().state;
    game.Completed = true;
    game.NextDot = GameState::NoDot;
    for (auto _ : state)
        fixture->release(100, 100);
}
} // namespace

BENCHMARK(JoiningRelease)->Unit(benchmark::kMicrosecond);
BENCHMARK(ColouringRelease)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fixture window;
    fixture = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
