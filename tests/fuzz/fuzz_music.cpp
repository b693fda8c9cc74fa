// Hands arbitrary files to the music player as tunes and plays the start of
// each through FluidSynth with the game's soundfont, so the MIDI reading and the
// first events reach the synthesiser.
#include "FuzzCheck.h"
#include "platform/FluidSynthMusic.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {
// A quarter of a second at a time, two seconds in all: long enough for a tune
// to end, start its notes and change its tempo and instruments.
constexpr int BlockFrames = 11025;
constexpr int Blocks = 8;

struct Player
{
    QTemporaryDir folder;
    QString tune = folder.filePath(QStringLiteral("tune.mid"));
    FluidSynthMusic music{FluidSynthMusic::Output::Hosted};
    QList<qint16> reports;

    Player()
    {
        FUZZ_CHECK(music.waitUntilReady());
        music.setFileName(tune);
        music.setNotify(true);
        music.setDoneHandler([this](qint16 code) { reports.append(code); });
    }
};
std::unique_ptr<Player> player;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "fuzz_music";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    player = std::make_unique<Player>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(player->tune);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    FluidSynthMusic& music = player->music;
    player->reports.clear();
    music.setCommand(QStringLiteral("Open"));
    music.setCommand(QStringLiteral("Play"));
    std::array<qint16, 2 * BlockFrames> samples{};
    for (int block = 0; block < Blocks && music.isPlaying(); ++block) {
        music.render(samples.data(), BlockFrames);
        music.checkProgress();
    }
    const bool wasPlaying = music.isPlaying();
    music.setCommand(QStringLiteral("Close"));
    FUZZ_CHECK(!music.isPlaying());
    // Only a tune that has stopped on its own reports, and only once.
    FUZZ_CHECK(player->reports.size() <= (wasPlaying ? 0 : 1));
    return 0;
}
