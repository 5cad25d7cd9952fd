#pragma once

// A small catalogue with a set, and the player's actions on it, for the undo and plan tests.

#include "app/ActionLabels.h"
#include "app/CatalogueTabs.h"
#include "app/UndoHistory.h"
#include "crafting/CraftingFixtures.h"
#include "customitems/CustomItemForm.h"
#include "customitems/EquipCustomItem.h"

#include <functional>

namespace veldora::test {

inline QString u(const char *text) { return QString::fromUtf8(text); }

// Helmets, a pendant and rings of the set "Стража", a two-handed sword, a shield,
// boots for level 9, and a set bonus for two items.
inline Catalogue guardCatalogue() {
    CatalogueBuilder b;
    b.add(Category::Helmets, u("Обруч"), {{col::Mass, u("1,5")}, {col::Price, u("м3")}});
    b.add(Category::Helmets, u("Шлем стража"),
          {{col::SetName, u("Стража")}, {col::ReqLevel, u("4")}, {27, u("10")}, {col::Price, u("м20")}});
    b.add(Category::Pendants, u("Кулон стража"), {{col::SetName, u("Стража")}, {col::Mass, u("0,3")}});
    b.add(Category::Rings, u("Кольцо стража"), {{col::SetName, u("Стража")}, {col::Price, u("з1")}});
    b.add(Category::Weapons, u("Двуручный меч"), {{col::TwoHanded, u("Да")}, {col::Mass, u("7")}});
    b.add(Category::Boots, u("Сапоги героя"), {{col::ReqLevel, u("9")}});
    b.add(Category::Shields, u("Щит стража"), {{col::SetName, u("Стража")}});
    b.addSet(u("Стража"), 2, {{1, u("3")}});
    return b.catalogue;
}

inline int rowOf(const PlannerState &s, Category c, const QString &name) {
    const CategoryTable &t = s.catalogue.table(c);
    for (int r = 1; r <= CategoryTable::kMaxItemRows; ++r)
        if (t.cellRef(col::Name, r) == name) return r;
    ADD_FAILURE() << "no " << name.toStdString();
    return 0;
}

// A custom item as the creation window writes it.
inline CustomItemRecord customItem(const QString &name) {
    CustomItemRecord r;
    CustomItemForm::defaults().writeInto(r, FormWindow::Creation);
    r.setText(field::Name, name);
    return r;
}

// One player action, with the label the windows give it.
struct Action {
    QString label;
    std::function<void(Planner &)> run;
};

inline Action wear(const PlannerState &s, Category c, const char *name) {
    const int tab = *catalogueTabOf(c), row = rowOf(s, c, u(name));
    return {catalogueClickLabel(s, tab, row), [tab, row](Planner &p) { p.clickCatalogueItem(tab, row); }};
}

inline Action enter(std::initializer_list<const char *> texts) {
    std::vector<QString> t;
    for (const char *text : texts) t.push_back(u(text));
    return {characterEntryLabel(), [t](Planner &p) {
                for (int i = 0; i < int(t.size()); ++i) p.setEntryText(i, t[size_t(i)]);
                p.applyCharacterEntry();
            }};
}

inline Action plus(PointTable table, int row) {
    return {pointLabel(table, row, true), [=](Planner &p) { p.plus(table, row); }};
}

inline Action forgeHelmetCopper(int times) {
    return {u("Ковать"), [times](Planner &p) {
                Forge forge;
                chooseForgeEntry(p, forge, kForgeMenu[0]);
                for (int i = 0; i < times; ++i) forge.plus(forgePair("PButton_Bron"));
                applyForge(p, forge);
            }};
}

inline Action enchantHelmet() {
    return {u("Чаровать"), [](Planner &p) { enchantWornItem(p, enchantment("N515")); }};
}

inline Action putOnCustomAmulet(const char *name) {
    return {customItemLabel(u(name)),
            [=](Planner &p) { putOnCustomItem(p, customItem(u(name)), u(name), u("Амулеты")); }};
}

}  // namespace veldora::test
