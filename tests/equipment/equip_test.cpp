#include "app/CatalogueTabs.h"
#include "support/PlannerFixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace {

QString n(qint64 v) { return QString::number(v); }

// An item with every column of the sheet non-zero, and requirements.
Cells loaded(int base) {
    Cells cells;
    for (const ItemEffect &e : kItemEffects) cells.emplace_back(e.column, n(base + e.column));
    cells.emplace_back(col::Mass, QStringLiteral("2,25"));
    cells.emplace_back(col::KO, QStringLiteral("3"));
    cells.emplace_back(col::Price, QStringLiteral("м12,5"));
    for (const RequirementColumn &r : kRequirementColumns)
        if (r.itemColumn) cells.emplace_back(r.itemColumn, n(r.column));
    return cells;
}

}  // namespace

TEST(Requirements, EqualPassesOneLessFailsAndOwnBonusDoesNotCount) {
    CatalogueBuilder b;
    const int ring = b.add(Category::Rings, QStringLiteral("Кольцо силы"),
                           {{51, QStringLiteral("8")}, {45, QStringLiteral("5")}});
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{45, QStringLiteral("5")}, {58, QStringLiteral("1")}});
    const int hat = b.add(Category::Helmets, QStringLiteral("Шапка"), {{58, QStringLiteral("2")}});
    const int weak = b.add(Category::Helmets, QStringLiteral("Обруч"), {{45, QStringLiteral("4")}});
    PlannerFixture f(b.catalogue);
    f.planner.setRequirementCheckOn(true);

    const PlannerState before = f.state();
    EXPECT_EQ(f.planner.equipFromCatalogue(Category::Rings, {}, Slot::Ring1, ring), EquipResult::RequirementsNotMet)
        << "own 3 + items 0 < 8; the ring's own 5 does not count";
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("Требования не выполнены.")});
    EXPECT_EQ(f.hiddenInfoPanels, 1);
    EXPECT_EQ(f.state(), before);
    EXPECT_EQ(f.state().requirements.cell(1, 12), QStringLiteral("1"));

    EXPECT_EQ(f.planner.equipFromCatalogue(Category::Helmets, {}, Slot::Helmet, weak), EquipResult::Equipped);
    EXPECT_EQ(f.planner.equipFromCatalogue(Category::Rings, {}, Slot::Ring1, ring), EquipResult::RequirementsNotMet)
        << "own 3 + helmet 4 is one less than 8";
    f.planner.clickSlot(Slot::Helmet);
    EXPECT_EQ(f.planner.equipFromCatalogue(Category::Helmets, {}, Slot::Helmet, helm), EquipResult::Equipped);
    EXPECT_EQ(f.planner.equipFromCatalogue(Category::Rings, {}, Slot::Ring1, ring), EquipResult::Equipped)
        << "own 3 + helmet 5 = 8";
    EXPECT_EQ(f.planner.equipFromCatalogue(Category::Helmets, {}, Slot::Trousers, hat), EquipResult::RequirementsNotMet)
        << "level 2 on level 1";

    f.planner.setRequirementCheckOn(false);
    EXPECT_EQ(f.planner.equipFromCatalogue(Category::Helmets, {}, Slot::Trousers, hat), EquipResult::Equipped);
    EXPECT_EQ(f.text(Lbl::LTreb_Lvl), QStringLiteral("2"));
    EXPECT_EQ(f.text(Lbl::LTreb_sila), QStringLiteral("8"));
    EXPECT_FALSE(f.sheet().unmet[stat::Sila]);
    f.planner.clickSlot(Slot::Helmet);
    EXPECT_FALSE(f.sheet().unmet[stat::Sila]) << "once worn, the ring's own 5 counts: 3 + 5 = 8";
    f.planner.minus(PointTable::Stats, stat::Sila);  // at its minimum: nothing
    EXPECT_EQ(f.text(Lbl::LStat_sila), QStringLiteral("3"));
}

