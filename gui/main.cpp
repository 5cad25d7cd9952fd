#include "app/QtTranslations.h"
#include "app/Startup.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Вельдора"));
    veldora::installRussianQtTexts(app);
    // The program folder is the working folder: every data file is found beside it.
    return veldora::runProgram(QDir::currentPath());
}
