#pragma once

// Builds item databases for tests with our Jet writer: the tables `Предметы`,
// `Фулы Бонус` and `Отчёты` with the fields, types and widths of the real database.
//
//     FixtureCatalogue f;
//     f.addItem(Category::Helmets, "Шлем", 3, {{col::Price, "з5"}});
//     f.addSet("Ангела", 4, {{1, "10"}});
//     f.addReport("01.02.2010 10:00", "Добавлены шлемы");
//     ASSERT_EQ(f.write(folder), "");   // folder/base/main.mdb
//
// Records are stored in the order they are added (the loader's sort is stable, so that
// order matters). Items default every numeric field to "0"; the text fields default to a
// price "м10", durability "10/10", "Да" for repair, "Нет" for the flags, mass "1" and empty
// text elsewhere (set, picture, alignment, clan, sex, lifetime, sets). Sets default every
// bonus to "0". Values are overridden by column number (`col::` constants for items,
// 0..47 for sets); std::nullopt writes NULL.

#include "JetWriter.h"
#include "catalogue/Category.h"

#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace veldora::testing {

using FixtureValues = std::map<int, std::optional<QString>>;

class FixtureCatalogue {
public:
    FixtureCatalogue &addItem(Category category, const QString &name, int level, const FixtureValues &values = {});
    // An item whose `Тип` is given as it is: outside the thirteen categories, or NULL.
    FixtureCatalogue &addItemOfType(const std::optional<QString> &type, const QString &name, int level,
                                    const FixtureValues &values = {});
    FixtureCatalogue &addSet(const QString &name, int needed, const FixtureValues &values = {});
    // The ID is the next number unless given.
    FixtureCatalogue &addReport(const QString &date, const QString &text, std::optional<int> id = std::nullopt);

    // The three tables, for tests that change them (drop a table or field) before writing.
    std::vector<jet::Table> tables() const;

    // Writes `programFolder/base/main.mdb`, creating `base`; returns an error, empty on success.
    QString write(const QString &programFolder) const;
    static QString writeTables(const QString &programFolder, const std::vector<jet::Table> &tables);

    // The column of a table by name, or -1.
    static int columnIndex(const jet::Table &table, const QString &name);

private:
    std::vector<jet::Row> items_, sets_, reports_;
};

}  // namespace veldora::testing
