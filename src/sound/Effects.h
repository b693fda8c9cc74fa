#pragma once

#include <QString>
#include <QStringList>

// The eight sound effects, which lie beside the pictures in the working folder.
namespace Effects {
inline const QString Startup = QStringLiteral("Startup.wav");
inline const QString Boing = QStringLiteral("Boing.wav");
inline const QString Gameon = QStringLiteral("Gameon.wav");
inline const QString Pop2 = QStringLiteral("Pop2.wav");
inline const QString Uhoh = QStringLiteral("Uhoh.wav");
inline const QString Welldone = QStringLiteral("Welldone.wav");
inline const QString Pop4 = QStringLiteral("Pop4.wav");
inline const QString Gameover = QStringLiteral("Gameover.wav");

inline QStringList all()
{
    return {Startup, Boing, Gameon, Pop2, Uhoh, Welldone, Pop4, Gameover};
}
} // namespace Effects
