// The eight generated sound effects: real wave files of the right names and
// lengths, loud enough, never clipped, silent at both ends.

#include "Effects.h"
#include "PictureFolder.h"
#include "platform/SdlWavePlayer.h"
#include "sound/Effects.h"

#include <QTest>
#include <QtEndian>

using namespace std::chrono_literals;

namespace {
QList<qint16> samplesOf(const QByteArray& wave)
{
    QList<qint16> samples;
    for (qsizetype at = 44; at + 1 < wave.size(); at += 2)
        samples.append(qFromLittleEndian<qint16>(wave.constData() + at));
    return samples;
}
} // namespace

class TestSoundEffects : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void thereIsOneForEveryMoment()
    {
        QStringList names;
        for (const SoundEffect& effect : soundEffects())
            names.append(QString::fromLatin1(effect.name));
        names.sort();
        QStringList expected = Effects::all();
        expected.sort();
        QCOMPARE(names, expected);
    }

    void areCleanSixteenBitMonoPcm()
    {
        for (const SoundEffect& effect : soundEffects()) {
            const QByteArray& wave = effect.wave;
            QVERIFY(wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt ");
            QCOMPARE(qFromLittleEndian<quint16>(wave.constData() + 20), quint16(1));  // PCM
            QCOMPARE(qFromLittleEndian<quint16>(wave.constData() + 22), quint16(1));  // mono
            QCOMPARE(qFromLittleEndian<quint16>(wave.constData() + 34), quint16(16)); // bits
            const QList<qint16> samples = samplesOf(wave);
            int peak = 0;
            for (qint16 sample : samples)
                peak = std::max(peak, std::abs(int(sample)));
            // The soft pop is quieter on purpose; nothing reaches full scale.
            QVERIFY2(peak > 32767 / 3 && peak < 32767 * 9 / 10, effect.name);
            QVERIFY2(std::abs(samples.first()) < 100 && std::abs(samples.last()) < 100,
                     effect.name);
        }
    }

    void decodeWithLengthsThatFitTheirMoments()
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        PictureFolder folder;
        for (const SoundEffect& effect : soundEffects())
            folder.write(QString::fromLatin1(effect.name), effect.wave);
        SdlWavePlayer player([](const std::function<bool()>&, std::chrono::milliseconds) {});
        QVERIFY(player.hasDevice());
        const auto length = [&](const QString& name) { return player.duration(name); };
        QVERIFY(length(Effects::Pop2) >= 40ms && length(Effects::Pop2) <= 150ms);
        QVERIFY(length(Effects::Pop4) >= 40ms && length(Effects::Pop4) <= 150ms);
        QVERIFY(length(Effects::Uhoh) >= 300ms && length(Effects::Uhoh) <= 1000ms);
        QVERIFY(length(Effects::Welldone) >= 800ms && length(Effects::Welldone) <= 2000ms);
        QVERIFY(length(Effects::Boing) >= 200ms && length(Effects::Boing) <= 1000ms);
        QVERIFY(length(Effects::Startup) >= 500ms && length(Effects::Startup) <= 2500ms);
        // The hint cuts its sound after two seconds.
        QVERIFY(length(Effects::Gameon) >= 300ms && length(Effects::Gameon) <= 2000ms);
        // Closing waits for the goodbye.
        QVERIFY(length(Effects::Gameover) >= 800ms && length(Effects::Gameover) <= 2500ms);
    }
};

QTEST_GUILESS_MAIN(TestSoundEffects)
#include "tst_soundeffects.moc"
