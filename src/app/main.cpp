#include "Main.h"
#include "Splash.h"
#include "app/Version.h"
#include "platform/DisplayTuning.h"
#include "platform/EventThreadHold.h"
#include "platform/FluidSynthMusic.h"
#include "platform/PathRegistry.h"
#include "platform/QtSystemShell.h"
#include "platform/SdlWavePlayer.h"
#include "sound/Effects.h"

#include <QApplication>
#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <memory>

namespace {
void returnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
} // namespace

int main(int argc, char* argv[])
{
    DisplayTuning::forSmallFrequentRepaints();
    QApplication app(argc, argv);
    QApplication::setApplicationName(Version::title());
    QApplication::setApplicationVersion(Version::number());
    QApplication::setDesktopFileName(QStringLiteral("org.kelvaro.Kelvaro"));

    EventThreadHold hold;
    SdlWavePlayer sound([&hold](const std::function<bool()>& done,
                                std::chrono::milliseconds limit) { hold.holdUntil(done, limit); });
    // The music plays in the effects' stream; with no audio device, neither plays.
    FluidSynthMusic music(sound.hasDevice() ? FluidSynthMusic::Output::Hosted
                                            : FluidSynthMusic::Output::None,
                          sound.sampleRate());
    sound.hostMusic([&music](qint16* stereo, int frames) { music.render(stereo, frames); });
    // The audio thread must stop asking for music before the player goes.
    const std::unique_ptr<SdlWavePlayer, void (*)(SdlWavePlayer*)> unhook(
        &sound, [](SdlWavePlayer* player) { player->hostMusic({}); });
    PathRegistry registry;
    QtSystemShell shell;

    // The start-up window may move to the development folder, so the effects
    // are decoded only once it has loaded.
    std::unique_ptr<Main> window;
    auto* splash = new Splash(sound);
    sound.preload(Effects::all());
    QObject::connect(splash, &Splash::play, [&] {
        window = std::make_unique<Main>(Main::Services{sound, hold, music, hold, registry, shell});
        window->show();
    });
    // Starting leaves megabytes freed but held by the allocator: the start-up
    // window and its artwork, font loading, decoding. Once that window has
    // gone they go back to the system.
    QObject::connect(splash, &QObject::destroyed,
                     [] { QTimer::singleShot(0, [] { returnFreedMemory(); }); });
    splash->show();
    return app.exec();
}
