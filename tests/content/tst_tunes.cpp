// The bundled tunes: each source parses into a tune of 40 to 120 seconds whose
// MIDI file the real player renders to the end, with sound.

#include "PictureFolder.h"
#include "Tune.h"
#include "platform/FluidSynthMusic.h"

#include <QDirIterator>
#include <QTest>

namespace {
QStringList tuneSources()
{
    QStringList sources;
    QDirIterator it(QStringLiteral(KELVARO_MUSIC_SOURCES), {QStringLiteral("*.tune")}, QDir::Files);
    while (it.hasNext())
        sources.append(it.next());
    sources.sort();
    return sources;
}

Tune parsed(const QString& path)
{
    QFile file(path);
    Tune tune;
    QString error;
    if (!file.open(QIODevice::ReadOnly) || !tune.parse(QString::fromUtf8(file.readAll()), error))
        qWarning("%s: %s", qPrintable(path), qPrintable(error));
    return tune;
}
} // namespace

class TestTunes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void thereAreAtLeastEight() { QVERIFY(tuneSources().size() >= 8); }

    void eachLastsFortyToAHundredAndTwentySeconds()
    {
        for (const QString& source : tuneSources()) {
            const Tune tune = parsed(source);
            QVERIFY2(!tune.melody.isEmpty(), qPrintable(source));
            QVERIFY2(tune.seconds() >= 40 && tune.seconds() <= 120, qPrintable(source));
            QVERIFY2(!tune.title.isEmpty(), qPrintable(source));
        }
    }

    void eachPlaysToItsEndWithSound()
    {
        PictureFolder folder;
        FluidSynthMusic music(FluidSynthMusic::Output::Hosted);
        QVERIFY(music.waitUntilReady());
        for (const QString& source : tuneSources()) {
            const Tune tune = parsed(source);
            folder.write(QStringLiteral("tune.mid"), tune.midi());
            bool ended = false;
            music.setDoneHandler([&](qint16 code) { ended = code == MusicControl::Successful; });
            music.setFileName(QStringLiteral("tune.mid"));
            music.setCommand(QStringLiteral("Open"));
            music.setNotify(true);
            music.setCommand(QStringLiteral("Play"));
            int loudest = 0;
            int chunks = 0;
            // Rendered a tenth of a second at a time, far faster than it plays.
            for (; !ended && chunks < 1300; ++chunks) {
                loudest = std::max(loudest, music.renderLoudest(4410));
                music.checkProgress();
            }
            QVERIFY2(ended, qPrintable(source));
            QVERIFY2(std::abs(chunks / 10.0 - tune.seconds()) < 1.5, qPrintable(source));
            QVERIFY2(loudest > 3000 && loudest < 32767, qPrintable(source));
        }
    }

    void badSourcesAreRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("unknown note") << "melody H4/4\nchords C/4\n";
        QTest::newRow("odd length") << "melody C4/7\nchords C/4\n";
        QTest::newRow("unknown chord") << "melody C4/4\nchords Q/4\n";
        QTest::newRow("melody longer than chords") << "melody C4/4 D4/4\nchords C/4\n";
        QTest::newRow("no melody") << "tempo 100\n";
        QTest::newRow("zero tempo") << "tempo 0\nmelody C4/4\nchords C/4\n";
    }
    void badSourcesAreRefused()
    {
        QFETCH(QString, text);
        Tune tune;
        QString error;
        QVERIFY(!tune.parse(text, error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTunes)
#include "tst_tunes.moc"
