#pragma once

#include "Game.h"
#include "MainView.h"
#include "info/Info.h"
#include "pictures/PictureChooser.h"
#include "platform/QtPrintService.h"
#include "platform/QtWindowSystem.h"

#include <QPointer>
#include <QWidget>

class ColourFrame;
class EventThreadHold;
class Registry;
class SystemShell;
class Sleeper;
class MusicControl;
class LoadFile;
class PictureAreaWidget;
class QPushButton;

// The game's one working window: five command buttons, the drawing surface and
// the colour bar. It wires controls to the game and owns the dialogs.
class Main : public QWidget, private MainView, private PictureChooser
{
    Q_OBJECT
public:
    static constexpr QSize ClientSize{559, 421};

    // The platform services that outlive the window. `hold` is what the game's
    // pauses and synchronous sounds keep the event thread with: a close request
    // that comes meanwhile waits for it. `sleeper` is normally `hold` itself.
    struct Services
    {
        WavePlayer& sound;
        EventThreadHold& hold;
        MusicControl& music;
        Sleeper& sleeper;
        Registry& registry;
        SystemShell& shell;
    };

    explicit Main(Services services, QWidget* parent = nullptr);
    ~Main() override;

    Game& game() { return m_game; }
    PictureAreaWidget* pictureArea() const { return m_pictureArea; }
    ColourFrame* colourFrame() const { return m_colourFrame; }
    // The chooser, or null before the first "Open New Picture".
    LoadFile* loadFile() const { return m_loadFile; }
    // The information window while it is open.
    Info* info() const { return m_info; }

    void InfoCommand_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setColourFrameVisible(bool visible) override;
    QColor selectedColour() const override;
    std::optional<QString> choose() override;

    void createCommands();
    void setTabOrder();

    QtWindowSystem m_windowSystem{this};
    QtPrintService m_printService{this};
    EventThreadHold& m_hold;
    MusicControl& m_music;
    Registry& m_registry;
    SystemShell& m_shell;
    Game m_game;
    QPushButton* m_openCommand = nullptr;
    QPushButton* m_helpCommand = nullptr;
    QPushButton* m_printCommand = nullptr;
    QPushButton* m_infoCommand = nullptr;
    QPushButton* m_stopCommand = nullptr;
    PictureAreaWidget* m_pictureArea = nullptr;
    ColourFrame* m_colourFrame = nullptr;
    LoadFile* m_loadFile = nullptr;
    QPointer<Info> m_info;
    bool m_centred = false;
    bool m_unloading = false;
    bool m_closeWaiting = false;
};
