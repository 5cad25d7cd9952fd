#pragma once

#include <QString>
#include <array>

namespace veldora {

// The thirteen item categories, in the order in which the item database is queried.
enum class Category {
    Weapons,    // "Оружия"
    Amulets,    // "Амулеты"
    Bracelets,  // "Браслеты"
    Armour,     // "Броня"
    Pendants,   // "Кулоны"
    Boots,      // "Обувь"
    Gloves,     // "Перчатки"
    Belts,      // "Пояса"
    Talismans,  // "Талисманы"
    Helmets,    // "Шлемы"
    Trousers,   // "Штаны"
    Shields,    // "Щиты"
    Rings,      // "Кольца"
};

constexpr int kCategoryCount = 13;

struct CategoryInfo {
    Category category;
    const char *typeValue;  // the value of the field `Тип`, UTF-8
};

// Indexed by static_cast<int>(Category).
extern const std::array<CategoryInfo, kCategoryCount> kCategories;

QString categoryTypeValue(Category c);
constexpr int categoryIndex(Category c) { return static_cast<int>(c); }

}  // namespace veldora
