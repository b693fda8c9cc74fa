#pragma once

// The parts of the main window the game logic changes directly.
class MainView
{
public:
    virtual ~MainView() = default;
    virtual void setColourFrameVisible(bool visible) = 0;
};
