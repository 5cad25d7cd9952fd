#pragma once

#include "catalogue/Category.h"
#include "catalogue/CategoryTable.h"
#include "catalogue/SetBonusTable.h"

#include <QString>
#include <QVector>
#include <array>

namespace veldora {

struct Report {
    QString id;  // decimal text
    QString date;
    QString text;
    bool operator==(const Report &) const = default;
};

// Everything read from the item database at start-up.
struct Catalogue {
    std::array<CategoryTable, kCategoryCount> tables{
        CategoryTable(Category::Weapons),  CategoryTable(Category::Amulets),
        CategoryTable(Category::Bracelets), CategoryTable(Category::Armour),
        CategoryTable(Category::Pendants), CategoryTable(Category::Boots),
        CategoryTable(Category::Gloves),   CategoryTable(Category::Belts),
        CategoryTable(Category::Talismans), CategoryTable(Category::Helmets),
        CategoryTable(Category::Trousers), CategoryTable(Category::Shields),
        CategoryTable(Category::Rings)};
    SetBonusTable sets;
    QVector<Report> reports;  // by ID, newest first
    int itemCount = 0;        // every record of the 13 categories, kept or not

    CategoryTable &table(Category c) { return tables[categoryIndex(c)]; }
    const CategoryTable &table(Category c) const { return tables[categoryIndex(c)]; }

    bool operator==(const Catalogue &) const = default;
};

}  // namespace veldora
