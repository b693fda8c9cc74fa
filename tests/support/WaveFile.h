#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cmath>

// A mono 16-bit PCM wave file of a sine tone, for feeding the real decoder.
inline QByteArray sineWave(int milliseconds, double frequency = 440.0, int rate = 22050)
{
    const int frames = rate * milliseconds / 1000;
    QByteArray data(frames * 2, Qt::Uninitialized);
    for (int i = 0; i < frames; ++i) {
        const auto sample = qint16(8000 * std::sin(2 * M_PI * frequency * i / rate));
        qToLittleEndian(sample, data.data() + 2 * i);
    }
    QByteArray wave("RIFF");
    auto append32 = [&wave](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wave.append(b, 4);
    };
    auto append16 = [&wave](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wave.append(b, 2);
    };
    append32(36 + quint32(data.size()));
    wave.append("WAVEfmt ");
    append32(16);
    append16(1); // PCM
    append16(1); // mono
    append32(quint32(rate));
    append32(quint32(rate * 2));
    append16(2);
    append16(16);
    wave.append("data");
    append32(quint32(data.size()));
    return wave + data;
}
