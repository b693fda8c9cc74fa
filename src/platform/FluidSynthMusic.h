#pragma once

#include "sound/MusicControl.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

// The music player on FluidSynth with a General MIDI soundfont. The soundfont
// loads and the audio output opens on a thread of their own, so no command ever
// waits; a "Play" given before they are ready starts once they are. With no audio
// output the player stays silent and reports nothing, as a failed play would.
class FluidSynthMusic : public QObject, public MusicControl
{
    Q_OBJECT
public:
    enum class Output
    {
        Speakers, // the desktop's sound server or ALSA
        Manual,   // nothing plays until render() is called: for tests
    };

    static QString defaultSoundFont();

    explicit FluidSynthMusic(Output output = Output::Speakers,
                             const QString& soundFont = defaultSoundFont());
    ~FluidSynthMusic() override;

    void setFileName(const QString& fileName) override { m_fileName = fileName; }
    void setCommand(const QString& command) override;
    void setNotify(bool notify) override { m_notify = notify; }
    void setSwitches(bool, bool) override {}
    void setDoneHandler(DoneHandler handler) override { m_done = std::move(handler); }

    // Waits for the soundfont and the audio output; true when music can sound.
    bool waitUntilReady();
    bool isPlaying() const { return m_playing; }
    // Manual output: renders `frames` stereo frames, returns the loudest sample.
    int render(int frames);
    // Looks whether the tune has ended and its last notes have died away; the
    // player's own timer does this every 100 ms while a tune plays.
    void checkProgress();

private:
    struct Engine;

    void open();
    void play();
    void closeTune();
    void startWhenReady();
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
