#pragma once

class QWidget;

namespace WindowPlacement {
// Puts the window, frame included, in the middle of its screen's free area.
void centreOnScreen(QWidget& window);
} // namespace WindowPlacement
