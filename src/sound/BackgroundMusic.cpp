#include "BackgroundMusic.h"

#include "MusicControl.h"
#include "app/Game.h"

#include <QDir>

namespace {
void listTunes(GameState& state)
{
    state.MusicCount = 0;
    // Plain files only: no folders, hidden or system files. A 101st tune and
    // beyond find no room and are left out.
    const QStringList names = QDir::current().entryList({QStringLiteral("*.mid")}, QDir::Files,
                                                        QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (state.MusicCount == BackgroundMusic::MaxTunes)
            break;
        ++state.MusicCount;
        state.MusicFiles[state.MusicCount] = name;
    }
}

void playRandomTune(Game& game)
{
    MusicControl& player = game.services.MMControl;
    const int index = Random::choose(game.state.MusicCount, game.random.next());
    player.setFileName(game.state.MusicFiles[index]);
    player.setCommand(QStringLiteral("Open"));
    player.setNotify(true);
    player.setCommand(QStringLiteral("Play"));
}
} // namespace

void BackgroundMusic::start(Game& game)
{
    listTunes(game.state);
    game.random.seedFromClock();
    game.services.MMControl.setNotify(false);
    game.services.MMControl.setSwitches(false, false);
    playRandomTune(game);
}

void BackgroundMusic::MMControl_Done(Game& game, qint16 notifyCode)
{
    if (notifyCode != MusicControl::Successful)
        return;
    game.services.MMControl.setNotify(false);
    game.services.MMControl.setCommand(QStringLiteral("Close"));
    playRandomTune(game);
}

void BackgroundMusic::close(Game& game)
{
    game.services.MMControl.setCommand(QStringLiteral("Close"));
}
