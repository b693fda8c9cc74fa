#include "QtSystemShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool QtSystemShell::startProgram(const QString& path)
{
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

bool QtSystemShell::fileExists(const QString& path)
{
    return QFileInfo(path).isFile();
}

int QtSystemShell::openWebPage(const QString& address)
{
    // Shaped like the desktop call it stands for: above 32 means done.
    return QDesktopServices::openUrl(QUrl(address)) ? 33 : 0;
}
