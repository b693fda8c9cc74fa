#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The dot table and the two fields that together give the game's mode.
// Index 0 of the dot arrays is never used: dots are numbered from 1, and after a
// picture of n dots DotX[n + 1] holds EndMarker.
struct GameState
{
    static constexpr int TableSize = 101;
    static constexpr int MaxDots = TableSize - 2;
    static constexpr qint16 EndMarker = -1;
    static constexpr qint16 NoDot = -1;

    enum class Mode
    {
        NoPicture,
        Joining,
        Colouring
    };

    using DotColumn = std::array<qint16, TableSize>;
    DotColumn DotX{};
    DotColumn DotY{};
    DotColumn NumberX{};
    DotColumn NumberY{};

    qint16 NextDot = NoDot;
    bool Completed = false;

    // The working folder's tunes, entries 1 to MusicCount; index 0 is unused.
    std::array<QString, TableSize> MusicFiles{};
    qint16 MusicCount = 0;

    Mode mode() const;
    // Number of dots before the end marker; 0 before the first picture.
    int dotCount() const;

    friend bool operator==(const GameState&, const GameState&) = default;
};