TEST(Requirements, MaximaFollowTheWornItemsAboveTheirFloors) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{58, QStringLiteral("12")}, {86, QStringLiteral("4")}});
    const int ring = b.add(Category::Rings, QStringLiteral("Кольцо"), {{58, QStringLiteral("15")}, {56, QStringLiteral("-5")}});
    PlannerFixture f(b.catalogue);
    f.planner.equipFromCatalogue(Category::Helmets, {}, Slot::Helmet, helm);
    f.planner.equipFromCatalogue(Category::Rings, {}, Slot::Ring4, ring);
    EXPECT_EQ(f.text(Lbl::LTreb_Lvl), QStringLiteral("15"));
    EXPECT_EQ(f.text(Lbl::LTrebMagic_earth), QStringLiteral("4"));
    EXPECT_EQ(f.text(Lbl::LTreb_sila), QStringLiteral("3")) << "items requiring 0 keep the floor";
    EXPECT_EQ(f.text(Lbl::LTreb_intel), QStringLiteral("1"));
    EXPECT_EQ(f.state().requirements.cell(1, 15), QStringLiteral("15"));
    EXPECT_EQ(f.state().requirements.cell(9, 15), QStringLiteral("Любая"));
    EXPECT_EQ(f.state().requirements.cell(0, 15), QStringLiteral("Кольцо 4"));
    f.planner.clickSlot(Slot::Ring4);
    EXPECT_EQ(f.text(Lbl::LTreb_Lvl), QStringLiteral("12"));
    EXPECT_EQ(f.state().requirements.cell(1, 15), QStringLiteral("1"));
    f.planner.clickSlot(Slot::Helmet);
    EXPECT_EQ(f.text(Lbl::LTreb_Lvl), QStringLiteral("1"));
    EXPECT_EQ(f.text(Lbl::LTrebMagic_earth), QStringLiteral("0"));
    EXPECT_EQ(f.text(Lbl::LTreb_uda4a), QStringLiteral("0"));
}

TEST(Equipping, PutOnAndTakeOffRestoresEveryValue) {
    CatalogueBuilder b;
    const int full = b.add(Category::Weapons, QStringLiteral("Меч всего"), loaded(1));
    const int other = b.add(Category::Weapons, QStringLiteral("Нож"), {{col::Price, QStringLiteral("м0,1")},
                                                                       {col::Mass, QStringLiteral("0,2")}});
    PlannerFixture f(b.catalogue);
    f.planner.equipFromCatalogue(Category::Weapons, {}, Slot::Weapon, other);
    f.planner.clickSlot(Slot::Weapon);  // the set count now runs on every change
    f.planner.equipFromCatalogue(Category::Weapons, {}, Slot::Weapon, other);
    const PlannerState before = f.state();

    ASSERT_EQ(f.planner.equipFromCatalogue(Category::Weapons, QStringLiteral("Тест"), Slot::OffHand, full),
              EquipResult::Equipped);
    EXPECT_EQ(f.text(Lbl::LMoneti), QStringLiteral("12,6"));
    EXPECT_EQ(f.text(Lbl::LabelMassa), QStringLiteral("2,45"));
    EXPECT_EQ(f.text(Lbl::LKO), QStringLiteral("3"));
    EXPECT_EQ(f.text(Lbl::LCrit), n(1 + 6));
    EXPECT_EQ(f.text(Lbl::LMoveSpeed), n(1 + 106));
    EXPECT_EQ(f.text(Lbl::LAddMagic_mental), n(1 + 81));
    EXPECT_EQ(f.state().itemTotals.values[stat::Sila], 1 + 45);
    EXPECT_EQ(f.text(Lbl::LTotalStat_sila), n(3 + 46));
    EXPECT_EQ(f.text(Lbl::LTrebMagic_mental), QStringLiteral("22"));
    EXPECT_EQ(f.state().slot(Slot::OffHand).setName, QStringLiteral("Тест"));
    EXPECT_EQ(f.state().slot(Slot::OffHand).picture, QStringLiteral("/nonexistent/img/no_image.bmp"));
    EXPECT_EQ(f.text(Lbl::LAddStat_hp), QStringLiteral("0"));

    f.planner.resetRequirementRow(10);
    f.planner.takeOff(Slot::OffHand, Category::Weapons);
    EXPECT_EQ(f.state(), before) << firstDifference(f.state(), before);
    EXPECT_TRUE(f.messages.shown.isEmpty());
}

