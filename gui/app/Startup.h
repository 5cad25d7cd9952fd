#pragma once

#include "app/UserMessages.h"

#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace veldora {

class BrowserWindow;
class HistoryWindow;
class InformationWindow;
class MainWindow;
class PageWindow;
class Planner;
class PlanMenu;
class SplashWindow;
class TutorialWindow;
class UndoHistory;

struct StartOptions {
    // The program shows the splash, which hands over to the main window; tests and
    // tools show the main window at once.
    bool showSplash = true;
    // The main window fades in over 1.27 s; tests and tools may finish it at once.
    bool fadeIn = true;
    // Whether any window is shown at all (the benchmark only builds them).
    bool show = true;
};

// The main window at once, without the splash and the fade-in: tests, benchmarks, tools.
inline constexpr StartOptions kStartAtOnce{false, false, true};

// The windows of a started program. Empty windows and a non-empty `error` mean
// the start-up failed; the error has been shown and written to stderr.
struct StartedProgram {
    QString error;
    QStringList warnings;
    std::unique_ptr<Planner> planner;
    std::unique_ptr<UndoHistory> undoHistory;  // every change of the planner, one step per action
    std::unique_ptr<SplashWindow> splash;
    std::unique_ptr<MainWindow> mainWindow;  // owns the browser
    BrowserWindow *browser = nullptr;
    PlanMenu *planMenu = nullptr;  // owned by the main window
    // Windows of their own, so that hiding or disabling the main window leaves them be.
    std::unique_ptr<TutorialWindow> tutorial;
    std::unique_ptr<PageWindow> pageWindow;
    std::unique_ptr<HistoryWindow> history;
    std::unique_ptr<InformationWindow> information;

    StartedProgram();
    ~StartedProgram();
};

// The start-up sequence on `programFolder`: the splash, the item database, the
// main window with its planner, the browser with every picture. Messages (the
// loader's error or warnings) go to `messages`, which must outlive the windows.
std::unique_ptr<StartedProgram> startProgram(const QString &programFolder, UserMessages &messages,
                                             const StartOptions &options = {});

// Message boxes for the player: plain, modal, with an OK button.
class MessageBoxMessages : public UserMessages {
public:
    void setParent(QWidget *parent) { parent_ = parent; }
    void showMessage(const QString &text) override;

private:
    QWidget *parent_ = nullptr;
};

// The program: starts on `programFolder` and runs the message loop. Returns the
// exit status, non-zero when the start-up failed (then no loop runs).
int runProgram(const QString &programFolder);
int runProgram(const QString &programFolder, UserMessages &messages);

}  // namespace veldora
