#include "FixtureCatalogue.h"
#include "catalogue/CatalogueLoader.h"
#include "catalogue/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace veldora;
using veldora::testing::FixtureCatalogue;
using veldora::testing::FixtureValues;

namespace {

CatalogueLoad writeAndLoad(const FixtureCatalogue &f, QTemporaryDir &dir) {
    const QString error = f.write(dir.path());
    EXPECT_EQ(error, QString());
    return loadCatalogue(dir.path());
}

CatalogueLoad writeAndLoad(const std::vector<jet::Table> &tables, QTemporaryDir &dir) {
    const QString error = FixtureCatalogue::writeTables(dir.path(), tables);
    EXPECT_EQ(error, QString());
    return loadCatalogue(dir.path());
}

QStringList names(const CategoryTable &t) {
    QStringList n;
    for (int row = 1; row < t.rowCount(); ++row) n << t.cell(col::Name, row);
    return n;
}

QStringList setNames(const SetBonusTable &t) {
    QStringList n;
    for (int row = 1; row < t.rowCount(); ++row) n << t.cell(0, row);
    return n;
}

}  // namespace

TEST(CatalogueLoader, FilesItemsByCategoryInLevelOrderWithEqualLevelsInStorageOrder) {
    QTemporaryDir dir;
    FixtureCatalogue f;
    f.addItem(Category::Helmets, QStringLiteral("Шлем C"), 5)
        .addItem(Category::Rings, QStringLiteral("Кольцо"), 1)
        .addItem(Category::Helmets, QStringLiteral("Шлем A"), 2)
        .addItemOfType(QStringLiteral("Зелья"), QStringLiteral("Зелье"), 1)  // no category: not read, not counted
        .addItemOfType(std::nullopt, QStringLiteral("Без типа"), 1)
        .addItem(Category::Helmets, QStringLiteral("Шлем B1"), 5, {{col::KO, QStringLiteral("-7")}})
        .addItem(Category::Helmets, QStringLiteral("Шлем B2"), 5)
        .addItem(Category::Helmets, QStringLiteral("Шлем Z"), -3);
    const CatalogueLoad load = writeAndLoad(f, dir);
    ASSERT_EQ(load.error, QString());
    ASSERT_TRUE(load.catalogue);
    EXPECT_TRUE(load.warnings.isEmpty());
    const Catalogue &c = *load.catalogue;
    EXPECT_EQ(c.itemCount, 6);
    const CategoryTable &helmets = c.table(Category::Helmets);
    EXPECT_EQ(names(helmets), (QStringList{"Шлем Z", "Шлем A", "Шлем C", "Шлем B1", "Шлем B2"}));
    EXPECT_EQ(helmets.rowCount(), 6);
    EXPECT_EQ(helmets.cell(col::ReqLevel, 1), QStringLiteral("-3"));
    EXPECT_EQ(helmets.cell(col::KO, 4), QStringLiteral("-7"));
    EXPECT_EQ(names(c.table(Category::Rings)), QStringList{"Кольцо"});
    EXPECT_EQ(c.table(Category::Weapons).rowCount(), 1);
    EXPECT_EQ(c.table(Category::Weapons).cell(col::Name, 1), QString());
    for (int column = 0; column < kItemColumnCount; ++column) EXPECT_EQ(helmets.cell(column, 0), QString());
}

TEST(CatalogueLoader, CopiesEveryFieldToItsColumnAndZeroesTheCraftingColumns) {
    QTemporaryDir dir;
    FixtureValues values;
    for (const ItemColumn &c : kItemColumns)
        if (c.type == JetFieldType::Text)
            values[c.column] = QStringLiteral("%1ж").arg(c.column).left(c.width);
    values[col::KO] = QStringLiteral("32767");
    values[col::File] = QString();  // empty text is a value, not a NULL
    FixtureCatalogue f;
    f.addItem(Category::Belts, QStringLiteral("x"), -32768, values);
    const CatalogueLoad load = writeAndLoad(f, dir);
    ASSERT_TRUE(load.catalogue) << load.error.toStdString();
    const CategoryTable &belts = load.catalogue->table(Category::Belts);
    for (const ItemColumn &c : kItemColumns) {
        const QString expected = c.column == col::ReqLevel ? QStringLiteral("-32768")
                                 : c.column == col::KO    ? QStringLiteral("32767")
                                                          : *values[c.column];
        EXPECT_EQ(belts.cell(c.column, 1), expected) << c.field;
    }
    for (int column : {col::ForgeCount, col::Enchanted, col::EnchantColumn, col::EnchantAmount})
        EXPECT_EQ(belts.cell(column, 1), QStringLiteral("0"));
    EXPECT_EQ(belts.cell(0, 1), QString());
}