TEST(Equipping, PricesGoByCurrencyLetter) {
    CatalogueBuilder b;
    const int coins = b.add(Category::Helmets, QStringLiteral("a"), {{col::Price, QStringLiteral("м12,5")}});
    const int gold = b.add(Category::Belts, QStringLiteral("b"), {{col::Price, QStringLiteral("з3.25")}});
    const int bare = b.add(Category::Boots, QStringLiteral("c"), {{col::Price, QStringLiteral("7")}});
    const int none = b.add(Category::Gloves, QStringLiteral("d"), {{col::Price, QString()}});
    PlannerFixture f(b.catalogue);
    f.planner.equipFromCatalogue(Category::Helmets, {}, Slot::Helmet, coins);
    f.planner.equipFromCatalogue(Category::Belts, {}, Slot::Belt, gold);
    f.planner.equipFromCatalogue(Category::Boots, {}, Slot::Boots, bare);
    f.planner.equipFromCatalogue(Category::Gloves, {}, Slot::Gloves, none);
    EXPECT_EQ(f.text(Lbl::LMoneti), QStringLiteral("12,5"));
    EXPECT_EQ(f.text(Lbl::LZoloto), QStringLiteral("3,25"));
    EXPECT_EQ(f.row(Slot::Gloves), none);

    f.planner.setDecimalSeparator(QStringLiteral("."));
    f.planner.clickSlot(Slot::Boots);
    EXPECT_EQ(f.text(Lbl::LMoneti), QStringLiteral("12,5")) << "untouched sums keep their text";
    f.planner.equipFromCatalogue(Category::Helmets, {}, Slot::Trousers, coins);
    EXPECT_EQ(f.text(Lbl::LMoneti), QStringLiteral("25"));
    f.planner.clickSlot(Slot::Helmet);
    EXPECT_EQ(f.text(Lbl::LMoneti), QStringLiteral("12.5"));
}

TEST(Equipping, ItemWithACellThatIsNotANumberIsRefusedWhole) {
    // Every cell equipping converts, one at a time.
    std::vector<int> columns{col::Price};
    for (const ItemEffect &e : kItemEffects) columns.push_back(e.column);
    for (const RequirementColumn &r : kRequirementColumns)
        if (r.itemColumn) columns.push_back(r.itemColumn);
    ASSERT_EQ(columns.size(), 1u + kItemEffectCount + 21u);

    for (int column : columns) {
        for (const QString &bad : {QStringLiteral("x"), QString()}) {
            CatalogueBuilder b;
            const int good = b.add(Category::Helmets, QStringLiteral("Хороший"), {{45, QStringLiteral("2")}});
            const QString cell = column == col::Price ? QStringLiteral("м") + bad : bad;
            const int broken = b.add(Category::Helmets, QStringLiteral("Кривой"), {{column, cell}});
            PlannerFixture f(b.catalogue);
            f.planner.clickCatalogueItem(0, good);
            f.planner.clickSlot(Slot::Helmet);  // the slot is empty and its row at the defaults
            const PlannerState before = f.state();
            f.messages.shown.clear();

            f.planner.clickCatalogueItem(0, broken);
            EXPECT_EQ(f.state(), before) << "column " << column << ": " << firstDifference(f.state(), before);
            ASSERT_EQ(f.messages.shown.size(), 1) << "column " << column;
            const QString &m = f.messages.shown.front();
            EXPECT_TRUE(m.startsWith(QStringLiteral("Предмет «Кривой» не надет: "))) << m.toStdString();
            const auto field = std::find_if(kItemColumns.begin(), kItemColumns.end(),
                                            [&](const ItemColumn &c) { return c.column == column; });
            EXPECT_TRUE(m.contains(itemFieldName(*field))) << m.toStdString();
        }
    }
    CatalogueBuilder b;
    const int strength = b.add(Category::Helmets, QStringLiteral("Кривой"), {{45, QStringLiteral("пять")}});
    PlannerFixture f(b.catalogue);
    EXPECT_EQ(f.planner.equipFromCatalogue(Category::Helmets, {}, Slot::Helmet, strength), EquipResult::BadItem);
    EXPECT_EQ(f.messages.shown,
              QStringList{QStringLiteral("Предмет «Кривой» не надет: в поле «Сила» записано «пять», а не число.")});
}

