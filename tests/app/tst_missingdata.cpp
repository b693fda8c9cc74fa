// The game with its data missing or broken, on the real sound and music players
// (SDL's silent driver, FluidSynth rendering into it): it starts, plays what it
// can and closes, and never crashes or waits.

#include "Fakes.h"
#include "PictureFolder.h"
#include "WaveFile.h"
#include "app/ColourFrame.h"
#include "app/Main.h"
#include "pictures/LoadFile.h"
#include "platform/EventThreadHold.h"
#include "platform/FluidSynthMusic.h"
#include "platform/SdlWavePlayer.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
struct RealSound
{
    EventThreadHold hold;
    SdlWavePlayer sound{[this](const std::function<bool()>& done, std::chrono::milliseconds limit) {
        hold.holdUntil(done, limit);
    }};
    FluidSynthMusic music{FluidSynthMusic::Output::Hosted, 44100};
    RecordingSleeper sleeper;
    FakeRegistry registry;
    RecordingShell shell;

    RealSound()
    {
        sound.hostMusic([this](qint16* stereo, int frames) { music.render(stereo, frames); });
    }
    ~RealSound() { sound.hostMusic({}); }
};

} // namespace

class TestMissingData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { qputenv("SDL_AUDIODRIVER", "dummy"); }

    void anEmptyFolderStillPlays()
    {
        PictureFolder folder;
        RealSound platform;
        QVERIFY(platform.music.waitUntilReady());
        Main window({platform.sound, platform.hold, platform.music, platform.sleeper,
                     platform.registry, platform.shell});
        QCOMPARE(window.game().state.MusicCount, qint16(0));
        QVERIFY(!platform.music.isPlaying());
        window.game().PictureArea_MouseUp(1, 0, 10, 10);
        window.game().HelpCommand_Click();
        window.close();
    }

    void brokenSoundsAndMusicAreSilence()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("tune.mid"), "MThd but nothing after");
        for (const char* name : {"Pop2.wav", "Uhoh.wav", "Gameover.wav", "Boing.wav"})
            folder.write(QString::fromLatin1(name), "RIFF????WAVEbroken");
        folder.writePicture(QStringLiteral("p"), "100,100,110,90\n");
        RealSound platform;
        QVERIFY(platform.music.waitUntilReady());
        Main window({platform.sound, platform.hold, platform.music, platform.sleeper,
                     platform.registry, platform.shell});
        window.show();
        QCOMPARE(window.game().state.MusicCount, qint16(1));
        // The broken tune ends at once, without a report that would chain another.
        QTRY_VERIFY(!platform.music.isPlaying());
        QTimer::singleShot(0, &window, [&window] {
            window.loadFile()->files()->setCurrentRow(0);
            window.loadFile()->okButton()->click();
        });
        window.game().OpenCommand_Click();
        window.game().PictureArea_MouseUp(1, 0, 50, 50);   // a miss
        window.game().PictureArea_MouseUp(1, 0, 100, 100); // the last dot
        QCOMPARE(window.game().state.mode(), GameState::Mode::Colouring);
        QVERIFY(!platform.sound.isSounding());
        window.close();
        QVERIFY(!window.isVisible());
    }

    void aWorkingFolderThatVanishedIsAnEmptyOne()
    {
        const QString before = QDir::currentPath();
        auto gone = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(gone->path());
        gone.reset();
        RealSound platform;
        Main window({platform.sound, platform.hold, platform.music, platform.sleeper,
                     platform.registry, platform.shell});
        QCOMPARE(window.game().state.MusicCount, qint16(0));
        QTimer::singleShot(0, &window, [&window] {
            QCOMPARE(window.loadFile()->files()->count(), 0);
            window.loadFile()->okButton()->click();
        });
        window.game().OpenCommand_Click();
        QCOMPARE(window.game().state.mode(), GameState::Mode::NoPicture);
        window.close();
        QDir::setCurrent(before);
    }
};

QTEST_MAIN(TestMissingData)
#include "tst_missingdata.moc"
