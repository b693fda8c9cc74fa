#include "FluidSynthMusic.h"

#include "sound/MidiFileCheck.h"

#include <QFile>
#include <QFileInfo>

#include <fluidsynth.h>

#include <vector>

namespace {
// The small General MIDI soundfont: its 6 MB load in well under 100 ms and keep
// the whole game light; the 148 MB alternative sounds fuller but costs over a
// hundred megabytes of memory.
const char* const SmallSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int ProgressMilliseconds = 100;
// After its last event a tune's notes ring on, near silent, for a second or more
// before FluidSynth frees their voices. The tune counts as ended once they have
// been freed or this many looks (0.4 s) have passed, whichever comes first.
constexpr int TailLooks = 4;
// FluidSynth's default gain of 0.2 is too quiet beside the effects.
constexpr double Gain = 0.5;

void quietFluidSynthLog()
{
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}
} // namespace

struct FluidSynthMusic::Engine
{
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    bool soundFontLoaded = false;

    ~Engine()
    {
        if (player)
            delete_fluid_player(player);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

QString FluidSynthMusic::defaultSoundFont()
{
    return QString::fromLatin1(SmallSoundFont);
}

FluidSynthMusic::FluidSynthMusic(Output output, int sampleRate, const QString& soundFont)
    : m_engine(std::make_unique<Engine>()), m_output(output)
{
    quietFluidSynthLog();
    Engine& engine = *m_engine;
    engine.settings = new_fluid_settings();
    fluid_settings_setnum(engine.settings, "synth.gain", Gain);
    fluid_settings_setnum(engine.settings, "synth.sample-rate", sampleRate);
    fluid_settings_setint(engine.settings, "synth.cpu-cores", 1);
    // Without the chorus the tunes sound the same on these instruments, for a
    // third less work on the audio thread.
    fluid_settings_setint(engine.settings, "synth.chorus.active", 0);
    // Only the instruments a tune chooses are read from the soundfont, which
    // keeps some 5 MB of samples out of memory.
    fluid_settings_setint(engine.settings, "synth.dynamic-sample-loading", 1);
    // The player follows the samples rendered, so it keeps time with the stream
    // that plays them and needs no timer thread of its own.
    fluid_settings_setstr(engine.settings, "player.timing-source", "sample");
    engine.synth = new_fluid_synth(engine.settings);

    m_progress.setInterval(ProgressMilliseconds);
    connect(&m_progress, &QTimer::timeout, this, &FluidSynthMusic::checkProgress);

    // Without an output nothing will ever sound: the soundfont's megabytes stay
    // on disk.
    if (m_output == Output::None) {
        m_loaded = true;
        QMetaObject::invokeMethod(this, &FluidSynthMusic::engineReady, Qt::QueuedConnection);
        return;
    }
    const QByteArray fontPath = QFile::encodeName(soundFont);
    m_loader = std::thread([this, fontPath] {
        Engine& engine = *m_engine;
        engine.soundFontLoaded =
            engine.synth && QFileInfo(QFile::decodeName(fontPath)).isFile() &&
            fluid_synth_sfload(engine.synth, fontPath.constData(), 1) != FLUID_FAILED;
        m_loaded = true;
        QMetaObject::invokeMethod(this, &FluidSynthMusic::engineReady, Qt::QueuedConnection);
    });
}

FluidSynthMusic::~FluidSynthMusic()
{
    if (m_loader.joinable())
        m_loader.join();
}

bool FluidSynthMusic::waitUntilReady()
{
    if (m_loader.joinable())
        m_loader.join();
    engineReady();
    return canSound();
}

bool FluidSynthMusic::canSound() const
{
    return m_engine->soundFontLoaded && m_output == Output::Hosted;
}

void FluidSynthMusic::engineReady()
{
    if (m_ready || !m_loaded)
        return;
    m_ready = true;
    if (std::exchange(m_playWaiting, false))
        play();
}

void FluidSynthMusic::setCommand(const QString& command)
{
    if (command == QLatin1String("Open"))
        open();
    else if (command == QLatin1String("Play"))
        play();
    else if (command == QLatin1String("Close"))
        closeTune();
}

void FluidSynthMusic::open()
{
    closeTune();
    // An empty name, a missing file or one that is not a playable MIDI file
    // fails to open; playing it then fails too, quietly. The player gets the
    // very bytes that were checked.
    QFile file(m_fileName);
    if (m_fileName.isEmpty() || !QFileInfo(m_fileName).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(MidiFileCheck::MaxBytes + 1);
    if (!MidiFileCheck::isPlayable(bytes))
        return;
    m_engine->player = new_fluid_player(m_engine->synth);
    if (m_engine->player &&
        fluid_player_add_mem(m_engine->player, bytes.constData(), size_t(bytes.size())) == FLUID_OK)
        m_opened = true;
}

void FluidSynthMusic::play()
{
    if (!m_opened)
        return;
    if (!m_ready) {
        m_playWaiting = true;
        return;
    }
    if (!canSound() || fluid_player_play(m_engine->player) != FLUID_OK)
        return;
    m_playing = true;
    m_lastEventPassed = false;
    m_progress.start();
}

void FluidSynthMusic::closeTune()
{
    m_progress.stop();
    m_playWaiting = false;
    m_playing = false;
    m_opened = false;
    if (m_engine->player) {
        fluid_player_stop(m_engine->player);
        delete_fluid_player(m_engine->player);
        m_engine->player = nullptr;
    }
    // Every voice stops at once; only the reverb's last echo dies away.
    if (m_engine->synth)
        fluid_synth_all_sounds_off(m_engine->synth, -1);
}

void FluidSynthMusic::checkProgress()
{
    fluid_player_t* player = m_engine->player;
    if (!m_playing || !player)
        return;
    // FluidSynth's player calls itself done two seconds after the last event;
    // the tune really ends once its last event has passed and its notes have
    // died away.
    const int total = fluid_player_get_total_ticks(player);
    if (!m_lastEventPassed) {
        m_lastEventPassed = fluid_player_get_status(player) == FLUID_PLAYER_DONE ||
                            (total > 0 && fluid_player_get_current_tick(player) >= total);
        m_looksSinceLastEvent = 0;
        return;
    }
    const bool diedAway = fluid_synth_get_active_voice_count(m_engine->synth) == 0 ||
                          ++m_looksSinceLastEvent >= TailLooks;
    if (!diedAway)
        return;
    m_progress.stop();
    m_playing = false;
    // A file without a single event is broken, not a tune that was played.
    if (m_notify && m_done)
        m_done(total > 0 ? Successful : Failure);
}

void FluidSynthMusic::render(qint16* stereo, int frames)
{
    // Until the soundfont has loaded there is nothing to render.
    if (m_output == Output::Hosted && m_loaded)
        fluid_synth_write_s16(m_engine->synth, frames, stereo, 0, 2, stereo, 1, 2);
}

int FluidSynthMusic::renderLoudest(int frames)
{
    std::vector<qint16> samples(size_t(frames) * 2, 0);
    render(samples.data(), frames);
    int loudest = 0;
    for (qint16 sample : samples)
        loudest = std::max(loudest, std::abs(int(sample)));
    return loudest;
}
