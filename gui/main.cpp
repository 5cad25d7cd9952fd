#include "app/PlayerFolder.h"
#include "app/QtTranslations.h"
#include "app/Startup.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Вельдора"));
    veldora::installRussianQtTexts(app);
    // The program folder is the working folder, where every data file is found;
    // started from the desktop menu, it is the player's own folder.
    const veldora::FolderChoice choice = veldora::chooseProgramFolder(
        QCoreApplication::arguments(), QDir::currentPath(), QDir::homePath(), QCoreApplication::applicationDirPath());
    if (!choice.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", choice.error.toLocal8Bit().constData());
        veldora::MessageBoxMessages messages;
        messages.showMessage(choice.error);
        return 1;
    }
    return veldora::runProgram(choice.folder);
}
