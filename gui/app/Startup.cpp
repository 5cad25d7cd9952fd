#include "app/Startup.h"

#include "app/CatalogueTabs.h"
#include "app/InformationWindow.h"
#include "app/MainWindow.h"
#include "app/PlanMenu.h"
#include "app/Planner.h"
#include "app/SplashWindow.h"
#include "app/UndoHistory.h"
#include "catalogue/CatalogueLoader.h"
#include "crafting/CraftingMenus.h"
#include "customitems/CustomItemWindows.h"
#include "views/BrowserWindow.h"
#include "views/ChoosingAids.h"
#include "pages/HistoryWindow.h"
#include "pages/PageWindow.h"
#include "pages/TutorialWindow.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>

namespace veldora {

StartedProgram::StartedProgram() = default;
// The windows go before the planner they show.
StartedProgram::~StartedProgram() {
    information.reset();
    history.reset();
    pageWindow.reset();
    tutorial.reset();
    mainWindow.reset();
    splash.reset();
    undoHistory.reset();
    planner.reset();
}

void MessageBoxMessages::showMessage(const QString &text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // A box owned by a disabled window is disabled too and could never be closed
    // (the main window while the tutorial is open); one owned by a hidden window
    // (the main window behind a page) would open away from the player's window.
    QWidget *owner = parent_ && parent_->isEnabled() && parent_->isVisible() ? parent_ : QApplication::activeWindow();
    if (owner && !owner->isEnabled()) owner = nullptr;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), shown, QMessageBox::Ok, owner);
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
    started->undoHistory = std::make_unique<UndoHistory>(*started->planner);
    started->mainWindow =
        std::make_unique<MainWindow>(*started->planner, *started->undoHistory, messages, programFolder);
    auto *browser = new BrowserWindow(browserTabLayouts(), started->planner->state().catalogue, programFolder,
                                      started->mainWindow.get());
    started->browser = browser;
    started->mainWindow->setBrowser(browser);
    connectCraftingMenus(*started->mainWindow, *started->planner);
    installCustomItemWindows(*started->mainWindow, messages, programFolder);
    started->planMenu = new PlanMenu(*started->mainWindow, *started->undoHistory, messages, programFolder);
    installChoosingAids(*started->mainWindow, *browser, *started->planner);

    MainWindow &mainWindow = *started->mainWindow;
    const Planner *planner = started->planner.get();
    started->tutorial = std::make_unique<TutorialWindow>(
        programFolder, messages, [planner] { return planner->state().requirementCheckOn; });
    started->tutorial->attach(mainWindow);
    started->pageWindow = std::make_unique<PageWindow>(programFolder);
    started->pageWindow->attach(mainWindow);
    started->history = std::make_unique<HistoryWindow>(planner->state().catalogue.reports);
    started->history->attach(mainWindow);
    started->information = std::make_unique<InformationWindow>(planner->state().catalogue.itemCount);
    started->information->attach(mainWindow);

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