TEST(Equipping, ByNameFindsRowsByNameThenSecondNameThenSet) {
    CatalogueBuilder b;
    const int low = b.add(Category::Helmets, QStringLiteral("Шлем ангела"), {{col::SetName, QStringLiteral("Ангела")}});
    b.add(Category::Helmets, QStringLiteral("Венец ангела"), {{col::SetName, QStringLiteral("Ангела")}});
    const int ring = b.add(Category::Rings, QStringLiteral("Кольцо"));
    const int copyOfRing = *b.catalogue.table(Category::Rings).appendRow(itemRow(QStringLiteral("Копия"), {{45, QStringLiteral("9")}}));
    PlannerFixture f(b.catalogue);
    const QString nil = QStringLiteral("nil");

    EXPECT_EQ(f.planner.equipByName(Category::Helmets, QStringLiteral("Ангела"), nil, Slot::Helmet, nil, 0), EquipResult::Equipped);
    EXPECT_EQ(f.row(Slot::Helmet), low) << "the set's item of lowest level";
    EXPECT_EQ(f.planner.equipByName(Category::Rings, QStringLiteral("Сет"), nil, Slot::Ring1, QStringLiteral("Кольцо"), 0),
              EquipResult::Equipped);
    EXPECT_EQ(f.row(Slot::Ring1), ring);
    EXPECT_EQ(f.state().slot(Slot::Ring1).setName, QStringLiteral("Сет"));

    const PlannerState before = f.state();
    EXPECT_EQ(f.planner.equipByName(Category::Rings, QStringLiteral("Ангела"), QStringLiteral("Нет такого"), Slot::Ring2,
                                    QStringLiteral("Кольцо"), 0),
              EquipResult::NotFound) << "a first name that matches nothing decides";
    EXPECT_EQ(f.state(), before);
    EXPECT_TRUE(f.messages.shown.isEmpty());

    // An appended copy beyond the row count: found by row, and by name as the first row past the count.
    EXPECT_EQ(f.planner.equipByName(Category::Rings, {}, nil, Slot::Ring2, nil, copyOfRing), EquipResult::Equipped);
    EXPECT_EQ(f.text(Lbl::LAddStat_sila), QStringLiteral("9"));
    f.planner.clickSlot(Slot::Ring2);
    EXPECT_EQ(f.text(Lbl::LAddStat_sila), QStringLiteral("0"));
    EXPECT_EQ(f.planner.equipByName(Category::Rings, {}, QStringLiteral("Копия"), Slot::Ring2, nil, 0), EquipResult::Equipped);
    EXPECT_EQ(f.planner.equipByName(Category::Rings, {}, nil, Slot::Ring3, nil, 256), EquipResult::NotFound);
}

