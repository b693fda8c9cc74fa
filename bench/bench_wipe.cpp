// Wipe pacing on a real display: each effect's wall time against its ideal of
// steps x 5 ms. Run under X (bench/report.sh starts an Xvfb).

#include "SilentServices.h"
#include "app/Main.h"
#include "platform/DisplayTuning.h"
#include "platform/EventThreadHold.h"
#include "platform/PathRegistry.h"
#include "platform/QtSystemShell.h"
#include "play/Wipe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>

namespace {
// Counts the steps and the time spent sleeping, while sleeping for real.
struct CountingSleeper : Sleeper
{
    EventThreadHold& hold;
    int steps = 0;
    qint64 sleptNs = 0;
    explicit CountingSleeper(EventThreadHold& h) : hold(h) {}
    void sleep(int milliseconds) override
    {
        ++steps;
        QElapsedTimer clock;
        clock.start();
        hold.sleep(milliseconds);
        sleptNs += clock.nsecsElapsed();
    }
};
} // namespace

int main(int argc, char** argv)
{
    DisplayTuning::forSmallFrequentRepaints();
    QApplication app(argc, argv);
    Silence sound;
    Quiet music;
    EventThreadHold hold;
    PathRegistry registry;
    QtSystemShell shell;
    Main window({sound, hold, music, hold, registry, shell});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    std::printf("%-8s %6s %10s %10s %10s %7s\n", "effect", "steps", "ideal ms", "wall ms",
                "asleep ms", "ratio");
    double worst = 0;
    for (int effect = 1; effect <= Wipe::Effects; ++effect) {
        CountingSleeper sleeper(hold);
        QElapsedTimer clock;
        clock.start();
        Wipe::run(window.game().PictureArea, sleeper, 1 + effect, effect);
        const double wall = double(clock.nsecsElapsed()) / 1e6;
        const double ideal = sleeper.steps * double(Wipe::StepPauseMs);
        worst = std::max(worst, wall / ideal);
        std::printf("%-8d %6d %10.0f %10.0f %10.0f %7.3f\n", effect, sleeper.steps, ideal, wall,
                    double(sleeper.sleptNs) / 1e6, wall / ideal);
        QApplication::processEvents();
    }
    std::printf("worst ratio %.3f (goal at most 1.10)\n", worst);
    return 0;
}
