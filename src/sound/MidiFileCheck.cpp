#include "MidiFileCheck.h"

#include <QtEndian>

namespace {
constexpr qsizetype ChunkHeaderBytes = 8;
constexpr quint32 MinimumHeaderLength = 6;

quint16 word(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<quint16>(bytes.data() + at);
}

quint32 longWord(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.data() + at);
}
} // namespace

bool MidiFileCheck::isPlayable(QByteArrayView bytes)
{
    if (bytes.size() < ChunkHeaderBytes + qsizetype(MinimumHeaderLength) ||
        bytes.size() > MaxBytes || !bytes.startsWith(QByteArrayView("MThd")))
        return false;
    const quint32 headerLength = longWord(bytes, 4);
    const quint16 format = word(bytes, 8);
    const quint16 tracks = word(bytes, 10);
    const quint16 division = word(bytes, 12);
    // A division with the top bit set counts SMPTE frames, which FluidSynth
    // does not play.
    if (headerLength < MinimumHeaderLength || format > 2 || tracks == 0 ||
        (format == 0 && tracks != 1) || division == 0 || (division & 0x8000))
        return false;

    qsizetype at = ChunkHeaderBytes;
    quint32 tracksFound = 0;
    for (quint32 length = headerLength; length <= quint32(bytes.size() - at);) {
        at += length;
        // A few stray bytes after the last chunk are harmless.
        if (bytes.size() - at < ChunkHeaderBytes)
            return tracksFound == tracks;
        tracksFound += bytes.sliced(at, 4) == QByteArrayView("MTrk");
        length = longWord(bytes, at + 4);
        at += ChunkHeaderBytes;
    }
    return false;
}
