#include "crafting/CraftingMenus.h"

#include "app/ActionLabels.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "app/UndoHistory.h"
#include "crafting/Enchanting.h"
#include "crafting/ForgeWindow.h"

#include <QAction>
#include <QMenu>

#include <vector>

namespace veldora {

namespace {

void fillEnchantMenu(QMenu *root, MainWindow &main, Planner &planner) {
    // The line at depth d goes into the last submenu opened at depth d - 1.
    std::vector<QMenu *> open{root};
    for (const EnchantMenuLine &line : enchantMenu()) {
        open.resize(line.depth + 1);
        QMenu *into = open.back();
        switch (line.kind) {
        case EnchantLineKind::Separator:
            into->addSeparator();
            break;
        case EnchantLineKind::Submenu: {
            QMenu *sub = into->addMenu(line.caption);
            sub->setObjectName(line.objectName);
            sub->menuAction()->setObjectName(line.objectName);
            open.push_back(sub);
            break;
        }
        case EnchantLineKind::Entry: {
            QAction *a = into->addAction(line.caption);
            a->setObjectName(line.objectName);
            a->setEnabled(line.enabled);
            if (!line.enabled) break;
            QObject::connect(a, &QAction::triggered, &main, [&main, &planner, &line] {
                main.history().perform(enchantLabel(planner.state(), line),
                                       [&] { enchantWornItem(planner, line.enchantment); });
            });
            break;
        }
        }
    }
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
