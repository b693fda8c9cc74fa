#pragma once

#include <QString>

// What the game asks of the window system beyond its own windows: the
// application-wide busy pointer and a message box.
class WindowSystem
{
public:
    virtual ~WindowSystem() = default;
    virtual void setBusyPointer(bool busy) = 0;
    virtual void showMessage(const QString& title, const QString& text) = 0;
};
