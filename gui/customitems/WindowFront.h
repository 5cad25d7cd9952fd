#pragma once

#include <QGuiApplication>
#include <QWidget>

namespace veldora {

// Shows a window in front of the others. The off-screen platform of tests and
// tools has no stacking and would warn at every raise.
inline void bringToFront(QWidget *w) {
    w->show();
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
    w->raise();
    w->activateWindow();
}

}  // namespace veldora
