#include "app/Startup.h"

#include "app/CatalogueTabs.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "app/SplashWindow.h"
#include "catalogue/CatalogueLoader.h"
#include "crafting/CraftingMenus.h"
#include "customitems/CustomItemWindows.h"
#include "views/BrowserWindow.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>

namespace veldora {

StartedProgram::StartedProgram() = default;
// The windows go before the planner they show.
StartedProgram::~StartedProgram() {
    mainWindow.reset();
    splash.reset();
    planner.reset();
}

void MessageBoxMessages::showMessage(const QString &text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), shown, QMessageBox::Ok, parent_);
    box.exec();
}

QVector<BrowserTabLayout> browserTabLayouts() {
    QVector<BrowserTabLayout> tabs;
    for (const CatalogueTab &t : kCatalogueTabs)
        tabs.append({QString::fromUtf8(t.caption), t.category, t.pictureWidth, t.pictureHeight, t.perRow,
                     t.columnStep, t.rowStep});
    return tabs;
}

std::unique_ptr<StartedProgram> startProgram(const QString &programFolder, UserMessages &messages,
                                             const StartOptions &options) {
    auto started = std::make_unique<StartedProgram>();
    // The splash comes first, as the program's first window; it is shown only once
    // everything is loaded.
    if (options.showSplash) started->splash = std::make_unique<SplashWindow>();

    CatalogueLoad load = loadCatalogue(programFolder);
    if (!load.catalogue) {
        started->error = load.error;
        started->splash.reset();
        std::fprintf(stderr, "%s\n", load.error.toLocal8Bit().constData());
        messages.showMessage(load.error);
        return started;
    }
    started->warnings = load.warnings;

    const QString separator = QLocale::system().decimalPoint();
    started->planner = std::make_unique<Planner>(std::move(*load.catalogue), programFolder, separator, &messages);
    started->mainWindow = std::make_unique<MainWindow>(*started->planner, messages, programFolder);
    auto *browser = new BrowserWindow(browserTabLayouts(), started->planner->state().catalogue, programFolder,
                                      started->mainWindow.get());
    started->browser = browser;
    started->mainWindow->setBrowser(browser);
    connectCraftingMenus(*started->mainWindow, *started->planner);
    installCustomItemWindows(*started->mainWindow, *started->planner, messages, programFolder);

    // Categories cut to what a table holds: said once, before anything is shown.
    for (const QString &w : load.warnings) messages.showMessage(w);

    if (!options.show) return started;
    MainWindow *main = started->mainWindow.get();
    auto showMain = [main, fade = options.fadeIn] {
        main->showMaximized();
        if (!fade) main->finishFadeIn();
    };
    if (started->splash) {
        QObject::connect(started->splash.get(), &SplashWindow::finished, main, showMain);
        started->splash->show();
    } else {
        showMain();
    }
    return started;
}

int runProgram(const QString &programFolder) {
    MessageBoxMessages messages;
    return runProgram(programFolder, messages);
}

int runProgram(const QString &programFolder, UserMessages &messages) {
    std::unique_ptr<StartedProgram> program = startProgram(programFolder, messages);
    if (!program->mainWindow) return 1;
    if (auto *boxes = dynamic_cast<MessageBoxMessages *>(&messages)) boxes->setParent(program->mainWindow.get());
    // Closing the main window ends the program; so does closing the splash, the
    // program's first window, before it hands over.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(program->mainWindow.get(), &MainWindow::closing, qApp, &QApplication::quit);
    if (program->splash)
        QObject::connect(program->splash.get(), &SplashWindow::closedByPlayer, qApp, &QApplication::quit);
    return QApplication::exec();
}

}  // namespace veldora
