#pragma once

#include "GameState.h"
#include "Globals.h"
#include "Random.h"
#include "Surface.h"

#include <QImage>

class MainView;
class MusicControl;
class PrintService;
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
    MusicControl& MMControl;
    PrintService& printer;
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
    void PrintCommand_Click();
    void PictureArea_MouseUp(qint16 button, qint16 shift, float x, float y);
    void PictureArea_KeyPress(qint16& keyAscii);
    void MMControl_Done(qint16 notifyCode);

    GameServices services;
    GameState state;
    Globals globals;
    Surface PictureArea;
    Random random;
    // The finished bitmap of the picture in play, decoded when it was opened.
    QImage finishedImage;
};