TEST(CatalogueLoader, MatchesFieldAndTableNamesWithoutLetterCase) {
    QTemporaryDir dir;
    FixtureCatalogue f;
    f.addItem(Category::Boots, QStringLiteral("Сапоги"), 1, {{95, QStringLiteral("4")}});
    f.addSet(QStringLiteral("Ангела"), 3, {{20, QStringLiteral("6")}});
    auto tables = f.tables();
    for (jet::Table &t : tables)
        for (jet::Column &c : t.columns) c.name = c.name.toUpper();
    tables[0].name = QStringLiteral("ПРЕДМЕТЫ");
    const CatalogueLoad load = writeAndLoad(tables, dir);
    ASSERT_TRUE(load.catalogue) << load.error.toStdString();
    EXPECT_EQ(load.catalogue->table(Category::Boots).cell(95, 1), QStringLiteral("4"));
    EXPECT_EQ(load.catalogue->sets.cell(20, 1), QStringLiteral("6"));
}

TEST(CatalogueLoader, ComparesTheTypeWithoutLetterCaseAsTheDatabaseDoes) {
    QLocale::setDefault(QLocale::c());
    QTemporaryDir dir;
    FixtureCatalogue f;
    f.addItemOfType(QStringLiteral("шлемы"), QStringLiteral("Шлем 1"), 3)
        .addItemOfType(QStringLiteral("ШЛЕМЫ"), QStringLiteral("Шлем 2"), 1)
        .addItem(Category::Helmets, QStringLiteral("Шлем 3"), 2)
        .addItemOfType(QStringLiteral("кОЛЬЦА"), QStringLiteral("Кольцо"), 1)
        .addItemOfType(QStringLiteral("ЁЛКИ"), QStringLiteral("Ёлка"), 1)        // no such category
        .addItemOfType(QStringLiteral("Шлемы "), QStringLiteral("Не шлем"), 1)   // another text, not another case
        .addItemOfType(QStringLiteral("Щиты1"), QStringLiteral("Не щит"), 1);
    const CatalogueLoad load = writeAndLoad(f, dir);
    QLocale::setDefault(QLocale::system());
    ASSERT_TRUE(load.catalogue) << load.error.toStdString();
    EXPECT_EQ(names(load.catalogue->table(Category::Helmets)), (QStringList{"Шлем 2", "Шлем 3", "Шлем 1"}));
    EXPECT_EQ(names(load.catalogue->table(Category::Rings)), QStringList{"Кольцо"});
    EXPECT_EQ(load.catalogue->table(Category::Shields).rowCount(), 1);
    EXPECT_EQ(load.catalogue->itemCount, 4);
}

TEST(CatalogueLoader, OrdersSetsUnderRussianCollationWhateverTheLocale) {
    QLocale::setDefault(QLocale::c());
    QTemporaryDir dir;
    FixtureCatalogue f;
    for (const char *name : {"жук", "ёж", "Ангел", "еда", "бездна", "ангел", "Ёлка"})
        f.addSet(QString::fromUtf8(name), 2, {{1, QString::fromUtf8(name) + QStringLiteral("!")}});
    const CatalogueLoad load = writeAndLoad(f, dir);
    QLocale::setDefault(QLocale::system());
    ASSERT_TRUE(load.catalogue) << load.error.toStdString();
    const SetBonusTable &sets = load.catalogue->sets;
    // Equal names (ignoring case) keep storage order; ё sorts with е, not after я.
    EXPECT_EQ(setNames(sets), (QStringList{"Ангел", "ангел", "бездна", "еда", "ёж", "Ёлка", "жук"}));
    EXPECT_EQ(sets.rowCount(), 8);
    EXPECT_EQ(sets.cell(1, 2), QStringLiteral("ангел!"));
    EXPECT_EQ(sets.cell(kSetNeededColumn, 7), QStringLiteral("2"));
    EXPECT_EQ(sets.cell(44, 0), QStringLiteral("Аура Стих. защиты"));
    EXPECT_EQ(sets.findSet(QStringLiteral("жук")), 7);
}

