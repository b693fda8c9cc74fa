#pragma once

#include "info/SystemInfo.h"

class QtSystemShell : public SystemShell
{
public:
    // Started detached and without a shell, so nothing in the path is interpreted.
    bool startProgram(const QString& path) override;
    bool fileExists(const QString& path) override;
    int openWebPage(const QString& address) override;
};
