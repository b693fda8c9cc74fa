#include "SdlWavePlayer.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {
constexpr int EffectChannel = 0;
constexpr int SampleRate = 44100;
// 1024 frames is 23 ms at 44.1 kHz: a pop starts on average 12 ms after the
// click. Half that would wake the audio thread twice as often, and the stream,
// which also carries the music, would then cost some 3% of a core instead of
// under 2%.
constexpr int BufferFrames = 1024;
// A synchronous play may outlast its sound by this much, no more.
constexpr std::chrono::milliseconds EndMargin{100};
} // namespace

void SdlWavePlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const
{
    Mix_FreeChunk(chunk);
}

SdlWavePlayer::SdlWavePlayer(Wait wait) : m_wait(std::move(wait))
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Kelvaro");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    m_subsystemUp = true;
    // With no device the subsystem stays up until the end: shutting it down
    // waits for SDL's device-watching thread, which sleeps a tenth of a second
    // at a time, and that would hold up the start-up window.
    if (Mix_OpenAudio(SampleRate, AUDIO_S16SYS, 2, BufferFrames) != 0)
        return;
    Mix_AllocateChannels(1);
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&m_sampleRate, &format, &channels);
    m_open = true;
}

void SdlWavePlayer::hostMusic(Render render)
{
    if (!m_open)
        return;
    SDL_LockAudio();
    m_music = std::move(render);
    SDL_UnlockAudio();
    Mix_HookMusic(
        [](void* self, Uint8* stream, int bytes) {
            const Render& music = static_cast<SdlWavePlayer*>(self)->m_music;
            if (music)
                music(reinterpret_cast<qint16*>(stream), bytes / int(2 * sizeof(qint16)));
        },
        this);
}

SdlWavePlayer::~SdlWavePlayer()
{
    if (m_open) {
        Mix_HookMusic(nullptr, nullptr);
        Mix_HaltChannel(-1);
        m_chunks.clear();
        Mix_CloseAudio();
    }
    if (m_subsystemUp)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Mix_Chunk* SdlWavePlayer::chunk(const QString& name)
{
    if (!m_open)
        return nullptr;
    if (auto found = m_chunks.constFind(name); found != m_chunks.constEnd())
        return found->get();
    // A missing file is not remembered: it may yet appear.
    if (!QFileInfo(name).isFile())
        return nullptr;
    std::shared_ptr<Mix_Chunk> decoded(Mix_LoadWAV(QFile::encodeName(name).constData()),
                                       ChunkDeleter());
    m_chunks.insert(name, decoded);
    return decoded.get();
}

void SdlWavePlayer::preload(const QStringList& names)
{
    for (const QString& name : names)
        chunk(name);
}

void SdlWavePlayer::start(const QString& name)
{
    if (!m_open)
        return;
    Mix_HaltChannel(EffectChannel);
    if (Mix_Chunk* sound = chunk(name))
        Mix_PlayChannel(EffectChannel, sound, 0);
}

void SdlWavePlayer::playToEnd(const QString& name)
{
    start(name);
    if (!isSounding())
        return;
    m_wait([this] { return !isSounding(); }, duration(name) + EndMargin);
    stop();
}

void SdlWavePlayer::stop()
{
    if (m_open)
        Mix_HaltChannel(EffectChannel);
}

bool SdlWavePlayer::isSounding() const
{
    return m_open && Mix_Playing(EffectChannel) != 0;
}

std::chrono::milliseconds SdlWavePlayer::duration(const QString& name)
{
    const Mix_Chunk* sound = chunk(name);
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (!sound || Mix_QuerySpec(&frequency, &format, &channels) == 0)
        return std::chrono::milliseconds(0);
    const qint64 bytesPerSecond = qint64(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    return std::chrono::milliseconds(qint64(sound->alen) * 1000 / bytesPerSecond);
}
