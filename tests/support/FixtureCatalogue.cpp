#include "FixtureCatalogue.h"

#include "catalogue/ItemColumns.h"
#include "catalogue/SetBonusTable.h"

#include <QDir>

namespace veldora::testing {

namespace {

// Items: the fields that hold text rather than a number, with their defaults.
const std::map<int, const char *> kItemTextDefaults = {
    {col::Price, "м10"}, {col::Durability, "10/10"}, {col::SetName, ""}, {col::SecondWeapon, "Нет"},
    {col::ReqAlignment, ""}, {col::ReqClan, ""}, {col::Repair, "Да"}, {col::File, ""}, {col::Mass, "1"},
    {col::TwoHanded, "Нет"}, {col::Sex, ""}, {col::Lifetime, ""}, {col::PartOfSets, ""}, {col::Artefact, "Нет"},
};

jet::Column jetColumn(const QString &name, JetFieldType type, int width) {
    switch (type) {
    case JetFieldType::Text: return {name, jet::ColumnType::Text, width};
    case JetFieldType::Integer: return {name, jet::ColumnType::Integer, 0};
    case JetFieldType::Long: return {name, jet::ColumnType::Long, 0};
    case JetFieldType::AutoNumber: return {name, jet::ColumnType::AutoNumber, 0};
    }
    return {};
}

}  // namespace

FixtureCatalogue &FixtureCatalogue::addItem(Category category, const QString &name, int level,
                                            const FixtureValues &values) {
    return addItemOfType(categoryTypeValue(category), name, level, values);
}

FixtureCatalogue &FixtureCatalogue::addItemOfType(const std::optional<QString> &type, const QString &name, int level,
                                                  const FixtureValues &values) {
    jet::Row row{QString(), type};  // ID: the next number
    for (const ItemColumn &c : kItemColumns) {
        jet::Cell cell = QStringLiteral("0");
        if (const auto d = kItemTextDefaults.find(c.column); d != kItemTextDefaults.end())
            cell = QString::fromUtf8(d->second);
        if (c.column == col::Name) cell = name;
        if (c.column == col::ReqLevel) cell = QString::number(level);
        if (const auto v = values.find(c.column); v != values.end()) cell = v->second;
        row.push_back(cell);
    }
    items_.push_back(std::move(row));
    return *this;
}

FixtureCatalogue &FixtureCatalogue::addSet(const QString &name, int needed, const FixtureValues &values) {
    jet::Row row{QString()};
    for (const SetBonusColumn &c : kSetBonusColumns) {
        jet::Cell cell = QStringLiteral("0");
        if (c.column == 0) cell = name;
        if (c.column == kSetNeededColumn) cell = QString::number(needed);
        if (const auto v = values.find(c.column); v != values.end()) cell = v->second;
        row.push_back(cell);
    }
    sets_.push_back(std::move(row));
    return *this;
}

FixtureCatalogue &FixtureCatalogue::addReport(const QString &date, const QString &text, std::optional<int> id) {
    reports_.push_back({id ? QString::number(*id) : QString(), date, text});
    return *this;
}

std::vector<jet::Table> FixtureCatalogue::tables() const {
    jet::Table items{QStringLiteral("Предметы"),
                     {{QString::fromUtf8(kItemIdField), jet::ColumnType::AutoNumber, 0},
                      {QString::fromUtf8(kItemTypeField), jet::ColumnType::Text, kItemTypeWidth}},
                     items_};
    for (const ItemColumn &c : kItemColumns) items.columns.push_back(jetColumn(itemFieldName(c), c.type, c.width));

    jet::Table sets{QString::fromUtf8(kSetBonusTableName), {{QStringLiteral("ID"), jet::ColumnType::AutoNumber, 0}},
                    sets_};
    for (const SetBonusColumn &c : kSetBonusColumns)
        sets.columns.push_back({QString::fromUtf8(c.field), jet::ColumnType::Text, kSetBonusFieldWidth});

    jet::Table reports{QStringLiteral("Отчёты"),
                       {{QStringLiteral("ID"), jet::ColumnType::AutoNumber, 0},
                        {QStringLiteral("Дата"), jet::ColumnType::Text, 17},
                        {QStringLiteral("Отчёт"), jet::ColumnType::Text, 255}},
                       reports_};
    return {items, sets, reports};
}

QString FixtureCatalogue::write(const QString &programFolder) const { return writeTables(programFolder, tables()); }

QString FixtureCatalogue::writeTables(const QString &programFolder, const std::vector<jet::Table> &tables) {
    if (!QDir(programFolder).mkpath(QStringLiteral("base"))) return QStringLiteral("cannot create base/");
    return jet::writeDatabase(programFolder + QStringLiteral("/base/main.mdb"), tables);
}

int FixtureCatalogue::columnIndex(const jet::Table &table, const QString &name) {
    for (size_t i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].name == name) return int(i);
    return -1;
}

}  // namespace veldora::testing