TEST(TakingOff, ReplacingKeepsOnlyTheNewItemAndEmptySlotsChangeNothing) {
    CatalogueBuilder b;
    const int fast = b.add(Category::Weapons, QStringLiteral("Быстрый"), {{106, QStringLiteral("10")}});
    const int slow = b.add(Category::Weapons, QStringLiteral("Медленный"), {{106, QStringLiteral("5")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(tab::Weapons, fast);
    f.planner.clickCatalogueItem(tab::Weapons, slow);
    EXPECT_EQ(f.text(Lbl::LMoveSpeed), QStringLiteral("5"));

    const PlannerState before = f.state();
    EXPECT_TRUE(f.planner.takeOff(Slot::Helmet));
    EXPECT_EQ(f.state(), before) << "no recomputation for an empty slot";

    f.planner.takeOffAllItems();
    EXPECT_EQ(f.text(Lbl::LMoveSpeed), QStringLiteral("0"));
    EXPECT_EQ(f.row(Slot::Weapon), 0);
    EXPECT_EQ(f.state().slot(Slot::Weapon).picture, QString());
}

TEST(RingsAndTalismans, FillTheFirstFreeSlot) {
    CatalogueBuilder b;
    const int ring = b.add(Category::Rings, QStringLiteral("Кольцо"), {{45, QStringLiteral("1")}});
    const int tal = b.add(Category::Talismans, QStringLiteral("Талисман"));
    PlannerFixture f(b.catalogue);
    for (int i = 0; i < 5; ++i) f.planner.clickCatalogueItem(tab::Rings, ring);
    for (Slot s : kRingSlots) EXPECT_EQ(f.row(s), ring);
    EXPECT_EQ(f.text(Lbl::LAddStat_sila), QStringLiteral("5"));

    const PlannerState full = f.state();
    f.planner.clickCatalogueItem(tab::Rings, ring);
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("Все слоты для колец заняты.")});
    EXPECT_EQ(f.state(), full);

    f.planner.clickSlot(Slot::Ring3);
    f.planner.clickCatalogueItem(tab::Talismans, tal);
    EXPECT_EQ(f.row(Slot::Talisman1), tal);
    f.planner.clickCatalogueItem(tab::Rings, ring);
    EXPECT_EQ(f.row(Slot::Ring3), ring);

    for (int i = 0; i < 4; ++i) f.planner.clickCatalogueItem(tab::Talismans, tal);
    f.planner.clickCatalogueItem(tab::Talismans, tal);
    EXPECT_EQ(f.messages.shown.last(), QStringLiteral("Все слоты для талисманов заняты."));
    EXPECT_EQ(f.planner.clickSlot(Slot::Ring3), std::nullopt);
    EXPECT_EQ(f.planner.clickSlot(Slot::Ring3), tab::Rings) << "an empty ring slot opens the rings tab";
}

TEST(TwoHands, TwoHandedWeaponsShieldsAndSecondWeapons) {
    CatalogueBuilder b;
    const int sword = b.add(Category::Weapons, QStringLiteral("Меч"), {{6, QStringLiteral("1")}});
    const int big = b.add(Category::Weapons, QStringLiteral("Двуручник"), {{col::TwoHanded, QStringLiteral("ДА")}, {6, QStringLiteral("10")}});
    const int dagger = b.add(Category::Weapons, QStringLiteral("Кинжал"), {{col::SecondWeapon, QStringLiteral("да")}, {7, QStringLiteral("100")}});
    const int shield = b.add(Category::Shields, QStringLiteral("Щит"), {{8, QStringLiteral("1000")}});
    b.add(Category::Shields, QStringLiteral("Щит 2"));
    ASSERT_EQ(shield, sword);  // the same row number in both tables
    PlannerFixture f(b.catalogue);

    f.planner.clickCatalogueItem(tab::Shields, shield);
    f.planner.clickCatalogueItem(tab::Weapons, big);
    EXPECT_EQ(f.state().weaponGrip, WeaponGrip::TwoHanded);
    EXPECT_EQ(f.row(Slot::OffHand), 0) << "the shield is taken off";
    EXPECT_EQ(f.text(Lbl::LUvorot), QStringLiteral("0"));

    f.planner.clickCatalogueItem(tab::Shields, shield);
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("Оружие двуручное!")});
    EXPECT_EQ(f.hiddenInfoPanels, 1);
    EXPECT_EQ(f.row(Slot::OffHand), 0);

    EXPECT_EQ(f.planner.clickSlot(Slot::Weapon), std::nullopt);
    EXPECT_EQ(f.state().weaponGrip, WeaponGrip::Normal);
    f.planner.clickCatalogueItem(tab::Shields, shield);
    EXPECT_EQ(f.row(Slot::OffHand), shield);
    f.planner.clickSlot(Slot::OffHand);

    // Both hands empty, grip normal: a second weapon goes to the off-hand, the next to the weapon slot.
    f.planner.clickCatalogueItem(tab::Weapons, dagger);
    EXPECT_EQ(f.row(Slot::OffHand), dagger);
    EXPECT_EQ(f.state().offHandKind, OffHandKind::Dagger);
    f.planner.clickCatalogueItem(tab::Weapons, dagger);
    EXPECT_EQ(f.row(Slot::Weapon), dagger);
    f.planner.clickCatalogueItem(tab::Weapons, sword);
    EXPECT_EQ(f.row(Slot::Weapon), sword);
    EXPECT_EQ(f.row(Slot::OffHand), dagger) << "a one-handed weapon leaves the second weapon";
    EXPECT_EQ(f.text(Lbl::LZawOtKrita), QStringLiteral("100"));

    // The shield of the same row number replaces the dagger; the dagger's values go, not the shield's.
    f.planner.clickCatalogueItem(tab::Shields, shield);
    EXPECT_EQ(f.row(Slot::OffHand), shield);
    EXPECT_EQ(f.state().offHandKind, OffHandKind::Shield);
    EXPECT_EQ(f.text(Lbl::LZawOtKrita), QStringLiteral("0"));
    EXPECT_EQ(f.text(Lbl::LUvorot), QStringLiteral("1000"));

    // A second weapon taken off by everything-off subtracts from the weapons table.
    f.planner.clickSlot(Slot::OffHand);
    f.planner.clickCatalogueItem(tab::Weapons, big);  // empty off-hand, grip normal, not second: weapon slot
    f.planner.clickSlot(Slot::Weapon);
    f.planner.clickCatalogueItem(tab::Weapons, dagger);
    EXPECT_EQ(f.row(Slot::OffHand), dagger);
    f.planner.takeOffAllItems();
    EXPECT_EQ(f.text(Lbl::LZawOtKrita), QStringLiteral("0"));
    EXPECT_EQ(f.text(Lbl::LUvorot), QStringLiteral("0"));
    EXPECT_EQ(f.state().offHandKind, OffHandKind::Dagger) << "kept while empty";

    // The grip follows what is worn: a two-handed weapon refused by the check
    // leaves the weapon hand empty and the grip normal, so a shield still goes on.
    b.catalogue.table(Category::Weapons).setCell(58, big, QStringLiteral("99"));
    PlannerFixture g(b.catalogue);
    g.planner.setRequirementCheckOn(true);
    g.planner.clickCatalogueItem(tab::Weapons, big);
    EXPECT_EQ(g.row(Slot::Weapon), 0);
    EXPECT_EQ(g.messages.shown, QStringList{QStringLiteral("Требования не выполнены.")});
    EXPECT_EQ(g.state().weaponGrip, WeaponGrip::Normal);
    g.planner.clickCatalogueItem(tab::Shields, shield);
    EXPECT_EQ(g.row(Slot::OffHand), shield);
    EXPECT_EQ(g.messages.shown.size(), 1) << "no \"Оружие двуручное!\"";
    // Beside a shield the refused weapon still empties the off-hand, and the grip stays normal.
    g.planner.clickCatalogueItem(tab::Weapons, big);
    EXPECT_EQ(g.state().weaponGrip, WeaponGrip::Normal);
    EXPECT_EQ(g.row(Slot::OffHand), 0) << "the off-hand is emptied although the weapon failed";
    // A refused two-hander in place of a worn one: the old one is off, the hand empty.
    g.planner.setRequirementCheckOn(false);
    g.planner.clickCatalogueItem(tab::Weapons, big);
    ASSERT_EQ(g.state().weaponGrip, WeaponGrip::TwoHanded);
    g.planner.setRequirementCheckOn(true);
    g.planner.clickCatalogueItem(tab::Weapons, big);
    EXPECT_EQ(g.row(Slot::Weapon), 0);
    EXPECT_EQ(g.state().weaponGrip, WeaponGrip::Normal);
    g.planner.clickCatalogueItem(tab::Shields, shield);
    EXPECT_EQ(g.row(Slot::OffHand), shield);
}

