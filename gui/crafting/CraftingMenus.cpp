#include "crafting/CraftingMenus.h"

#include "app/ActionLabels.h"
#include "app/MainWindow.h"
#include "app/MenuTables.h"
#include "app/Planner.h"
#include "app/UndoHistory.h"
#include "crafting/Enchanting.h"
#include "crafting/ForgeWindow.h"

#include <QAction>
#include <QMenu>

namespace veldora {

namespace {

void fillEnchantMenu(QMenu *root, MainWindow &main, Planner &planner) {
    walkMenuTable(root, enchantMenu(), [&](QMenu *into, const EnchantMenuLine &line) -> QMenu * {
        switch (line.kind) {
        case EnchantLineKind::Separator:
            into->addSeparator();
            return nullptr;
        case EnchantLineKind::Submenu:
            return addNamedSubmenu(into, line.caption, line.objectName);
        case EnchantLineKind::Entry: {
            QAction *a = into->addAction(line.caption);
            a->setObjectName(line.objectName);
            a->setEnabled(line.enabled);
            if (!line.enabled) return nullptr;
            QObject::connect(a, &QAction::triggered, &main, [&main, &planner, &line] {
                main.history().perform(enchantLabel(planner.state(), line),
                                       [&] { enchantWornItem(planner, line.enchantment); });
            });
            return nullptr;
        }
        }
        return nullptr;
    });
}

}  // namespace

ForgeWindow *connectCraftingMenus(MainWindow &main, Planner &planner) {
    auto *forge = new ForgeWindow(planner, main);
    for (const ForgeMenuEntry &entry : kForgeMenu) {
        QAction *a = main.menuEntry(entry.objectName);
        if (!a) continue;
        QObject::connect(a, &QAction::triggered, forge, [forge, &entry] { forge->chooseEntry(entry); });
    }
    if (QMenu *enchant = main.menu("MenuEnchant")) fillEnchantMenu(enchant, main, planner);
    return forge;
}

}  // namespace veldora
