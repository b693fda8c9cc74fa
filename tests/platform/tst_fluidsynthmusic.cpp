// The music player on real FluidSynth with the real soundfont, rendering into
// memory instead of a sound card: tunes play, their end is reported once the
// last notes have died away, and bad files are silence.

#include "PictureFolder.h"
#include "Tune.h"
#include "platform/FluidSynthMusic.h"

#include <QTest>

namespace {
constexpr int ChunkFrames = 4410; // 100 ms at 44.1 kHz

QByteArray shortTune()
{
    Tune tune;
    QString error;
    tune.parse(QStringLiteral("tempo 240\ninstruments 0 0 32\nmelody C5/4 E5/4 G5/2\nchords C/1\n"),
               error);
    return tune.midi();
}

struct Playback
{
    int chunks = 0;
    int lastLoudChunk = -1;
    int doneAtChunk = -1;
    QList<qint16> reports;
};

// Renders 100 ms at a time, looking for the end after each, as the player's own
// timer does, until it reports or `limit` chunks have passed.
Playback playThrough(FluidSynthMusic& music, int limit = 600)
{
    Playback playback;
    music.setDoneHandler([&](qint16 code) {
        playback.reports.append(code);
        playback.doneAtChunk = playback.chunks;
    });
    while (playback.chunks < limit && playback.reports.isEmpty()) {
        if (music.renderLoudest(ChunkFrames) > 30)
            playback.lastLoudChunk = playback.chunks;
        ++playback.chunks;
        music.checkProgress();
    }
    return playback;
}

void openAndPlay(FluidSynthMusic& music, const QString& name)
{
    music.setFileName(name);
    music.setCommand(QStringLiteral("Open"));
    music.setNotify(true);
    music.setCommand(QStringLiteral("Play"));
}
} // namespace

class TestFluidSynthMusic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void playsATuneAndReportsItsEndSoonAfterTheLastNote()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("tune.mid"), shortTune());
        FluidSynthMusic music(FluidSynthMusic::Output::Hosted);
        QVERIFY(music.waitUntilReady());
        openAndPlay(music, QStringLiteral("tune.mid"));
        QVERIFY(music.isPlaying());
        const Playback playback = playThrough(music);
        QCOMPARE(playback.reports, QList<qint16>{MusicControl::Successful});
        QVERIFY(playback.lastLoudChunk >= 5); // a second of music at 240 a minute
        // No gap of more than half a second once the last note has died away.
        QVERIFY2(
            playback.doneAtChunk - playback.lastLoudChunk <= 5,
            qPrintable(
                QStringLiteral("%1 %2").arg(playback.doneAtChunk).arg(playback.lastLoudChunk)));
        QVERIFY(!music.isPlaying());
    }

    void aPlayGivenBeforeTheSoundFontIsLoadedStartsOnceItIs()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("tune.mid"), shortTune());
        FluidSynthMusic music(FluidSynthMusic::Output::Hosted);
        openAndPlay(music, QStringLiteral("tune.mid"));
        QVERIFY(music.waitUntilReady());
        QVERIFY(music.isPlaying());
    }

    void withoutNotifyTheEndIsNotReported()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("tune.mid"), shortTune());
        FluidSynthMusic music(FluidSynthMusic::Output::Hosted);
        QVERIFY(music.waitUntilReady());
        openAndPlay(music, QStringLiteral("tune.mid"));
        music.setNotify(false);
        const Playback playback = playThrough(music, 100);
        QVERIFY(playback.reports.isEmpty());
        QVERIFY(!music.isPlaying());
    }

    void closingStopsAtOnceWithoutAReport()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("tune.mid"), shortTune());
        FluidSynthMusic music(FluidSynthMusic::Output::Hosted);
        QVERIFY(music.waitUntilReady());
        openAndPlay(music, QStringLiteral("tune.mid"));
        QVERIFY(music.renderLoudest(ChunkFrames) > 1000);
        music.setCommand(QStringLiteral("Close"));
        QVERIFY(!music.isPlaying());
        // Only the reverb's echo is left, and within 200 ms it is near silence
        // (-50 dB).
        int loudestLater = 0;
        for (int chunk = 0; chunk < 20; ++chunk) {
            const int loudest = music.renderLoudest(ChunkFrames);
            if (chunk >= 2)
                loudestLater = std::max(loudestLater, loudest);
        }
        QVERIFY2(loudestLater < 100, qPrintable(QString::number(loudestLater)));
        bool reported = false;
        music.setDoneHandler([&](qint16) { reported = true; });
        music.checkProgress();
        QVERIFY(!reported);
    }

    void badFilesAreSilence_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no music files at all") << "" << QByteArray();
        QTest::newRow("missing") << "gone.mid" << QByteArray();
        QTest::newRow("not MIDI") << "text.mid" << QByteArray("just some text, not a tune");
        QTest::newRow("a header and nothing after")
            << "cut.mid" << QByteArray("MThd\0\0\0\6\0\0\0\1\1\xe0", 14);
        QTest::newRow("a folder") << "folder.mid" << QByteArray();
    }
    void badFilesAreSilence()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        PictureFolder folder;
        if (name == QLatin1String("folder.mid"))
            QDir(folder.path()).mkdir(name);
        else if (!content.isEmpty())
            folder.write(name, content);
        FluidSynthMusic music(FluidSynthMusic::Output::Hosted);
        QVERIFY(music.waitUntilReady());
        openAndPlay(music, name);
        const Playback playback = playThrough(music, 30);
        QVERIFY(!playback.reports.contains(MusicControl::Successful));
        QCOMPARE(playback.lastLoudChunk, -1);
    }

    void withoutAnAudioDeviceNothingPlays()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("tune.mid"), shortTune());
        FluidSynthMusic music(FluidSynthMusic::Output::None);
        QVERIFY(!music.waitUntilReady());
        openAndPlay(music, QStringLiteral("tune.mid"));
        QVERIFY(!music.isPlaying());
        QVERIFY(playThrough(music, 30).reports.isEmpty());
    }

    void aMissingSoundFontIsSilence()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("tune.mid"), shortTune());
        FluidSynthMusic music(FluidSynthMusic::Output::Hosted, 44100,
                              folder.path() + QStringLiteral("/none.sf2"));
        QVERIFY(!music.waitUntilReady());
        openAndPlay(music, QStringLiteral("tune.mid"));
        QVERIFY(!music.isPlaying());
        QVERIFY(playThrough(music, 30).reports.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFluidSynthMusic)
#include "tst_fluidsynthmusic.moc"
