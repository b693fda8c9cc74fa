// The real wave player on SDL's silent "dummy" driver, which plays in real time
// without a sound card, and on a machine with no audio at all.

#include "PictureFolder.h"
#include "WaveFile.h"
#include "platform/SdlWavePlayer.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {
// Waits like the event thread hold, minus the events.
void plainWait(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    QDeadlineTimer deadline(limit);
    while (!done() && !deadline.hasExpired())
        QThread::msleep(2);
}
} // namespace

class TestSdlWavePlayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { qputenv("SDL_AUDIODRIVER", "dummy"); }

    void decodesARealWaveFileOnce()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("Pop2.wav"), sineWave(300));
        SdlWavePlayer player(plainWait);
        QVERIFY(player.hasDevice());
        const auto length = player.duration(QStringLiteral("Pop2.wav"));
        QVERIFY2(length >= 290ms && length <= 310ms, qPrintable(QString::number(length.count())));
        // Decoded once: the file may go, the sound stays.
        QFile::remove(folder.path() + QStringLiteral("/Pop2.wav"));
        player.start(QStringLiteral("Pop2.wav"));
        QVERIFY(player.isSounding());
        player.stop();
        QVERIFY(!player.isSounding());
    }

    void aNewEffectCutsTheSoundingOne()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("long.wav"), sineWave(2000));
        folder.write(QStringLiteral("short.wav"), sineWave(100, 880));
        SdlWavePlayer player(plainWait);
        player.start(QStringLiteral("long.wav"));
        player.playToEnd(QStringLiteral("short.wav"));
        // Had the long sound gone on, it would still be sounding now.
        QVERIFY(!player.isSounding());
    }

    void playToEndWaitsForTheSound()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("Gameover.wav"), sineWave(250));
        bool soundingWhileWaiting = false;
        int waits = 0;
        SdlWavePlayer player(
            [&](const std::function<bool()>& done, std::chrono::milliseconds limit) {
                ++waits;
                soundingWhileWaiting = !done();
                QVERIFY(limit >= 250ms && limit <= 400ms);
                plainWait(done, limit);
            });
        player.playToEnd(QStringLiteral("Gameover.wav"));
        QCOMPARE(waits, 1);
        QVERIFY(soundingWhileWaiting);
        QVERIFY(!player.isSounding());
    }

    void theMusicIsMixedIntoTheSameStream()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("Pop2.wav"), sineWave(100));
        SdlWavePlayer player(plainWait);
        std::atomic<int> frames{0};
        player.hostMusic([&](qint16* stereo, int count) {
            stereo[0] = 1;
            frames += count;
        });
        QCOMPARE(player.sampleRate(), 44100);
        QTRY_VERIFY(frames > 2000);
        // Effects play on over the music and leave it running.
        player.playToEnd(QStringLiteral("Pop2.wav"));
        const int before = frames;
        QTRY_VERIFY(frames > before + 2000);
    }

    void missingAndBrokenFilesAreSilence()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("broken.wav"), "RIFF1234WAVEnot really");
        folder.write(QStringLiteral("good.wav"), sineWave(1000));
        int waits = 0;
        SdlWavePlayer player(
            [&](const std::function<bool()>&, std::chrono::milliseconds) { ++waits; });
        player.start(QStringLiteral("good.wav"));
        for (const char* name : {"broken.wav", "missing.wav", ""}) {
            player.start(QString::fromLatin1(name));
            QVERIFY(!player.isSounding());
            player.playToEnd(QString::fromLatin1(name));
            QCOMPARE(player.duration(QString::fromLatin1(name)), 0ms);
        }
        QCOMPARE(waits, 0);
    }

    void withoutAnyAudioDeviceEverythingReturnsAtOnce()
    {
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        PictureFolder folder;
        folder.write(QStringLiteral("Gameover.wav"), sineWave(1000));
        int waits = 0;
        SdlWavePlayer player(
            [&](const std::function<bool()>&, std::chrono::milliseconds) { ++waits; });
        QVERIFY(!player.hasDevice());
        player.start(QStringLiteral("Gameover.wav"));
        player.playToEnd(QStringLiteral("Gameover.wav"));
        player.stop();
        QVERIFY(!player.isSounding());
        QCOMPARE(waits, 0);
    }
};

QTEST_GUILESS_MAIN(TestSdlWavePlayer)
#include "tst_sdlwaveplayer.moc"
