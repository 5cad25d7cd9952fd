#pragma once

class QWidget;

namespace veldora {

// What a window asks of the platform. The off-screen platform of tests and tools
// has neither per-window opacity nor stacking and would warn at every request.

// Sets a window's opacity where the platform has per-window opacity.
void applyOpacity(QWidget *window, double opacity);

// Shows a window, or brings it back to the front when it is open.
void bringToFront(QWidget *window);

// Places a window in the middle of the primary screen's free area.
void centreOnScreen(QWidget *window);

}  // namespace veldora
