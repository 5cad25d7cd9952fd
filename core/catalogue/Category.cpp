#include "catalogue/Category.h"

namespace veldora {

const std::array<CategoryInfo, kCategoryCount> kCategories = {{
    {Category::Weapons, "Оружия"},
    {Category::Amulets, "Амулеты"},
    {Category::Bracelets, "Браслеты"},
    {Category::Armour, "Броня"},
    {Category::Pendants, "Кулоны"},
    {Category::Boots, "Обувь"},
    {Category::Gloves, "Перчатки"},
    {Category::Belts, "Пояса"},
    {Category::Talismans, "Талисманы"},
    {Category::Helmets, "Шлемы"},
    {Category::Trousers, "Штаны"},
    {Category::Shields, "Щиты"},
    {Category::Rings, "Кольца"},
}};

QString categoryTypeValue(Category c) {
    return QString::fromUtf8(kCategories[categoryIndex(c)].typeValue);
}

}  // namespace veldora