TEST(CatalogueLoader, ReadsReportsNewestFirst) {
    QTemporaryDir dir;
    FixtureCatalogue f;
    f.addReport(QStringLiteral("01.01.2010"), QStringLiteral("первый"), 5)
        .addReport(QStringLiteral("03.01.2010"), QStringLiteral("третий"), 12)
        .addReport(QStringLiteral("02.01.2010"), QString(), 7);
    const CatalogueLoad load = writeAndLoad(f, dir);
    ASSERT_TRUE(load.catalogue) << load.error.toStdString();
    const QVector<Report> expected{{"12", "03.01.2010", "третий"}, {"7", "02.01.2010", ""}, {"5", "01.01.2010", "первый"}};
    EXPECT_EQ(load.catalogue->reports, expected);
    EXPECT_EQ(load.catalogue->sets.rowCount(), 1);
}

TEST(CatalogueLoader, KeepsTheFirst255ItemsAnd254SetsAndWarnsOfTheRest) {
    QTemporaryDir dir;
    FixtureCatalogue f;
    for (int i = 0; i < 300; ++i) f.addItem(Category::Rings, QStringLiteral("Кольцо %1").arg(i), 300 - i);
    for (int i = 0; i < 255; ++i) f.addItem(Category::Amulets, QStringLiteral("Амулет %1").arg(i), 1);
    for (int i = 0; i < 256; ++i) f.addSet(QStringLiteral("Комплект %1").arg(i, 3, 10, QLatin1Char('0')), 2);
    const CatalogueLoad load = writeAndLoad(f, dir);
    ASSERT_TRUE(load.catalogue) << load.error.toStdString();
    const Catalogue &c = *load.catalogue;
    EXPECT_EQ(c.itemCount, 555);
    const CategoryTable &rings = c.table(Category::Rings);
    EXPECT_EQ(rings.rowCount(), 256);
    EXPECT_EQ(rings.cell(col::Name, 1), QStringLiteral("Кольцо 299"));
    EXPECT_EQ(rings.cell(col::Name, 255), QStringLiteral("Кольцо 45"));
    EXPECT_EQ(rings.cell(col::Name, 0), QString());
    EXPECT_EQ(rings.firstFreeRow(), std::nullopt);
    EXPECT_EQ(c.table(Category::Amulets).rowCount(), 256);
    EXPECT_EQ(c.sets.rowCount(), 255);
    EXPECT_EQ(c.sets.cell(0, 254), QStringLiteral("Комплект 253"));
    ASSERT_EQ(load.warnings.size(), 2);
    EXPECT_TRUE(load.warnings.join('\n').contains(QStringLiteral("«Кольца»: 300")));
    EXPECT_TRUE(load.warnings.join('\n').contains(QStringLiteral("(45)")));
    EXPECT_TRUE(load.warnings.join('\n').contains(QStringLiteral("(2)")));
}

TEST(CatalogueLoader, FindsTheDatabaseWhoseFolderAndFileNamesDifferInLetterCase) {
    QTemporaryDir dir;
    FixtureCatalogue f;
    f.addItem(Category::Helmets, QStringLiteral("Шлем"), 1);
    ASSERT_EQ(f.write(dir.path()), QString());
    QDir root(dir.path());
    ASSERT_TRUE(root.rename(QStringLiteral("base/main.mdb"), QStringLiteral("base/Main.MDB")));
    ASSERT_TRUE(root.rename(QStringLiteral("base"), QStringLiteral("Base")));
    forgetFolderListings();
    EXPECT_EQ(catalogueDatabasePath(dir.path()), dir.path() + QStringLiteral("/Base/Main.MDB"));
    const CatalogueLoad load = loadCatalogue(dir.path());
    ASSERT_TRUE(load.catalogue) << load.error.toStdString();
    EXPECT_EQ(names(load.catalogue->table(Category::Helmets)), QStringList{"Шлем"});
}

TEST(CatalogueLoader, ADatabaseThatCannotBeOpenedIsNamedWithTheReasonInRussian) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.path() + QStringLiteral("/base/main.mdb")));
    forgetFolderListings();
    const CatalogueLoad load = loadCatalogue(dir.path());
    EXPECT_FALSE(load.catalogue);
    EXPECT_EQ(load.error, QStringLiteral("Не удалось прочитать файл базы предметов «%1/base/main.mdb»: "
                                         "открываемый файл является каталогом.")
                              .arg(dir.path()));
}
