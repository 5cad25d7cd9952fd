#include "CraftingFixtures.h"
#include "views/ItemInfoText.h"

#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace {

const QString kForged = QString::fromUtf8(kForgedMessage);

}  // namespace

TEST(Forge, OnlyTheValuesAnItemHasCanBeForgedAndCopperRaisesTheArmourRows) {
    CatalogueBuilder b;
    b.add(Category::Helmets, QStringLiteral("Обруч"));
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"),
                           {{27, QStringLiteral("10")}, {58, QStringLiteral("4")}, {51, QStringLiteral("2")}});
    PlannerFixture f(b.catalogue);
    f.planner.equipFromCatalogue(Category::Helmets, QStringLiteral("Стража"), Slot::Helmet, helm);
    const RequirementTable requirementsBefore = f.state().requirements;

    Forge forge = openForge(f, "N211");
    EXPECT_EQ(forge.caption, QStringLiteral("Ковка предмета - Шлем"));
    EXPECT_EQ(forge.unitsText(), QStringLiteral("5"));
    const int head = forgeRow("Label_BronGolova_Add"), body = forgeRow("Label_BronTela_add");
    const int copper = forgePair("PButton_Bron");
    for (int r = 0; r < kForgeRowCount; ++r) EXPECT_EQ(forge.rowEnabled[r], r == head) << kForgeRows[r].valueLabel;
    for (int p = 0; p < kForgePairCount; ++p) {
        EXPECT_EQ(forge.pairEnabled[p], p == copper) << kForgePairs[p].plusButton;
        EXPECT_TRUE(forge.plusVisible[p]);
        EXPECT_FALSE(forge.minusVisible[p]);
    }

    // A disabled pair does not react; copper raises only the enabled armour row.
    const Forge fresh = forge;
    press(forge, "PButton_Krit", 1);
    forge.minus(copper);
    EXPECT_EQ(forge, fresh);
    press(forge, "PButton_Bron", 3);
    EXPECT_EQ(forge.additionText(head), QStringLiteral("+6"));
    EXPECT_EQ(forge.additionText(body), QStringLiteral("+0"));
    EXPECT_EQ(forge.units, 2);
    EXPECT_TRUE(forge.minusVisible[copper]);

    EXPECT_EQ(applyForge(f.planner, forge), ForgeResult::Forged);
    EXPECT_EQ(f.messages.shown, QStringList{kForged});
    const int copy = f.row(Slot::Helmet);
    EXPECT_EQ(copy, helm + 1);
    const CategoryTable &t = f.state().catalogue.table(Category::Helmets);
    EXPECT_EQ(t.cell(27, copy), QStringLiteral("16"));
    EXPECT_EQ(t.cell(col::ForgeCount, copy), QStringLiteral("1"));
    EXPECT_EQ(f.text(Lbl::LBronGolova), QStringLiteral("16"));
    EXPECT_EQ(f.state().requirements, requirementsBefore) << "requirements are not raised";
    EXPECT_EQ(f.state().slot(Slot::Helmet).setName, QStringLiteral("Стража"))
        << "the copy stays in the set the slot counted it in, whatever its row says";
}

