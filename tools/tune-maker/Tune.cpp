#include "Tune.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {
constexpr int WholeNote = 4 * Tune::TicksPerQuarter;

// "4" is a quarter note, "8." a dotted eighth, "2" a half note.
int durationTicks(const QString& text, bool& ok)
{
    const bool dotted = text.endsWith(QLatin1Char('.'));
    const int division = (dotted ? text.chopped(1) : text).toInt(&ok);
    ok = ok && division > 0 && WholeNote % division == 0;
    if (!ok)
        return 0;
    const int ticks = WholeNote / division;
    return dotted ? ticks + ticks / 2 : ticks;
}

// "C4" is middle C, "F#3" and "Bb4" have accidentals.
int notePitch(const QString& name, bool& ok)
{
    static const QRegularExpression form(QStringLiteral("^([A-G])([#b]?)(-?[0-9])$"));
    static const std::map<QChar, int> steps{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                            {'G', 7}, {'A', 9}, {'B', 11}};
    const auto match = form.match(name);
    ok = match.hasMatch();
    if (!ok)
        return -1;
    int pitch = steps.at(match.captured(1).at(0)) + 12 * (match.captured(3).toInt() + 1);
    if (match.captured(2) == QLatin1String("#"))
        ++pitch;
    else if (match.captured(2) == QLatin1String("b"))
        --pitch;
    return pitch;
}

// "C", "Am", "G7", "Dm", "F#m", "Bb": a chord voiced around middle C.
bool chordPitches(const QString& name, Tune::Chord& chord)
{
    static const QRegularExpression form(QStringLiteral("^([A-G][#b]?)(m?)(7?)$"));
    const auto match = form.match(name);
    bool ok = false;
    const int root = match.hasMatch() ? notePitch(match.captured(1) + QLatin1Char('3'), ok) : -1;
    if (!ok)
        return false;
    const bool minor = !match.captured(2).isEmpty();
    chord.root = root - 12;
    chord.pitches = {root + 12, root + 12 + (minor ? 3 : 4), root + 12 + 7};
    if (!match.captured(3).isEmpty())
        chord.pitches.append(root + 12 + 10);
    for (int& pitch : chord.pitches)
        while (pitch > 67) // keep the chords below the melody
            pitch -= 12;
    std::sort(chord.pitches.begin(), chord.pitches.end());
    return true;
}

bool parseMelody(const QStringList& items, QList<Tune::Note>& melody)
{
    for (const QString& item : items) {
        const QStringList parts = item.split(QLatin1Char('/'));
        bool ok = parts.size() == 2;
        Tune::Note note;
        if (ok)
            note.ticks = durationTicks(parts[1], ok);
        if (ok && parts[0] != QLatin1String("r"))
            note.pitch = notePitch(parts[0], ok);
        if (!ok)
            return false;
        melody.append(note);
    }
    return true;
}

bool parseChords(const QStringList& items, QList<Tune::Chord>& chords)
{
    for (const QString& item : items) {
        const QStringList parts = item.split(QLatin1Char('/'));
        Tune::Chord chord;
        bool ok = parts.size() == 2 && chordPitches(parts[0], chord);
        if (ok)
            chord.ticks = durationTicks(parts[1], ok);
        if (!ok)
            return false;
        chords.append(chord);
    }
    return true;
}

int sumTicks(const auto& items)
{
    int ticks = 0;
    for (const auto& item : items)
        ticks += item.ticks;
    return ticks;
}

bool parseSetting(const QString& keyword, const QStringList& values, Tune& tune)
{
    bool ok = !values.isEmpty();
    const auto number = [&](int index) { return ok ? values.value(index).toInt(&ok) : 0; };
    if (keyword == QLatin1String("title"))
        tune.title = values.join(QLatin1Char(' '));
    else if (keyword == QLatin1String("tempo"))
        tune.tempo = number(0);
    else if (keyword == QLatin1String("repeat"))
        tune.repeats = number(0);
    else if (keyword == QLatin1String("instruments") && (ok = values.size() == 3)) {
        tune.melodyProgram = number(0);
        tune.chordProgram = number(1);
        tune.bassProgram = number(2);
    } else
        ok = false;
    return ok && tune.tempo > 0 && tune.repeats > 0;
}
} // namespace

bool Tune::parse(const QString& text, QString& error)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s|]+"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        QStringList words = line.split(blanks, Qt::SkipEmptyParts);
        const QString keyword = words.takeFirst();
        const bool ok = keyword == QLatin1String("melody")   ? parseMelody(words, melody)
                        : keyword == QLatin1String("chords") ? parseChords(words, chords)
                                                             : parseSetting(keyword, words, *this);
        if (!ok) {
            error = QStringLiteral("line %1: cannot understand \"%2\"").arg(i + 1).arg(line);
            return false;
        }
    }
    if (melody.isEmpty() || sumTicks(melody) != sumTicks(chords)) {
        error = QStringLiteral("the melody and the chords must be of the same length");
        return false;
    }
    return true;
}

double Tune::seconds() const
{
    return double(sumTicks(melody)) * repeats / TicksPerQuarter * 60.0 / tempo;
}
