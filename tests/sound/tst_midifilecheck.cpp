// The structural check a tune passes before it reaches the synthesiser.

#include "sound/MidiFileCheck.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QtEndian>

namespace {
QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray length(4, '\0');
    qToBigEndian<quint32>(quint32(body.size()), length.data());
    return QByteArray(id) + length + body;
}

QByteArray header(quint16 format, quint16 tracks, quint16 division)
{
    QByteArray body(6, '\0');
    qToBigEndian<quint16>(format, body.data());
    qToBigEndian<quint16>(tracks, body.data() + 2);
    qToBigEndian<quint16>(division, body.data() + 4);
    return chunk("MThd", body);
}

// One note and the end of the track.
const QByteArray Track = chunk("MTrk", QByteArray::fromHex("00903c40"
                                                           "60803c00"
                                                           "00ff2f00"));
} // namespace

class TestMidiFileCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyBundledTuneIsPlayable()
    {
        const QDir data(qEnvironmentVariable("KELVARO_DATA_DIR"));
        const QStringList tunes = data.entryList({QStringLiteral("*.mid")}, QDir::Files);
        QVERIFY(!tunes.isEmpty());
        for (const QString& name : tunes) {
            QFile file(data.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(MidiFileCheck::isPlayable(file.readAll()), qPrintable(name));
        }
    }

    void wellFormedFilesPass()
    {
        QVERIFY(MidiFileCheck::isPlayable(header(0, 1, 96) + Track));
        QVERIFY(MidiFileCheck::isPlayable(header(1, 2, 480) + Track + Track));
        // Chunks of other kinds are skipped, and so are a few stray bytes at the end.
        QVERIFY(MidiFileCheck::isPlayable(header(1, 1, 96) + chunk("XFIH", "abc") + Track));
        QVERIFY(MidiFileCheck::isPlayable(header(0, 1, 96) + Track + "\0\0\0"));
    }

    void brokenFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not MIDI") << QByteArray("RIFF....WAVEfmt ");
        QTest::newRow("header cut short") << header(0, 1, 96).left(12);
        QTest::newRow("no tracks at all") << header(0, 1, 96);
        QTest::newRow("format 3") << header(3, 1, 96) + Track;
        QTest::newRow("zero tracks declared") << header(1, 0, 96) + Track;
        QTest::newRow("format 0 with two tracks") << header(0, 2, 96) + Track + Track;
        QTest::newRow("fewer tracks than declared") << header(1, 3, 96) + Track + Track;
        QTest::newRow("zero ticks per beat") << header(0, 1, 0) + Track;
        QTest::newRow("SMPTE timing") << header(0, 1, 0xe728) + Track;
        QTest::newRow("track runs past the end") << header(0, 1, 96) + Track.chopped(1);
        QTest::newRow("huge chunk length")
            << header(0, 1, 96) + QByteArray::fromHex("0001ffffffffffff") + Track;
        QByteArray longHeader = header(0, 1, 96);
        qToBigEndian<quint32>(1000, longHeader.data() + 4);
        QTest::newRow("header longer than the file") << longHeader + Track;
    }
    void brokenFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!MidiFileCheck::isPlayable(bytes));
    }
};

QTEST_GUILESS_MAIN(TestMidiFileCheck)
#include "tst_midifilecheck.moc"