TEST(Forge, SilverAndRubyBothForgeTheDamageAndTheirAdditionsAreSummed) {
    CatalogueBuilder b;
    const int sword = b.add(Category::Weapons, QStringLiteral("Меч"), {{40, QStringLiteral("5")}, {41, QStringLiteral("9")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(8, sword);

    Forge forge = openForge(f, "N219");
    press(forge, "PButton_Weapon", 2);
    press(forge, "PButton_Weapon2", 1);
    ASSERT_EQ(applyForge(f.planner, forge), ForgeResult::Forged);
    const CategoryTable &t = f.state().catalogue.table(Category::Weapons);
    EXPECT_EQ(t.cell(40, f.row(Slot::Weapon)), QStringLiteral("9"));
    EXPECT_EQ(t.cell(41, f.row(Slot::Weapon)), QStringLiteral("18"));
    EXPECT_EQ(f.text(Lbl::LMax), QStringLiteral("18"));
}

TEST(Forge, AnArtefactHasTenUnitsAndThePlusPicturesFollowTheUnitsLeft) {
    CatalogueBuilder b;
    const int amulet = b.add(Category::Amulets, QStringLiteral("Амулет"),
                             {{col::Artefact, QStringLiteral("да")}, {6, QStringLiteral("1")}, {45, QStringLiteral("1")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(4, amulet);

    Forge forge = openForge(f, "N215");
    EXPECT_EQ(forge.units, 10);
    const int krit = forgePair("PButton_Krit"), sila = forgePair("PButton_Sila");
    press(forge, "PButton_Krit", 9);
    press(forge, "PButton_Sila", 1);
    EXPECT_EQ(forge.unitsText(), QStringLiteral("0"));
    for (int p = 0; p < kForgePairCount; ++p) EXPECT_FALSE(forge.plusVisible[p]);
    press(forge, "PButton_Krit", 1);
    EXPECT_EQ(forge.additionText(forgeRow("Label_Krit_Add")), QStringLiteral("+45")) << "no unit left to spend";

    forge.minus(sila);
    EXPECT_EQ(forge.units, 1);
    for (int p = 0; p < kForgePairCount; ++p) EXPECT_TRUE(forge.plusVisible[p]);
    EXPECT_FALSE(forge.minusVisible[sila]);
    EXPECT_TRUE(forge.minusVisible[krit]);

    // Reopening discards what was spent.
    forge = openForge(f, "N215");
    EXPECT_EQ(forge.units, 10);
    EXPECT_EQ(forge.additionText(forgeRow("Label_Krit_Add")), QStringLiteral("+0"));
}

// The copy keeps the original's requirements; with the check switched on after
// the item was put on, the copy still goes on and the unmet level shows.
TEST(Forge, NothingSpentStillForgesAndForgingAgainCountsOnFromTheCopyWhateverTheCheckSays) {
    CatalogueBuilder b;
    const int boots = b.add(Category::Boots, QStringLiteral("Сапоги"), {{30, QStringLiteral("3")}, {58, QStringLiteral("30")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(5, boots);
    f.planner.setRequirementCheckOn(true);

    ASSERT_EQ(applyForge(f.planner, openForge(f, "N216")), ForgeResult::Forged);
    ASSERT_EQ(applyForge(f.planner, openForge(f, "N216")), ForgeResult::Forged);
    EXPECT_EQ(f.messages.shown, (QStringList{kForged, kForged}));
    const CategoryTable &t = f.state().catalogue.table(Category::Boots);
    EXPECT_EQ(f.row(Slot::Boots), boots + 2);
    EXPECT_EQ(t.cell(col::ForgeCount, boots + 1), QStringLiteral("1"));
    EXPECT_EQ(t.cell(col::ForgeCount, boots + 2), QStringLiteral("2"));
    EXPECT_EQ(t.cell(30, boots + 2), QStringLiteral("3"));
    EXPECT_TRUE(buildItemInfo(t, boots + 2, InfoSource::WornItem).features.contains(QStringLiteral("Предмет закован: х2")));
    EXPECT_FALSE(buildItemInfo(t, boots, InfoSource::WornItem).features.contains(QStringLiteral("закован")));
    EXPECT_EQ(f.text(Lbl::LTreb_Lvl), QStringLiteral("30"));
}

TEST(Forge, AMenuEntryOfAnEmptySlotLeavesTheOpenForgeAsItWas) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{27, QStringLiteral("10")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(0, helm);

    Forge forge = openForge(f, "N211");
    press(forge, "PButton_Bron", 1);
    const Forge open = forge;
    EXPECT_FALSE(chooseForgeEntry(f.planner, forge, kForgeMenu[indexOf(kForgeMenu, &ForgeMenuEntry::objectName, "N1102")]));
    EXPECT_FALSE(chooseForgeEntry(f.planner, forge, kForgeMenu[indexOf(kForgeMenu, &ForgeMenuEntry::objectName, "N220")]));
    EXPECT_EQ(f.messages.shown, (QStringList{QStringLiteral("Кольцо не надето."), QStringLiteral("Шит не надет.")}));
    EXPECT_EQ(forge, open);
    EXPECT_EQ(applyForge(f.planner, forge), ForgeResult::Forged);
    EXPECT_EQ(f.state().catalogue.table(Category::Helmets).cell(27, f.row(Slot::Helmet)), QStringLiteral("12"));
}

TEST(Forge, ASecondWeaponInTheShieldSlotIsForgedFromTheWeaponsTable) {
    CatalogueBuilder b;
    const int sword = b.add(Category::Weapons, QStringLiteral("Меч"), {{40, QStringLiteral("4")}, {41, QStringLiteral("6")}});
    const int dagger = b.add(Category::Weapons, QStringLiteral("Кинжал"),
                             {{col::SecondWeapon, QStringLiteral("Да")}, {6, QStringLiteral("7")}});
    b.add(Category::Shields, QStringLiteral("Щит"), {{6, QStringLiteral("50")}});
    b.add(Category::Shields, QStringLiteral("Щит 2"), {{6, QStringLiteral("60")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(8, dagger);  // an empty off-hand takes the second weapon
    f.planner.clickCatalogueItem(8, sword);
    ASSERT_EQ(f.state().offHandKind, OffHandKind::Dagger);
    const CategoryTable shields = f.state().catalogue.table(Category::Shields);

    Forge forge = openForge(f, "N220");
    EXPECT_EQ(forge.slot, Slot::OffHand);
    EXPECT_EQ(forge.table, Category::Weapons) << "the second weapon, not a shield";
    EXPECT_EQ(forge.caption, QStringLiteral("Ковка предмета - Кинжал"));
    press(forge, "PButton_Krit", 2);
    ASSERT_EQ(applyForge(f.planner, forge), ForgeResult::Forged);
    const CategoryTable &weapons = f.state().catalogue.table(Category::Weapons);
    EXPECT_EQ(weapons.cell(col::Name, f.row(Slot::OffHand)), QStringLiteral("Кинжал"));
    EXPECT_EQ(weapons.cell(6, f.row(Slot::OffHand)), QStringLiteral("17"));
    EXPECT_EQ(f.row(Slot::Weapon), sword);
    EXPECT_EQ(f.text(Lbl::LCrit), QStringLiteral("17"));
    EXPECT_EQ(f.state().catalogue.table(Category::Shields), shields);
    EXPECT_EQ(f.state().requirements.cell(1, 10), QStringLiteral("0")) << "the off-hand keeps requirement row 10";
}

TEST(Forge, AfterTheForgingIsUndoneTheRefusalNamesTheItemTheForgeWasOpenedOn) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{27, QStringLiteral("5")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(0, helm);
    const PlannerState beforeForging = f.state();
    Forge forge = openForge(f, "N211");
    press(forge, "PButton_Bron", 1);
    ASSERT_EQ(applyForge(f.planner, forge), ForgeResult::Forged);
    forge = openForge(f, "N211");  // the window stays open on the copy
    press(forge, "PButton_Bron", 1);
    f.planner.restore(beforeForging);  // the undo: the copy's row holds nothing now

    f.messages.shown.clear();
    EXPECT_EQ(applyForge(f.planner, forge), ForgeResult::Refused);
    EXPECT_EQ(forge.itemName(), QStringLiteral("Шлем"));
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("Предмет «Шлем» не закован: на его слоте теперь другой "
                                                           "предмет или другая копия; откройте ковку снова из меню "
                                                           "«Ковать».")});
}

TEST(Forge, RefusalsShowOneMessageAndChangeNothing) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{27, QStringLiteral("2147483646")}});
    const int other = b.add(Category::Helmets, QStringLiteral("Шапка"), {{27, QStringLiteral("1")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(0, helm);

    const auto expectRefused = [&](const Forge &forge, const QString &message) {
        const PlannerState before = f.state();
        f.messages.shown.clear();
        EXPECT_EQ(applyForge(f.planner, forge), ForgeResult::Refused);
        EXPECT_EQ(f.messages.shown, QStringList{message});
        EXPECT_EQ(f.state(), before) << firstDifference(f.state(), before);
    };

    Forge forge = openForge(f, "N211");
    press(forge, "PButton_Bron", 1);
    expectRefused(forge, QStringLiteral("Предмет «Шлем» не закован: в поле «Броня Головы» получилось бы 2147483648, "
                                        "а ячейка держит числа от -2147483648 до 2147483647."));

    PlannerState odd = f.state();
    odd.catalogue.table(Category::Helmets).setCell(col::ForgeCount, helm, QStringLiteral("два"));
    f.planner.restore(odd);
    expectRefused(openForge(f, "N211"),
                  QStringLiteral("Предмет «Шлем» не закован: в поле «Уровень ковки» записано «два», а не целое число."));

    // The window was opened for another item than the slot now wears.
    f.planner.clickCatalogueItem(0, other);
    expectRefused(forge, QStringLiteral("Предмет «Шлем» не закован: на его слоте теперь другой предмет или другая "
                                        "копия; откройте ковку снова из меню «Ковать»."));
    f.planner.clickSlot(Slot::Helmet);
    expectRefused(forge, QStringLiteral("Предмет «Шлем» не закован: он больше не надет."));
    f.planner.clickCatalogueItem(0, other);

    // The table is full: every row up to 255 holds an item.
    PlannerState full = f.state();
    CategoryTable &helmets = full.catalogue.table(Category::Helmets);
    for (int r = helmets.rowCount(); r <= CategoryTable::kMaxItemRows; ++r) helmets.setCell(col::Name, r, n(r));
    f.planner.restore(full);
    expectRefused(openForge(f, "N211"),
                  QStringLiteral("Предмет «Шапка» не закован: в таблице «Шлемы» нет свободной строки "
                                 "(в ней уже 255 предметов)."));
}
