#pragma once

#include <QByteArray>

#include <vector>

// A tiny additive synthesiser for the game's sound effects: tones with pitch
// glides, vibrato and envelopes, mixed into one mono track.
class Synth
{
public:
    static constexpr int Rate = 44100;

    enum class Shape
    {
        Sine,
        Bell,
        Soft
    };

    struct Tone
    {
        double start = 0;    // seconds
        double length = 0.1; // seconds
        double from = 440;   // Hz at the start
        double to = 440;     // Hz at the end (an exponential glide)
        double level = 1.0;  // relative loudness
        Shape shape = Shape::Sine;
        double attack = 0.005; // seconds
        double decay = 0.0;    // exponential decay rate per second, 0 for none
        double vibratoRate = 0;
        double vibratoDepth = 0; // fraction of the pitch
    };

    void add(const Tone& tone);
    // A short burst of noise, for the crack of a pop.
    void addNoise(double start, double length, double level);

    // Scales the peak to `peak` (1.0 is full scale), softens both ends so that
    // nothing clicks, and returns a 16-bit PCM mono wave file.
    QByteArray wave(double peak) const;

private:
    std::vector<double> m_samples;
};
