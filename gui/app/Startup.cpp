#include "app/Startup.h"

#include "app/SplashWindow.h"

#include <QApplication>
#include <QLabel>

namespace veldora {

int runProgram(const QString &programFolder) {
    SplashWindow splash;
    QLabel placeholder(QStringLiteral("Вельдора: %1").arg(programFolder));
    QObject::connect(&splash, &SplashWindow::finished, &placeholder, &QWidget::show);
    splash.show();
    return QApplication::exec();
}

}  // namespace veldora
