#pragma once

#include "sound/MusicControl.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

// The music player on FluidSynth with a General MIDI soundfont. It has no audio
// output of its own: its host pulls the music through render(), which the
// effect player's audio stream does, so music and effects share one stream and
// one audio thread. The soundfont loads on a thread of its own, so no command
// ever waits; a "Play" given before it has loaded starts once it has. Without a
// host the player stays silent and reports nothing, as a failed play would.
class FluidSynthMusic : public QObject, public MusicControl
{
    Q_OBJECT
public:
    enum class Output
    {
        Hosted, // render() is called by the audio stream, or by a test
        None,   // no audio device: every tune fails to play
    };

    static QString defaultSoundFont();

    explicit FluidSynthMusic(Output output, int sampleRate = 44100,
                             const QString& soundFont = defaultSoundFont());
    ~FluidSynthMusic() override;

    void setFileName(const QString& fileName) override { m_fileName = fileName; }
    void setCommand(const QString& command) override;
    void setNotify(bool notify) override { m_notify = notify; }
    void setSwitches(bool, bool) override {}
    void setDoneHandler(DoneHandler handler) override { m_done = std::move(handler); }

    // Waits for the soundfont; true when music can sound.
    bool waitUntilReady();
    bool isPlaying() const { return m_playing; }
    // Renders `frames` interleaved stereo frames. Safe on the audio thread.
    void render(qint16* stereo, int frames);
    // Renders and returns the loudest sample, for tests.
    int renderLoudest(int frames);
    // Looks whether the tune has ended and its last notes have died away; the
    // player's own timer does this every 100 ms while a tune plays.
    void checkProgress();

private:
    struct Engine;

    bool canSound() const;
    void open();
    void play();
    void closeTune();
    void engineReady();

    std::unique_ptr<Engine> m_engine;
    std::thread m_loader;
    std::atomic<bool> m_loaded{false};
    bool m_ready = false;
    Output m_output;
    QString m_fileName;
    bool m_notify = false;
    bool m_opened = false;
    bool m_playing = false;
    bool m_playWaiting = false;
    bool m_lastEventPassed = false;
    int m_looksSinceLastEvent = 0;
    QTimer m_progress;
    DoneHandler m_done;
};
