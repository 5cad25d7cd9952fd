#include "FuzzSeeds.h"

#include "FixtureCatalogue.h"
#include "JetProperties.h"
#include "JetWriter.h"
#include "catalogue/ItemColumns.h"

namespace veldora::fuzz {

namespace {

using testing::FixtureCatalogue;

FixtureCatalogue catalogue(int rings) {
    FixtureCatalogue f;
    f.addItem(Category::Weapons, QStringLiteral("Меч"), 3, {{col::SetName, QStringLiteral("Ангела")}, {col::Price, QStringLiteral("з5")}})
        .addItem(Category::Helmets, QStringLiteral("Шлем"), 1, {{col::ReqStrength, QStringLiteral("2")}})
        .addItem(Category::Shields, QStringLiteral("Щит"), 2)
        .addItemOfType(QStringLiteral("Зелья"), QStringLiteral("Зелье"), 1)
        .addSet(QStringLiteral("Ангела"), 2, {{1, QStringLiteral("10")}})
        .addSet(QStringLiteral("No Full"), 0)
        .addReport(QStringLiteral("01.01.2010 10:00"), QStringLiteral("Начало"));
    for (int i = 0; i < rings; ++i) f.addItem(Category::Rings, QStringLiteral("Кольцо %1").arg(i), i % 7);
    return f;
}

QByteArray tableBlob(const QString &column, int descriptionRepeats) {
    return jet::propertyBlob(
        {{QString(), {{QStringLiteral("Description"), jet::prop::Memo, jet::textValue(QStringLiteral("Предметы ").repeated(descriptionRepeats))},
                      {QStringLiteral("Orientation"), jet::prop::Integer, QByteArray(2, '\0')},
                      {QStringLiteral("Updated"), jet::prop::DateTime, QByteArray(8, '\0')}}},
         {column,
          {{QStringLiteral("Required"), jet::prop::Bool, jet::boolValue(true)},
           {QStringLiteral("GUID"), jet::prop::Binary, QByteArray(16, '\x5A')},
           {QStringLiteral("ColumnWidth"), jet::prop::Long, jet::longValue(1440)},
           {QStringLiteral("Price"), jet::prop::Currency, QByteArray(8, '\0')}}}});
}

QByteArray build(const FixtureCatalogue &f, const std::vector<jet::TableProperties> &properties = {}) {
    return jet::buildDatabase(f.tables(), properties).bytes;
}

}  // namespace

std::vector<Seed> databaseSeeds() {
    const FixtureCatalogue small = catalogue(0);
    return {
        {QStringLiteral("seed-small.mdb"), build(small)},
        {QStringLiteral("seed-rings.mdb"), build(catalogue(40))},
        {QStringLiteral("seed-properties-inline.mdb"), build(small, {{0, tableBlob(QStringLiteral("Название"), 2), jet::LongValueForm::Inline}})},
        {QStringLiteral("seed-properties-row.mdb"), build(small, {{1, tableBlob(QStringLiteral("Комплект"), 20), jet::LongValueForm::OneRow}})},
        {QStringLiteral("seed-properties-chain.mdb"), build(small, {{2, tableBlob(QStringLiteral("Отчёт"), 150), jet::LongValueForm::Chain}})},
    };
}

std::vector<Seed> tinySeeds() {
    // One table of one column: small files whose bytes are mostly catalogue structure.
    const std::vector<jet::Table> tables{
        {QStringLiteral("Предметы"), {{QStringLiteral("ID"), jet::ColumnType::AutoNumber, 0}}, {{QString()}, {QString()}}}};
    std::vector<Seed> seeds;
    const std::pair<const char *, jet::LongValueForm> forms[] = {
        {"inline", jet::LongValueForm::Inline}, {"row", jet::LongValueForm::OneRow}, {"chain", jet::LongValueForm::Chain}};
    for (const auto &[name, form] : forms)
        seeds.push_back({QStringLiteral("tiny-properties-%1.mdb").arg(QLatin1String(name)),
                         jet::buildDatabase(tables, {{0, tableBlob(QStringLiteral("ID"), form == jet::LongValueForm::Chain ? 150 : 2), form}}).bytes});
    return seeds;
}

std::vector<Seed> propertySeeds() {
    return {
        {QStringLiteral("seed-table.bin"), tableBlob(QStringLiteral("Название"), 3)},
        {QStringLiteral("seed-caption.bin"),
         jet::propertyBlob({{QString(), {{QStringLiteral("Caption"), jet::prop::Text, jet::textValue(QStringLiteral("Шлемы"))}}}})},
    };
}

}  // namespace veldora::fuzz
