#pragma once

#include "Fakes.h"
#include "app/Main.h"
#include "platform/EventThreadHold.h"

// The real main window with recording fakes for sound, music, the registry and
// the shell, and pauses that take no time.
struct MainFixture
{
    RecordingWavePlayer sound;
    EventThreadHold hold;
    RecordingMusicControl music;
    RecordingSleeper sleeper;
    FakeRegistry registry;
    RecordingShell shell;
    Main main{{sound, hold, music, sleeper, registry, shell}};
};
