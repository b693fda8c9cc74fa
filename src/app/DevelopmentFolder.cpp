#include "DevelopmentFolder.h"

#include <QDir>

bool DevelopmentFolder::isDevelopmentStart(const QString& workingFolder)
{
    return workingFolder.right(4).toLower() == QLatin1String("vb98");
}

bool DevelopmentFolder::apply(const QString& developmentFolder)
{
    if (developmentFolder.isEmpty() || !isDevelopmentStart(QDir::currentPath()) ||
        !QDir(developmentFolder).exists())
        return false;
    return QDir::setCurrent(developmentFolder);
}
