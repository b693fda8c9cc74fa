#pragma once

#include "GameState.h"
#include "Globals.h"
#include "Surface.h"

#include <QImage>

class MainView;
class PictureChooser;
class Sleeper;
class WavePlayer;
class WindowSystem;

struct GameServices
{
    WindowSystem& windowSystem;
    PictureChooser& chooser;
    MainView& view;
    WavePlayer& sound;
    Sleeper& sleeper;
};

// The main window's game: its state, its drawing surface and one entry point for
// every event the window hands on. Each handler runs to its end; the window only
// translates widget events into these calls.
class Game
{
public:
    explicit Game(GameServices services);

    void Form_Load();
    void Form_Unload();
    void OpenCommand_Click();
    void HelpCommand_Click();
    void PictureArea_MouseUp(qint16 button, qint16 shift, float x, float y);
    void PictureArea_KeyPress(qint16& keyAscii);

    GameServices services;
    GameState state;
    Globals globals;
    Surface PictureArea;
    // The finished bitmap of the picture in play, decoded when it was opened.
    QImage finishedImage;
};
