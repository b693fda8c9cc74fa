#pragma once

#include <QString>

// A build may name a development folder where its data files live; the game
// then moves there when started from a folder whose name ends in "vb98", in any
// letter case. A build without one, and a development folder that does not
// exist, leave the working folder alone.
namespace DevelopmentFolder {
bool isDevelopmentStart(const QString& workingFolder);
// Changes the working folder if both hold; true when it did.
bool apply(const QString& developmentFolder);
} // namespace DevelopmentFolder
