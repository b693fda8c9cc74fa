#pragma once

#include "WindowSystem.h"

class QWidget;

class QtWindowSystem : public WindowSystem
{
public:
    // Messages are shown modally over `owner`.
    explicit QtWindowSystem(QWidget* owner) : m_owner(owner) {}
    ~QtWindowSystem() override;

    void setBusyPointer(bool busy) override;
    void showMessage(const QString& title, const QString& text) override;

private:
    QWidget* m_owner;
    bool m_busy = false;
};
