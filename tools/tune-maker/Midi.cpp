// Writing a tune as a Standard MIDI File.

#include "Tune.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace {
enum Channel
{
    MelodyChannel = 0,
    ChordChannel = 1,
    BassChannel = 2
};

struct Event
{
    int tick;
    int order; // note-offs before note-ons at the same tick
    QByteArray bytes;
};

void appendVariableLength(QByteArray& out, quint32 value)
{
    QByteArray reversed;
    reversed.append(char(value & 0x7f));
    while (value >>= 7)
        reversed.append(char((value & 0x7f) | 0x80));
    std::reverse(reversed.begin(), reversed.end());
    out.append(reversed);
}

void appendBigEndian(QByteArray& out, quint32 value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xff));
}

class Score
{
public:
    void note(int tick, int ticks, int channel, int pitch, int velocity)
    {
        // A small gap keeps repeated notes distinct.
        const int length = std::max(1, ticks - ticks / 16);
        m_events.push_back({tick, 1, bytes({0x90 | channel, pitch, velocity})});
        m_events.push_back({tick + length, 0, bytes({0x80 | channel, pitch, 0})});
    }
    void control(int channel, int controller, int value)
    {
        m_events.push_back({0, -1, bytes({0xb0 | channel, controller, value})});
    }
    void program(int channel, int program)
    {
        m_events.push_back({0, -1, bytes({0xc0 | channel, program})});
    }
    void tempo(int quartersPerMinute)
    {
        QByteArray meta = bytes({0xff, 0x51, 0x03});
        appendBigEndian(meta, quint32(60000000 / quartersPerMinute), 3);
        m_events.push_back({0, -2, meta});
    }

    QByteArray track()
    {
        std::stable_sort(m_events.begin(), m_events.end(), [](const Event& a, const Event& b) {
            return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
        });
        QByteArray data;
        int now = 0;
        for (const Event& event : m_events) {
            appendVariableLength(data, quint32(event.tick - now));
            data.append(event.bytes);
            now = event.tick;
        }
        appendVariableLength(data, 0);
        data.append(bytes({0xff, 0x2f, 0x00}));
        return data;
    }

private:
    static QByteArray bytes(std::initializer_list<int> values)
    {
        QByteArray out;
        for (int value : values)
            out.append(char(value));
        return out;
    }

    std::vector<Event> m_events;
};

void arrange(Score& score, const Tune& tune, int start)
{
    int tick = start;
    for (const Tune::Note& note : tune.melody) {
        if (note.pitch >= 0)
            score.note(tick, note.ticks, MelodyChannel, note.pitch, 100);
        tick += note.ticks;
    }
    tick = start;
    for (const Tune::Chord& chord : tune.chords) {
        for (int pitch : chord.pitches)
            score.note(tick, chord.ticks, ChordChannel, pitch, 52);
        // The bass plays the root on every half note of the chord, at least once.
        const int step = std::min(chord.ticks, 2 * Tune::TicksPerQuarter);
        for (int at = 0; at + step <= chord.ticks; at += step)
            score.note(tick + at, step, BassChannel, chord.root, 80);
        tick += chord.ticks;
    }
}
} // namespace

QByteArray Tune::midi() const
{
    Score score;
    score.tempo(tempo);
    score.program(MelodyChannel, melodyProgram);
    score.program(ChordChannel, chordProgram);
    score.program(BassChannel, bassProgram);
    score.control(ChordChannel, 7, 80); // volume: chords behind the melody
    int length = 0;
    for (const Note& note : melody)
        length += note.ticks;
    for (int round = 0; round < repeats; ++round)
        arrange(score, *this, round * length);

    const QByteArray track = score.track();
    QByteArray file("MThd");
    appendBigEndian(file, 6, 4);
    appendBigEndian(file, 0, 2); // format 0
    appendBigEndian(file, 1, 2); // one track
    appendBigEndian(file, TicksPerQuarter, 2);
    file.append("MTrk");
    appendBigEndian(file, quint32(track.size()), 4);
    return file + track;
}
