#include "app/CatalogueTabs.h"

namespace veldora {

const std::array<CatalogueTab, kCatalogueTabCount> kCatalogueTabs = {{
    {"Шлемы", Category::Helmets, Slot::Helmet, 60, 60, 11, 60, 60},
    {"Кулоны", Category::Pendants, Slot::Pendant, 60, 20, 11, 60, 20},
    {"Броня", Category::Armour, Slot::Armour, 60, 80, 11, 60, 80},
    {"Пояса", Category::Belts, Slot::Belt, 60, 40, 11, 60, 40},
    {"Амулеты", Category::Amulets, Slot::Amulet, 60, 20, 11, 60, 20},
    {"Обувь", Category::Boots, Slot::Boots, 60, 40, 11, 60, 40},
    {"Браслеты", Category::Bracelets, Slot::Bracelets, 60, 40, 11, 60, 40},
    {"Перчатки", Category::Gloves, Slot::Gloves, 60, 40, 11, 60, 40},
    {"Оружия", Category::Weapons, Slot::Weapon, 60, 60, 11, 60, 60},
    {"Щиты", Category::Shields, Slot::OffHand, 60, 60, 11, 60, 60},
    {"Штаны", Category::Trousers, Slot::Trousers, 60, 60, 11, 60, 60},
    {"Кольца", Category::Rings, Slot::Ring1, 20, 20, 30, 20, 20},
    {"Талисманы", Category::Talismans, Slot::Talisman1, 20, 20, 30, 20, 20},
}};

std::optional<int> catalogueTabOf(Category c) {
    for (int i = 0; i < kCatalogueTabCount; ++i)
        if (kCatalogueTabs[i].category == c) return i;
    return std::nullopt;
}

}  // namespace veldora
