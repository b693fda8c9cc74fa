#include "Effects.h"

#include "Synth.h"

// Notes in Hz.
namespace {
constexpr double G4 = 392.00, C5 = 523.25, E5 = 659.25, G5 = 783.99, C6 = 1046.50, E6 = 1318.51,
                 B5 = 987.77, A4 = 440.00, E4 = 329.63, C4 = 261.63;

using Tone = Synth::Tone;
using Shape = Synth::Shape;

QByteArray pop(double from, double to, double length, double crack, double peak)
{
    Synth s;
    s.add(Tone{0, length, from, to, 1.0, Shape::Sine, 0.001, 30});
    s.addNoise(0, 0.008, crack);
    return s.wave(peak);
}

QByteArray arpeggio(const std::vector<double>& notes, double step, double last, Shape shape,
                    double decay)
{
    Synth s;
    for (size_t i = 0; i < notes.size(); ++i) {
        const bool final = i + 1 == notes.size();
        const double length = final ? last : step * 2.5;
        s.add(Tone{i * step, length, notes[i], notes[i], 1.0, shape, 0.006,
                   final ? decay * 0.6 : decay});
    }
    return s.wave(0.85);
}
} // namespace

QList<SoundEffect> soundEffects()
{
    QList<SoundEffect> effects;
    // A quick bright pop for every dot joined.
    effects.append({"Pop2.wav", pop(1100, 320, 0.07, 0.25, 0.89)});
    // Softer and lower for a coloured area, heard over and over while colouring.
    effects.append({"Pop4.wav", pop(620, 240, 0.09, 0.08, 0.55)});
    {
        // "Uh-oh": two soft falling vowels that tease rather than scold.
        Synth s;
        s.add(Tone{0.00, 0.20, G4, 415, 0.9, Shape::Soft, 0.02, 3, 5, 0.01});
        s.add(Tone{0.22, 0.30, E4, 300, 1.0, Shape::Soft, 0.02, 3, 5, 0.015});
        effects.append({"Uhoh.wav", s.wave(0.7)});
    }
    {
        // The cheer: a rising arpeggio that lands on a bright held chord.
        Synth s;
        const double notes[] = {C5, E5, G5, C6};
        for (int i = 0; i < 4; ++i)
            s.add(Tone{i * 0.09, 0.25, notes[i], notes[i], 0.8, Shape::Bell, 0.005, 6});
        for (double note : {C5, E5, G5, C6})
            s.add(Tone{0.36, 0.9, note, note, 0.6, Shape::Bell, 0.01, 2.5, 6, 0.004});
        s.add(Tone{0.36, 0.9, 2 * C6, 2 * C6, 0.15, Shape::Sine, 0.01, 5});
        effects.append({"Welldone.wav", s.wave(0.89)});
    }
    {
        // A spring: a falling pitch that wobbles more and more.
        Synth s;
        s.add(Tone{0, 0.55, 520, 140, 1.0, Shape::Sine, 0.003, 4, 14, 0.08});
        effects.append({"Boing.wav", s.wave(0.85)});
    }
    effects.append(
        {"Startup.wav", arpeggio({G4, C5, E5, G5, E5, G5, C6}, 0.12, 0.7, Shape::Bell, 4)});
    effects.append({"Gameon.wav", arpeggio({E6, B5, E6}, 0.18, 0.6, Shape::Bell, 5)});
    // Goodbye: a gentle falling tune, short since closing waits for it.
    effects.append(
        {"Gameover.wav", arpeggio({G5, E5, C5, A4, G4, C4}, 0.18, 0.8, Shape::Bell, 3.5)});
    return effects;
}
