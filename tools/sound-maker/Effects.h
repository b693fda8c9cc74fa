#pragma once

#include <QByteArray>
#include <QList>

struct SoundEffect
{
    const char* name;
    QByteArray wave;
};

// The game's eight effects, each a complete wave file.
QList<SoundEffect> soundEffects();
