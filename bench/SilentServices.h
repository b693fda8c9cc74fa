#pragma once

#include "sound/MusicControl.h"
#include "sound/WavePlayer.h"

// Sound and music that do nothing, so that the figures measure the game alone.
struct Silence : WavePlayer
{
    void start(const QString&) override {}
    void playToEnd(const QString&) override {}
    void stop() override {}
};

struct Quiet : MusicControl
{
    void setFileName(const QString&) override {}
    void setCommand(const QString&) override {}
    void setNotify(bool) override {}
    void setSwitches(bool, bool) override {}
    void setDoneHandler(DoneHandler) override {}
};
