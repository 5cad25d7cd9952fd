#include "app/WindowPlatform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace veldora {

namespace {
bool offscreen() {
    static const bool is = QGuiApplication::platformName() == QLatin1String("offscreen");
    return is;
}
}  // namespace

void applyOpacity(QWidget *w, double opacity) {
    if (!offscreen()) w->setWindowOpacity(opacity);
}

void bringToFront(QWidget *w) {
    w->show();
    if (offscreen()) return;
    w->raise();
    w->activateWindow();
}

void centreOnScreen(QWidget *w) {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        w->move(screen->availableGeometry().center() - w->rect().center());
}

}  // namespace veldora
