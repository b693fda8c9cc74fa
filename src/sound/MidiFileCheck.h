#pragma once

#include <QByteArrayView>

namespace MidiFileCheck {
// Larger files are not tunes for this game, and are not read.
inline constexpr qsizetype MaxBytes = 16 << 20;

// Whether the bytes have the chunk structure of a Standard MIDI File that the
// synthesiser can play: a header of format 0, 1 or 2 with as many tracks as it
// declares, a tempo in ticks per beat, and every chunk within the file.
// FluidSynth's own reader can spin forever on a file that breaks these rules,
// which would stop the audio thread and the game with it.
bool isPlayable(QByteArrayView bytes);
} // namespace MidiFileCheck
