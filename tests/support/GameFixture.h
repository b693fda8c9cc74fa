#pragma once

#include "Fakes.h"
#include "app/Game.h"

// The game with recording fakes for every service, loaded as the main window
// loads it.
struct GameFixture
{
    RecordingWindowSystem windowSystem;
    ScriptedChooser chooser;
    RecordingView view;
    RecordingWavePlayer sound;
    RecordingSleeper sleeper;
    RecordingMusicControl music;
    PdfPrintService printer;
    Game game{GameServices{windowSystem, chooser, view, sound, sleeper, music, printer}};

    GameFixture() { game.Form_Load(); }

    // Presses "Open New Picture" and chooses `name`; a null name cancels.
    void open(const QString& name)
    {
        chooser.answers.append(name);
        game.OpenCommand_Click();
    }

    void release(float x, float y, qint16 button = 1) { game.PictureArea_MouseUp(button, 0, x, y); }

    void type(char character)
    {
        qint16 code = character;
        game.PictureArea_KeyPress(code);
    }

    void joinAll()
    {
        while (game.state.mode() == GameState::Mode::Joining)
            type('a');
    }

    const QImage& image() const { return game.PictureArea.image(); }
};
