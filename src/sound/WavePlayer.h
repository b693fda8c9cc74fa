#pragma once

#include <QString>

// Plays the game's sound effects by bare file name, one at a time: starting an
// effect cuts off the one still sounding. A file that is missing or not a wave
// file is silence, never an error.
class WavePlayer
{
public:
    virtual ~WavePlayer() = default;
    // Starts the effect and returns at once.
    virtual void start(const QString& name) = 0;
    // Returns when the effect has played to its end.
    virtual void playToEnd(const QString& name) = 0;
    // Ends the sounding effect, if any, and plays nothing.
    virtual void stop() = 0;
};
