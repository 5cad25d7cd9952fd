#include "CraftingFixtures.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace {

const QString kEnchanted = QString::fromUtf8(kEnchantedMessage);
const QString kReEnchanted = QString::fromUtf8(kReEnchantedMessage);
const QString kLevelTooLow = QString::fromUtf8(kLevelTooLowMessage);
const QString kNotWorn = QString::fromUtf8(kNotWornMessage);

QString cell(const PlannerFixture &f, Category c, Slot s, int column) {
    return f.state().catalogue.table(c).cell(column, f.row(s));
}

// Asserts that the entry is refused with exactly `message` and changes nothing.
void expectRefused(PlannerFixture &f, const char *entry, const QString &message) {
    const PlannerState before = f.state();
    f.messages.shown.clear();
    EXPECT_NE(enchantWornItem(f.planner, enchantment(entry)), EnchantResult::Enchanted) << entry;
    EXPECT_EQ(f.messages.shown, QStringList{message}) << entry;
    EXPECT_EQ(f.state(), before) << entry << ": " << firstDifference(f.state(), before);
}

}  // namespace

TEST(Enchanting, ArmourTiersOnAHelmetOfLevelTwelveAndReEnchantingReplacesTheBonus) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{27, QStringLiteral("30")}, {58, QStringLiteral("12")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(0, helm);

    EXPECT_EQ(enchantWornItem(f.planner, enchantment("N1011")), EnchantResult::Enchanted);
    EXPECT_EQ(f.messages.shown, QStringList{kEnchanted});
    EXPECT_EQ(f.row(Slot::Helmet), helm + 1);
    const Category H = Category::Helmets;
    EXPECT_EQ(cell(f, H, Slot::Helmet, 27), QStringLiteral("40"));
    EXPECT_EQ(cell(f, H, Slot::Helmet, col::Enchanted), QStringLiteral("1"));
    EXPECT_EQ(cell(f, H, Slot::Helmet, col::EnchantColumn), QStringLiteral("27"));
    EXPECT_EQ(cell(f, H, Slot::Helmet, col::EnchantAmount), QStringLiteral("10"));
    EXPECT_EQ(f.text(Lbl::LBronGolova), QStringLiteral("40"));

    expectRefused(f, "N1510", kLevelTooLow);  // 12 < 16

    f.messages.shown.clear();
    EXPECT_EQ(enchantWornItem(f.planner, enchantment("N515")), EnchantResult::Enchanted);
    EXPECT_EQ(f.messages.shown, QStringList{kReEnchanted});
    EXPECT_EQ(cell(f, H, Slot::Helmet, 27), QStringLiteral("35"));
    EXPECT_EQ(cell(f, H, Slot::Helmet, col::EnchantAmount), QStringLiteral("5"));
    EXPECT_EQ(f.text(Lbl::LBronGolova), QStringLiteral("35"));
}

