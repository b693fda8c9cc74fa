#include "Game.h"

#include "pictures/OpenCommand.h"
#include "play/Colouring.h"
#include "play/Hint.h"
#include "play/Joining.h"
#include "print/PrintCommand.h"
#include "sound/BackgroundMusic.h"
#include "sound/Effects.h"
#include "sound/WavePlayer.h"

Game::Game(GameServices services) : services(services) {}

void Game::Form_Load()
{
    state.NextDot = GameState::NoDot;
    BackgroundMusic::start(*this);
}

void Game::Form_Unload()
{
    BackgroundMusic::close(*this);
    services.sound.playToEnd(Effects::Gameover);
}

void Game::MMControl_Done(qint16 notifyCode)
{
    BackgroundMusic::MMControl_Done(*this, notifyCode);
}

void Game::OpenCommand_Click()
{
    OpenCommand::run(*this);
}

void Game::HelpCommand_Click()
{
    Hint::show(*this);
}

void Game::PrintCommand_Click()
{
    PrintCommand::run(*this);
}

void Game::PictureArea_MouseUp(qint16 /*button*/, qint16 /*shift*/, float x, float y)
{
    // Any button and any modifier count alike.
    switch (state.mode()) {
    case GameState::Mode::NoPicture:
        return;
    case GameState::Mode::Joining:
        Joining::release(*this, x, y);
        return;
    case GameState::Mode::Colouring:
        Colouring::release(*this, x, y);
        return;
    }
}

void Game::PictureArea_KeyPress(qint16& keyAscii)
{
    Hint::keyPress(*this, keyAscii);
}
