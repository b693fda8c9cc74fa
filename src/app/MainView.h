#pragma once

#include <QColor>

// The parts of the main window the game logic reads or changes directly.
class MainView
{
public:
    virtual ~MainView() = default;
    virtual void setColourFrameVisible(bool visible) = 0;
    // The colour of the colour button that is down.
    virtual QColor selectedColour() const = 0;
};
