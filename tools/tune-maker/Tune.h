#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A children's song as its arranger writes it: a melody and a chord line, from
// which the bass is derived. See content/music/README.md for the text format.
struct Tune
{
    struct Note
    {
        int pitch = -1; // MIDI note number, -1 for a rest
        int ticks = 0;
    };
    struct Chord
    {
        QList<int> pitches; // a triad or seventh around middle C
        int root = 0;       // the bass note
        int ticks = 0;
    };

    static constexpr int TicksPerQuarter = 480;

    QString title;
    int tempo = 100; // quarter notes a minute
    int repeats = 1;
    int melodyProgram = 0; // General MIDI programs, counted from 0
    int chordProgram = 0;
    int bassProgram = 32;
    QList<Note> melody;
    QList<Chord> chords;

    // Parses the text; on failure returns false and says why in `error`.
    bool parse(const QString& text, QString& error);

    double seconds() const;
    // A Standard MIDI File, format 0: melody, chords and bass on three channels.
    QByteArray midi() const;
};