TEST(Enchanting, ReEnchantingAnotherColumnTakesTheOldEnchantmentBackOut) {
    CatalogueBuilder b;
    const int pendant = b.add(Category::Pendants, QStringLiteral("Кулон"),
                              {{45, QStringLiteral("4")}, {50, QStringLiteral("1")}, {58, QStringLiteral("10")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(1, pendant);

    ASSERT_EQ(enchantWornItem(f.planner, enchantment("N237")), EnchantResult::Enchanted);  // "Чары силы"
    EXPECT_EQ(f.text(Lbl::LAddStat_sila), QStringLiteral("14"));
    ASSERT_EQ(enchantWornItem(f.planner, enchantment("N236")), EnchantResult::Enchanted);  // "Чары везения"
    const Category P = Category::Pendants;
    EXPECT_EQ(cell(f, P, Slot::Pendant, 45), QStringLiteral("4"));
    EXPECT_EQ(cell(f, P, Slot::Pendant, 50), QStringLiteral("11"));
    EXPECT_EQ(cell(f, P, Slot::Pendant, col::EnchantColumn), QStringLiteral("50"));
    EXPECT_EQ(f.text(Lbl::LAddStat_sila), QStringLiteral("4"));
    EXPECT_EQ(f.text(Lbl::LAddStat_uda4a), QStringLiteral("11"));
    EXPECT_EQ(f.messages.shown, (QStringList{kEnchanted, kReEnchanted}));
}

TEST(Enchanting, TheRequiredLevelIsComparedStrictlyAndRingsAndTalismansNeedFifteen) {
    CatalogueBuilder b;
    const int belt = b.add(Category::Belts, QStringLiteral("Пояс"),
                           {{58, QStringLiteral("10")}, {51, QStringLiteral("7")}, {42, QStringLiteral("5")}});
    const int ring14 = b.add(Category::Rings, QStringLiteral("Кольцо 14"), {{58, QStringLiteral("14")}});
    const int ring15 = b.add(Category::Rings, QStringLiteral("Кольцо 15"), {{58, QStringLiteral("15")}});
    const int tal14 = b.add(Category::Talismans, QStringLiteral("Талисман 14"), {{58, QStringLiteral("14")}});
    const int tal15 = b.add(Category::Talismans, QStringLiteral("Талисман 15"), {{58, QStringLiteral("15")}});
    PlannerFixture f(b.catalogue);
    for (auto [tab, row] : {std::pair{3, belt}, {11, ring14}, {11, ring15}, {12, tal14}, {12, tal15}})
        f.planner.clickCatalogueItem(tab, row);
    const qint64 capacity = f.value(Lbl::LabelMaxMassa);

    // "Чары путника" needs level 10: the belt has exactly that.
    EXPECT_EQ(enchantWornItem(f.planner, enchantment("N225")), EnchantResult::Enchanted);
    EXPECT_EQ(cell(f, Category::Belts, Slot::Belt, 42), QStringLiteral("205"));
    EXPECT_EQ(f.value(Lbl::LabelMaxMassa), capacity + 200);
    EXPECT_EQ(f.state().requirements.cell(2, 4), QStringLiteral("7")) << "the belt's requirement row";
    expectRefused(f, "N1512", kLevelTooLow);
    expectRefused(f, "N290", kLevelTooLow);     // ring 1: "Уникальные чары движения (+2)"
    expectRefused(f, "N200MP6", kLevelTooLow);  // talisman 1
    EXPECT_EQ(enchantWornItem(f.planner, enchantment("N291")), EnchantResult::Enchanted);   // ring 2
    EXPECT_EQ(enchantWornItem(f.planner, enchantment("N2106")), EnchantResult::Enchanted);  // talisman 2
    EXPECT_EQ(f.text(Lbl::LMoveSpeed), QStringLiteral("2"));
    EXPECT_EQ(f.text(Lbl::LRegenMp), QStringLiteral("2"));
    EXPECT_EQ(f.row(Slot::Ring1), ring14) << "the other ring is not touched";
}

TEST(Enchanting, AnEmptySlotOrASecondWeaponInTheShieldSlotIsNotWorn) {
    CatalogueBuilder b;
    const int dagger = b.add(Category::Weapons, QStringLiteral("Кинжал"),
                             {{col::SecondWeapon, QStringLiteral("Да")}, {58, QStringLiteral("20")}});
    b.add(Category::Shields, QStringLiteral("Щит"), {{35, QStringLiteral("100")}, {58, QStringLiteral("20")}});
    PlannerFixture f(b.catalogue);
    expectRefused(f, "N515", kNotWorn);

    f.planner.clickCatalogueItem(8, dagger);
    ASSERT_EQ(f.row(Slot::OffHand), 1);
    ASSERT_EQ(f.state().offHandKind, OffHandKind::Dagger);
    expectRefused(f, "N1200hp1", kNotWorn);  // the shield of the same row number stays out of it
}

TEST(Enchanting, FaultyCellsAndAFullTableChangeNothingAndShowNoSuccess) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{27, QStringLiteral("5")}, {58, QStringLiteral("16")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(0, helm);
    const PlannerState worn = f.state();
    const auto withCells = [&](const Cells &cells) {
        PlannerState s = worn;
        for (const auto &[column, text] : cells) s.catalogue.table(Category::Helmets).setCell(column, helm, text);
        f.planner.restore(s);
    };
    const QString prefix = QStringLiteral("Предмет «Шлем» не зачарован: ");

    withCells({{58, QStringLiteral("")}});
    expectRefused(f, "N515", prefix + QStringLiteral("поле «Треб Уровень» не заполнено."));
    withCells({{27, QStringLiteral("2147483640")}});
    expectRefused(f, "N1011", prefix + QStringLiteral("в поле «Броня Головы» получилось бы 2147483650, а ячейка держит "
                                                      "числа от -2147483648 до 2147483647."));
    withCells({{col::Enchanted, QStringLiteral("1")}, {col::EnchantColumn, QStringLiteral("x")}});
    expectRefused(f, "N515", prefix + QStringLiteral("в поле «Номер поля чар» записано «x», а не целое число."));
    withCells({{col::Enchanted, QStringLiteral("1")}, {col::EnchantColumn, QStringLiteral("1")}});
    expectRefused(f, "N515",
                  prefix + QStringLiteral("в поле «Номер поля чар» записано «1», а не номер поля, которое поднимают чары."));
    withCells({{col::Enchanted, QStringLiteral("1")}, {col::EnchantColumn, QStringLiteral("27")},
               {col::EnchantAmount, QStringLiteral("много")}});
    expectRefused(f, "N515", prefix + QStringLiteral("в поле «Прибавка чар» записано «много», а не целое число."));

    withCells({});
    PlannerState full = f.state();
    for (int r = 2; r <= CategoryTable::kMaxItemRows; ++r)
        full.catalogue.table(Category::Helmets).setCell(col::Name, r, n(r));
    f.planner.restore(full);
    expectRefused(f, "N515", prefix + QStringLiteral("в таблице «Шлемы» нет свободной строки (в ней уже 255 предметов)."));
}

TEST(EnchantMenu, EveryEntryIsNamedOnceAndEnchantsTheSlotOfItsSubmenu) {
    QSet<QString> names;
    QString slotMenu;
    int enabled = 0, disabled = 0;
    for (const EnchantMenuLine &line : enchantMenu()) {
        if (line.kind == EnchantLineKind::Separator) continue;
        EXPECT_FALSE(line.objectName.isEmpty()) << line.caption.toStdString();
        EXPECT_FALSE(names.contains(line.objectName)) << line.objectName.toStdString();
        names.insert(line.objectName);
        if (line.depth == 0) slotMenu = line.caption;
        if (line.kind != EnchantLineKind::Entry) continue;
        if (!line.enabled) {
            ++disabled;
            continue;
        }
        ++enabled;
        const Enchantment &e = line.enchantment;
        // "Кольцо 3" is the submenu of the slot keyed "Кольцо3".
        EXPECT_EQ(QString(slotMenu).remove(u' '), QString::fromUtf8(slotInfo(e.slot).slotKey))
            << line.objectName.toStdString();
        EXPECT_GT(e.bonus, 0);
        EXPECT_TRUE(e.minLevel == 2 || e.minLevel == 10 || e.minLevel == 15 || e.minLevel == 16);
    }
    EXPECT_EQ(enabled, 153);
    EXPECT_EQ(disabled, 32);
    EXPECT_EQ(enchantEntry(QStringLiteral("N256")), nullptr) << "a disabled entry cannot be chosen";
}
