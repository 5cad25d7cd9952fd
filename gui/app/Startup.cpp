#include "app/Startup.h"

#include <QApplication>
#include <QLabel>

namespace veldora {

int runProgram(const QString &programFolder) {
    QLabel placeholder(QStringLiteral("Вельдора: %1").arg(programFolder));
    placeholder.show();
    return QApplication::exec();
}

}  // namespace veldora
