#include "app/MainMenu.h"

#include "app/CatalogueTabs.h"
#include "app/MenuTables.h"
#include "app/PresetMenu.h"
#include "pages/PageTable.h"

#include <QAction>
#include <QMenu>
#include <QMainWindow>
#include <QMenuBar>
#include <QKeySequence>

#include <span>

namespace veldora {

namespace {
constexpr auto S = MenuEntry::Submenu;
constexpr auto A = MenuEntry::Action;
constexpr auto Sep = MenuEntry::Separator;
}  // namespace

const MenuEntry kMainMenu[] = {
    {0, S, "Персонаж", "MenuCharacter", "", true},
    {1, A, "Ввести данные...", "MenuEnterCharacter", "Ctrl+N", true},
    {1, A, "Снять все предметы", "N21", "Del", true},
    {1, Sep, nullptr, nullptr, "", true},
    {1, A, "Отменить", "MenuUndo", "Ctrl+Z", false},
    {1, A, "Повторить", "MenuRedo", "Ctrl+Y", false},
    {1, A, "Сохранить план...", "MenuSavePlan", "Ctrl+S", true},
    {1, A, "Открыть план...", "MenuOpenPlan", "Ctrl+O", true},
    {0, MenuEntry::Presets, "Одеть комплект", "MenuPresets", "", true},
    {0, S, "Инструменты", "MenuTools", "", true},
    {1, A, "Узреть созданные предметы...", "N8", "Ctrl+L", true},
    {1, A, "Создать предметы...", "N10", "Ctrl+I", true},
    {1, Sep, nullptr, nullptr, "", true},
    {1, S, "Ковать", "MenuForge", "", true},
    {2, A, "Шлем", "N211", "", true},
    {2, A, "Кулон", "N212", "", true},
    {2, A, "Бронь", "N213", "", true},
    {2, A, "Пояс", "N214", "", true},
    {2, A, "Амулет", "N215", "", true},
    {2, A, "Обувь", "N216", "", true},
    {2, A, "Браслет", "N217", "", true},
    {2, A, "Перчатки", "N218", "", true},
    {2, A, "Оружие", "N219", "", true},
    {2, A, "Щит / второе оружие", "N220", "", true},
    {2, A, "Штаны", "N221", "", true},
    {2, S, "Кольцо", "MenuForgeRing", "", true},
    {3, A, "1", "N1102", "", true},
    {3, A, "2", "N224", "", true},
    {3, A, "3", "N311", "", true},
    {3, A, "4", "N411", "", true},
    {3, A, "5", "N511", "", true},
    {2, S, "Талисман", "MenuForgeTalisman", "", true},
    {3, A, "1", "N1101", "", true},
    {3, A, "2", "N223", "", true},
    {3, A, "3", "N310", "", true},
    {3, A, "4", "N410", "", true},
    {3, A, "5", "N510", "", true},
    // Filled from the enchantment table by the crafting menus.
    {1, S, "Чаровать", "MenuEnchant", "", true},
    {0, MenuEntry::DatabaseTabs, "База предметов", "MenuDatabase", "", true},
    {0, MenuEntry::Pages, "Полезная информация", "MenuPages", "", true},
    {0, S, "Настройки", "MenuSettings", "", true},
    {1, A, "Проверка требований", "N23", "", true},
    {1, A, "Показывать изменения", "MenuShowChanges", "", true},
    {0, S, "О программе", "MenuAbout", "", true},
    {1, A, "Обучение", "N6", "F1", true},
    {1, A, "Информация", "MenuInformation", "F2", true},
    {1, A, "Отчёты...", "N111", "F3", true},
};
const int kMainMenuSize = int(sizeof(kMainMenu) / sizeof(kMainMenu[0]));

namespace {

void addPresetLines(QMenu *menu, QMainWindow *window, const MainMenuHandlers &handlers) {
    int groups = 0, entries = 0;
    walkMenuTable(menu, presetMenu(), [&](QMenu *into, const PresetMenuLine &line) -> QMenu * {
        const QString caption = QString::fromUtf8(line.caption);
        switch (line.kind) {
        case PresetLineKind::Submenu: {
            QMenu *sub = into->addMenu(caption);
            sub->setObjectName(QStringLiteral("MenuPresetGroup%1").arg(++groups));
            sub->setEnabled(line.enabled);
            return sub;
        }
        case PresetLineKind::Separator:
            into->addSeparator()->setEnabled(line.enabled);
            return nullptr;
        case PresetLineKind::Entry: {
            QAction *a = into->addAction(caption);
            a->setObjectName(QStringLiteral("MenuPreset%1").arg(++entries));
            a->setEnabled(line.enabled);
            const PresetArgs args = line.args;
            QObject::connect(a, &QAction::triggered, window, [preset = handlers.preset, args] { preset(args); });
            return nullptr;
        }
        }
        return nullptr;
    });
}

void addPageLines(QMenu *menu) {
    walkMenuTable(menu, pageMenu(), [](QMenu *into, const PageMenuLine &line) -> QMenu * {
        const QString caption = QString::fromUtf8(line.caption);
        const QString name = QString::fromUtf8(line.objectName);
        switch (line.kind) {
        case PageLineKind::Submenu: return addNamedSubmenu(into, caption, name);
        case PageLineKind::Separator: into->addSeparator(); return nullptr;
        case PageLineKind::Page: into->addAction(caption)->setObjectName(name); return nullptr;
        }
        return nullptr;
    });
}

void addDatabaseTabs(QMenu *menu, QMainWindow *window, const MainMenuHandlers &handlers) {
    for (int tab = 0; tab < kCatalogueTabCount; ++tab) {
        QAction *a = menu->addAction(QString::fromUtf8(kCatalogueTabs[tab].caption));
        a->setObjectName(QStringLiteral("MenuDatabaseTab%1").arg(tab));
        QObject::connect(a, &QAction::triggered, window, [open = handlers.databaseTab, tab] { open(tab); });
    }
}

}  // namespace

void buildMainMenu(QMainWindow *window, const MainMenuHandlers &handlers) {
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QFont menuFont;
    menuFont.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    menuFont.setPixelSize(11);
    bar->setFont(menuFont);
    bar->setStyleSheet(QStringLiteral(
        "QMenuBar { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 rgb(252,236,212), stop:1 rgb(226,190,146));"
        " border-bottom: 1px solid rgb(150,104,64); }"
        "QMenuBar::item { padding: 3px 9px; background: transparent; color: rgb(60,34,14); }"
        "QMenuBar::item:selected { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 rgb(255,246,226), stop:1 rgb(240,206,160));"
        " border: 1px solid rgb(170,120,70); border-radius: 3px; }"
        "QMenu { background: rgb(253,244,228); border: 1px solid rgb(150,104,64); color: rgb(50,28,10); }"
        "QMenu::item { padding: 4px 24px 4px 24px; }"
        "QMenu::item:selected { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 rgb(250,226,186), stop:1 rgb(232,190,136)); }"
        "QMenu::item:disabled { color: rgb(170,150,130); }"
        "QMenu::separator { height: 1px; background: rgb(214,186,150); margin: 3px 8px; }"));

    const std::span<const MenuEntry> mainLines(kMainMenu, kMainMenuSize);
    // Depth 0 is the menu bar itself (no menu to add to).
    walkMenuTable(nullptr, mainLines, [&](QMenu *into, const MenuEntry &e) -> QMenu * {
        if (e.depth == 0) {
            QMenu *menu = bar->addMenu(QString::fromUtf8(e.caption));
            menu->setObjectName(QString::fromUtf8(e.objectName));
            menu->menuAction()->setObjectName(QString::fromUtf8(e.objectName) + QStringLiteral("Action"));
            if (e.kind == MenuEntry::Presets) addPresetLines(menu, window, handlers);
            else if (e.kind == MenuEntry::Pages) addPageLines(menu);
            else if (e.kind == MenuEntry::DatabaseTabs) addDatabaseTabs(menu, window, handlers);
            return menu;
        }
        if (e.kind == MenuEntry::Separator) {
            into->addSeparator();
            return nullptr;
        }
        const QString caption = QString::fromUtf8(e.caption);
        const QString name = QString::fromUtf8(e.objectName);
        if (e.kind == MenuEntry::Submenu) {
            QMenu *sub = addNamedSubmenu(into, caption, name);
            sub->setEnabled(e.enabled);
            return sub;
        }
        QAction *a = into->addAction(caption);
        a->setObjectName(name);
        a->setEnabled(e.enabled);
        if (*e.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
        window->addAction(a);  // shortcuts work while the menu is closed
        return nullptr;
    });
}

QAction *findMenuEntry(QMenuBar *bar, const QStringList &captions) {
    QList<QAction *> actions = bar->actions();
    QAction *found = nullptr;
    for (const QString &caption : captions) {
        found = nullptr;
        for (QAction *a : actions)
            if (a->text() == caption) found = a;
        if (!found) return nullptr;
        if (found->menu()) actions = found->menu()->actions();
    }
    return found;
}

}  // namespace veldora
