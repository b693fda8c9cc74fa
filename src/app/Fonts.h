#pragma once

#include <QFont>

namespace Fonts {
// The font of the dot numbers: a free sans face shipped inside the program, so the
// numbers take the same room on every machine. Needs a QGuiApplication.
QFont numberFont();
} // namespace Fonts
