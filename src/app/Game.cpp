#include "Game.h"

#include "pictures/OpenCommand.h"

Game::Game(GameServices services) : services(services) {}

void Game::Form_Load()
{
    state.NextDot = GameState::NoDot;
}

void Game::Form_Unload() {}

void Game::OpenCommand_Click()
{
    OpenCommand::run(*this);
}

void Game::PictureArea_MouseUp(qint16 /*button*/, qint16 /*shift*/, float /*x*/, float /*y*/)
{
    if (state.mode() == GameState::Mode::NoPicture)
        return;
}

void Game::PictureArea_KeyPress(qint16& /*keyAscii*/) {}
