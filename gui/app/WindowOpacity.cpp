#include "app/WindowOpacity.h"

#include <QGuiApplication>
#include <QWidget>

// Platforms without per-window opacity (the off-screen one of tests and tools)
// would warn at every step of a fade.
void applyOpacity(QWidget *w, double opacity) {
    static const bool supported = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (supported) w->setWindowOpacity(opacity);
}
