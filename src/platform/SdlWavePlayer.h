#pragma once

#include "sound/WavePlayer.h"

#include <QHash>

#include <chrono>
#include <functional>
#include <memory>

struct Mix_Chunk;

// Wave playback through SDL2_mixer, which plays on PulseAudio, PipeWire and ALSA
// desktops alike and, with no audio device, fails in milliseconds: the game then
// runs silent. Each file is decoded once and kept, so an effect starts within
// one audio buffer of the click.
class SdlWavePlayer : public WavePlayer
{
public:
    // `wait` holds the event thread until its first argument is true or the time
    // limit has passed; it serves playToEnd.
    using Wait = std::function<void(const std::function<bool()>&, std::chrono::milliseconds)>;

    explicit SdlWavePlayer(Wait wait);
    ~SdlWavePlayer() override;
    SdlWavePlayer(const SdlWavePlayer&) = delete;
    SdlWavePlayer& operator=(const SdlWavePlayer&) = delete;

    void start(const QString& name) override;
    void playToEnd(const QString& name) override;
    void stop() override;

    bool hasDevice() const { return m_open; }
    int sampleRate() const { return m_sampleRate; }
    // Lets `render` fill the stream ahead of the effects: the music, which so
    // shares the stream and its thread. It is called on the audio thread with
    // interleaved stereo frames at sampleRate().
    using Render = std::function<void(qint16* stereo, int frames)>;
    void hostMusic(Render render);
    bool isSounding() const;
    // Decodes the files now rather than at their first use.
    void preload(const QStringList& names);
    // The length of a decoded effect, or 0 for a file that is missing or broken.
    std::chrono::milliseconds duration(const QString& name);

private:
    Mix_Chunk* chunk(const QString& name);

    struct ChunkDeleter
    {
        void operator()(Mix_Chunk* chunk) const;
    };
    Wait m_wait;
    bool m_subsystemUp = false;
    bool m_open = false;
    int m_sampleRate = 0;
    Render m_music;
    QHash<QString, std::shared_ptr<Mix_Chunk>> m_chunks;
};
