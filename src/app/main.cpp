#include "Main.h"
#include "app/Version.h"
#include "platform/EventThreadHold.h"
#include "platform/FluidSynthMusic.h"
#include "platform/SdlWavePlayer.h"
#include "sound/Effects.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Version::ApplicationTitle));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(Version::Major).arg(Version::Minor).arg(Version::Revision));
    QApplication::setDesktopFileName(QStringLiteral("org.kelvaro.Kelvaro"));

    EventThreadHold hold;
    SdlWavePlayer sound([&hold](const std::function<bool()>& done,
                                std::chrono::milliseconds limit) { hold.holdUntil(done, limit); });
    sound.preload(Effects::all());

    FluidSynthMusic music;

    Main window({sound, hold, music, hold});
    window.show();
    return app.exec();
}
