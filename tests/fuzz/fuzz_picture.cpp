// Opens arbitrary pictures the way "Open New Picture" does: description and both
// bitmaps read and checked, then, if accepted, played to the end and coloured.
// A refused picture must leave the game exactly as it was, with a message.
#include "FuzzCheck.h"
#include "GameFixture.h"
#include "PictureFolder.h"
#include "PictureParts.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

namespace {
const QString Name = QStringLiteral("fuzz.kv");
const QStringList FileNames = {Name, QStringLiteral("fuzz1.bmp"), QStringLiteral("fuzz2.bmp")};

void playThrough(GameFixture& fixture)
{
    FUZZ_CHECK(fixture.game.state.mode() == GameState::Mode::Joining);
    FUZZ_CHECK(fixture.game.state.NextDot == 1);
    FUZZ_CHECK(fixture.game.state.dotCount() <= GameState::MaxDots);
    fixture.joinAll();
    FUZZ_CHECK(fixture.game.state.mode() == GameState::Mode::Colouring);
    FUZZ_CHECK(fixture.view.colourFrameVisible);
    fixture.release(Surface::Width / 2.0f, Surface::Height / 2.0f);
    FUZZ_CHECK(fixture.game.state.mode() == GameState::Mode::Colouring);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Qt takes its own options out of the command line; the fuzzer's stay whole.
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The fuzzer ends the process with exit(), after Qt's per-thread font cache
    // has gone; destroying the application then would crash. It lives on to
    // the very end instead.
    static const auto* application = new QGuiApplication(argc, argv);
    Q_UNUSED(application);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<QByteArray> parts =
        PictureParts::split(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    const PictureFolder folder;
    for (qsizetype i = 0; i < parts.size(); ++i)
        folder.write(FileNames[i], parts[i]);

    GameFixture fixture;
    const QImage before = fixture.image();
    fixture.open(Name);
    if (fixture.windowSystem.messages.isEmpty()) {
        playThrough(fixture);
        return 0;
    }
    FUZZ_CHECK(fixture.windowSystem.messages.size() == 1);
    FUZZ_CHECK(fixture.windowSystem.messages.first().second.contains(Name));
    FUZZ_CHECK(!fixture.windowSystem.pointerIsBusy());
    FUZZ_CHECK(fixture.game.state.mode() == GameState::Mode::NoPicture);
    FUZZ_CHECK(fixture.game.globals.SelectedPicture.isEmpty());
    FUZZ_CHECK(fixture.image() == before);
    return 0;
}
