#include "Main.h"
#include "app/Version.h"
#include "platform/DisplayTuning.h"
#include "platform/EventThreadHold.h"
#include "platform/FluidSynthMusic.h"
#include "platform/SdlWavePlayer.h"
#include "sound/Effects.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    DisplayTuning::forSmallFrequentRepaints();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Version::ApplicationTitle));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(Version::Major).arg(Version::Minor).arg(Version::Revision));
    QApplication::setDesktopFileName(QStringLiteral("org.kelvaro.Kelvaro"));

    EventThreadHold hold;
    SdlWavePlayer sound([&hold](const std::function<bool()>& done,
                                std::chrono::milliseconds limit) { hold.holdUntil(done, limit); });
    sound.preload(Effects::all());

    // The music plays in the effects' stream; with no audio device, neither plays.
    FluidSynthMusic music(sound.hasDevice() ? FluidSynthMusic::Output::Hosted
                                            : FluidSynthMusic::Output::None,
                          sound.sampleRate());
    sound.hostMusic([&music](qint16* stereo, int frames) { music.render(stereo, frames); });

    Main window({sound, hold, music, hold});
    window.show();
    return app.exec();
}