TEST(Browser, SameItemClickDoesNothingAndBadRowsAreRefused) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{col::SetName, QStringLiteral("Ангела")}});
    const int helm2 = b.add(Category::Helmets, QStringLiteral("Шлем 2"));
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(0, helm);
    EXPECT_EQ(f.state().slot(Slot::Helmet).setName, QStringLiteral("Ангела"));
    const PlannerState worn = f.state();
    f.planner.clickCatalogueItem(0, helm);
    EXPECT_EQ(f.state(), worn);
    f.planner.clickCatalogueItem(0, helm2);
    EXPECT_EQ(f.row(Slot::Helmet), helm2);
    EXPECT_EQ(f.state().slot(Slot::Helmet).setName, QString());

    const PlannerState now = f.state();
    f.planner.clickCatalogueItem(0, 3);
    f.planner.clickCatalogueItem(0, 0);
    f.planner.clickCatalogueItem(13, 1);
    EXPECT_EQ(f.state(), now);
    EXPECT_EQ(f.messages.shown.size(), 2);
    EXPECT_EQ(f.messages.shown.front(), QStringLiteral("Предмет №3 вкладки «Шлемы» не найден в таблице предметов."));
}

TEST(Equipping, SlotShowsTheItemPictureOrTheFallback) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("img/sub")));
    QFile picture(folder.path() + QStringLiteral("/img/sub/helm.jpg"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();
    const QString fallback = folder.path() + QStringLiteral("/img/no_image.bmp");
    EXPECT_EQ(itemPicturePath(folder.path(), QStringLiteral("sub\\helm.jpg")), picture.fileName());
    EXPECT_EQ(itemPicturePath(folder.path(), QStringLiteral("sub/missing.jpg")), fallback);
    EXPECT_EQ(itemPicturePath(folder.path(), QStringLiteral("sub")), fallback) << "a folder is no picture";
    EXPECT_EQ(itemPicturePath(folder.path(), QString()), fallback);
}

TEST(TakingOff, AWornRowThatNoLongerReadsStaysOnWithEverythingElse) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{45, QStringLiteral("2")}});
    const int belt = b.add(Category::Belts, QStringLiteral("Пояс"), {{45, QStringLiteral("3")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(0, helm);
    f.planner.clickCatalogueItem(3, belt);
    PlannerState broken = f.state();
    broken.catalogue.table(Category::Belts).setCell(45, belt, QStringLiteral("три"));
    f.planner.restore(broken);

    EXPECT_FALSE(f.planner.takeOffAllItems());
    EXPECT_EQ(f.planner.clickSlot(Slot::Belt), std::nullopt);
    EXPECT_EQ(f.state(), broken) << firstDifference(f.state(), broken);
    EXPECT_EQ(f.messages.shown.size(), 2);
    EXPECT_EQ(f.messages.shown.front(), QStringLiteral("Предмет «Пояс» не снят: в поле «Сила» записано «три», а не число."));
    f.planner.clickSlot(Slot::Helmet);
    EXPECT_EQ(f.text(Lbl::LAddStat_sila), QStringLiteral("3"));
}

TEST(WornCopies, ReplacingTheWornItemIsWholeOrNothing) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), loaded(100));
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(0, helm);
    ASSERT_EQ(f.row(Slot::Helmet), helm);

    // A copy with stronger values goes on in its place.
    QVector<QString> cells = itemRow(QStringLiteral("Шлем"), loaded(200));
    const auto copy = f.planner.appendRow(Category::Helmets, cells);
    ASSERT_TRUE(copy);
    EXPECT_GT(*copy, helm);
    EXPECT_EQ(f.planner.replaceWornItem(Slot::Helmet, Category::Helmets, *copy, QString()), EquipResult::Equipped);
    EXPECT_EQ(f.row(Slot::Helmet), *copy);
    EXPECT_EQ(f.text(Lbl::LTotalStat_sila), n(3 + 200 + 45));

    // A copy that does not read leaves the worn one on, values and all; one message.
    cells[45] = QStringLiteral("x");
    const auto broken = f.planner.appendRow(Category::Helmets, cells);
    ASSERT_TRUE(broken);
    PlannerState before = f.state();
    f.messages.shown.clear();
    EXPECT_EQ(f.planner.replaceWornItem(Slot::Helmet, Category::Helmets, *broken, QString()), EquipResult::BadItem);
    EXPECT_EQ(f.messages.shown.size(), 1);
    EXPECT_EQ(f.state(), before) << firstDifference(f.state(), before);

    // Requirements unmet with the check on: refused, unless the caller waives the check.
    f.planner.setRequirementCheckOn(true);
    before = f.state();
    f.messages.shown.clear();
    EXPECT_EQ(f.planner.replaceWornItem(Slot::Helmet, Category::Helmets, helm, QString()),
              EquipResult::RequirementsNotMet);
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("Требования не выполнены.")});
    EXPECT_EQ(f.state(), before) << firstDifference(f.state(), before);
    EXPECT_EQ(f.planner.replaceWornItem(Slot::Helmet, Category::Helmets, helm, QString(), false),
              EquipResult::Equipped);
    EXPECT_EQ(f.row(Slot::Helmet), helm);

    // A full table appends nothing.
    CatalogueBuilder full;
    for (int i = 0; i < CategoryTable::kMaxItemRows; ++i) full.add(Category::Rings, QStringLiteral("К%1").arg(i));
    PlannerFixture g(full.catalogue);
    const PlannerState untouched = g.state();
    EXPECT_FALSE(g.planner.appendRow(Category::Rings, itemRow(QStringLiteral("Ещё"))));
    EXPECT_EQ(g.state(), untouched);
}
