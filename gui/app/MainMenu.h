#pragma once

#include "app/PresetMenu.h"

#include <QString>
#include <QStringList>
#include <functional>

class QMainWindow;
class QMenuBar;
class QMenu;
class QAction;
class QObject;

namespace veldora {

// The fixed part of the main menu, as data: depth in the tree, caption, object
// name, shortcut, whether it can be chosen. Four submenus are filled from the
// engine's tables instead of from here: the preset outfits, the item database
// tabs, the information pages and (by the crafting menus) the enchantments.
struct MenuEntry {
    enum Kind { Submenu, Action, Separator, Presets, DatabaseTabs, Pages };
    int depth;
    Kind kind;
    const char *caption;     // UTF-8
    const char *objectName;  // the entry's name in the window
    const char *shortcut;    // empty: none
    bool enabled;
};

extern const MenuEntry kMainMenu[];
extern const int kMainMenuSize;

// What the entries filled from the engine's tables do.
struct MainMenuHandlers {
    std::function<void(const PresetArgs &)> preset;
    std::function<void(int tab)> databaseTab;
};

// Builds the menu bar of `window` from kMainMenu. Every action is also added to
// the window, so its shortcut works while the menu is closed. Windows that come
// with their own entries find them by object name and connect them.
void buildMainMenu(QMainWindow *window, const MainMenuHandlers &handlers);

// The entry reached by following captions from the menu bar down; nullptr if none.
QAction *findMenuEntry(QMenuBar *bar, const QStringList &captions);

}  // namespace veldora
