#include "Synth.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <random>

namespace {
constexpr double Fade = 0.004; // seconds at both ends

double voice(Synth::Shape shape, double phase)
{
    switch (shape) {
    case Synth::Shape::Sine:
        return std::sin(phase);
    case Synth::Shape::Bell: // a bright, slightly inharmonic bell
        return 0.7 * std::sin(phase) + 0.2 * std::sin(2.0 * phase) + 0.1 * std::sin(3.01 * phase);
    case Synth::Shape::Soft: // round and vowel-like, for the gentle "uh-oh"
        return 0.8 * std::sin(phase) + 0.15 * std::sin(2.0 * phase) + 0.05 * std::sin(4.0 * phase);
    }
    return 0;
}

void append(QByteArray& bytes, quint32 value, int size)
{
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, size);
}
} // namespace

void Synth::add(const Tone& tone)
{
    const auto first = size_t(tone.start * Rate);
    const auto count = size_t(tone.length * Rate);
    if (m_samples.size() < first + count)
        m_samples.resize(first + count, 0.0);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / Rate;
        const double glide = tone.from * std::pow(tone.to / tone.from, t / tone.length);
        const double vibrato = 1.0 + tone.vibratoDepth * std::sin(2 * M_PI * tone.vibratoRate * t);
        phase += 2 * M_PI * glide * vibrato / Rate;
        const double attack = std::min(1.0, t / tone.attack);
        const double release = std::min(1.0, (tone.length - t) / 0.01);
        const double envelope = attack * release * std::exp(-tone.decay * t);
        m_samples[first + i] += tone.level * envelope * voice(tone.shape, phase);
    }
}

void Synth::addNoise(double start, double length, double level)
{
    std::minstd_rand random(7); // the same crack on every build
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    const auto first = size_t(start * Rate);
    const auto count = size_t(length * Rate);
    if (m_samples.size() < first + count)
        m_samples.resize(first + count, 0.0);
    for (size_t i = 0; i < count; ++i)
        m_samples[first + i] += level * noise(random) * (1.0 - double(i) / count);
}

QByteArray Synth::wave(double peak) const
{
    double loudest = 1e-9;
    for (double sample : m_samples)
        loudest = std::max(loudest, std::abs(sample));
    const auto fadeFrames = size_t(Fade * Rate);
    QByteArray data;
    for (size_t i = 0; i < m_samples.size(); ++i) {
        const size_t fromEnd = m_samples.size() - 1 - i;
        const double fade = std::min({1.0, double(i) / fadeFrames, double(fromEnd) / fadeFrames});
        const double value = m_samples[i] / loudest * peak * fade;
        append(data, quint32(quint16(qint16(std::lround(value * 32767)))), 2);
    }
    QByteArray file("RIFF");
    append(file, quint32(36 + data.size()), 4);
    file.append("WAVEfmt ");
    append(file, 16, 4);
    append(file, 1, 2); // PCM
    append(file, 1, 2); // mono
    append(file, Rate, 4);
    append(file, Rate * 2, 4);
    append(file, 2, 2);
    append(file, 16, 2);
    file.append("data");
    append(file, quint32(data.size()), 4);
    return file + data;
}
