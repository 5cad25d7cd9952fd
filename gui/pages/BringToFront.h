#pragma once

#include <QWidget>

namespace veldora {

// Shows a window of its own, or brings it back to the front when it is open.
inline void bringToFront(QWidget *window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace veldora
