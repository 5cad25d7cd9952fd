#include "app/CatalogueTabs.h"
#include "character/SetBonus.h"
#include "support/PlannerFixtures.h"

#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace {

void enter(PlannerFixture &f, std::initializer_list<const char *> texts) {
    int field = 0;
    for (const char *t : texts) f.planner.setEntryText(field++, QString::fromUtf8(t));
}

constexpr int kSila = 0, kLovkost = 1, kIntuiciya = 2, kHp = 3, kUda4a = 7;

}  // namespace

TEST(Creation, StartsAFreshCharacterWithEveryDerivedValueComputed) {
    PlannerFixture f;
    const PlannerState &s = f.state();
    EXPECT_EQ(f.text(Lbl::Label_lvl), QStringLiteral("[1]"));
    EXPECT_EQ(f.text(Lbl::LStat_new), QStringLiteral("5"));
    EXPECT_EQ(f.text(Lbl::LTotalStat_sila), QStringLiteral("3"));
    EXPECT_EQ(f.text(Lbl::LTotalStat_intel), QStringLiteral("1"));
    EXPECT_EQ(f.text(Lbl::LabelHP), QStringLiteral("24/24"));
    EXPECT_EQ(f.text(Lbl::LBAuraStihZawiti), QStringLiteral("0"));
    EXPECT_EQ(f.text(Lbl::LabelMaxMassa), QStringLiteral("12")) << "design caption until the first recompute";
    EXPECT_FALSE(s.sheet.entryPanelVisible);
    EXPECT_FALSE(s.firstSetEvaluation);
    EXPECT_EQ(s.wornSetName, QString()) << "the first evaluation does not count";
    EXPECT_EQ(s.weaponGrip, WeaponGrip::Normal);
    EXPECT_EQ(s.offHandKind, OffHandKind::Shield);
    EXPECT_EQ(s.sheet.setBonusPanel.top, s.sheet.statBonusPanel.top + 24 + 10);
    for (int r = 0; r < kPointRowCount; ++r) {
        EXPECT_TRUE(s.sheet.buttons[r].plusVisible);
        EXPECT_FALSE(s.sheet.buttons[r].minusVisible) << kPointRows[r].caption;
    }
    for (const SlotInfo &slot : kSlots) EXPECT_EQ(s.requirements.cell(2, slot.requirementRow), QStringLiteral("3"));
    EXPECT_EQ(s.entryTexts[11], QStringLiteral("0"));
}

TEST(PointDistribution, ButtonsFollowFreePointsAndMinimums) {
    PlannerFixture f;
    enter(f, {"1", "1", "0", "2"});
    ASSERT_TRUE(f.planner.applyCharacterEntry());
    EXPECT_FALSE(f.sheet().buttons[kPointTables[1].firstRow].plusVisible) << "no mastery points";

    f.planner.plus(PointTable::Stats, kSila);
    EXPECT_EQ(f.text(Lbl::LStat_sila), QStringLiteral("4"));
    EXPECT_EQ(f.text(Lbl::LStat_new), QStringLiteral("0"));
    EXPECT_EQ(f.text(Lbl::LabelMaxMassa), QStringLiteral("16"));
    EXPECT_EQ(f.text(Lbl::LTotalStat_sila), QStringLiteral("4"));
    for (int r = 0; r < 8; ++r) EXPECT_FALSE(f.sheet().buttons[r].plusVisible);
    EXPECT_TRUE(f.sheet().buttons[kSila].minusVisible);

    const PlannerState noPoints = f.state();
    f.planner.plus(PointTable::Stats, kLovkost);  // hidden: cannot be clicked
    EXPECT_EQ(f.state(), noPoints);

    f.planner.minus(PointTable::Stats, kSila);
    EXPECT_EQ(f.text(Lbl::LStat_sila), QStringLiteral("3"));
    EXPECT_FALSE(f.sheet().buttons[kSila].minusVisible);
    for (int r = 0; r < 8; ++r) EXPECT_TRUE(f.sheet().buttons[r].plusVisible);
    f.planner.minus(PointTable::Stats, kSila);
    EXPECT_EQ(f.text(Lbl::LStat_sila), QStringLiteral("3")) << "not below the minimum";
    EXPECT_EQ(f.text(Lbl::LStat_new), QStringLiteral("1"));

    f.planner.plus(PointTable::Magic, 5);  // fire
    EXPECT_EQ(f.text(Lbl::LMagic_fire), QStringLiteral("1"));
    EXPECT_EQ(f.text(Lbl::LTotalMagic_Fire), QStringLiteral("1"));
    EXPECT_EQ(f.text(Lbl::Lmagic_new), QStringLiteral("1"));
    EXPECT_TRUE(f.sheet().buttons[13 + 5].minusVisible);
    f.planner.plus(PointTable::Magic, 99);  // no such row
    EXPECT_EQ(f.text(Lbl::Lmagic_new), QStringLiteral("1"));
}

TEST(PointDistribution, LuckNeedsLevelFiveAndStatsDriveTheirDerivedValues) {
    PlannerFixture f;
    enter(f, {"4", "3", "1", "1", "3", "3", "299", "3", "3", "1", "1", "0"});
    ASSERT_TRUE(f.planner.applyCharacterEntry());
    const PlannerState level4 = f.state();
    f.planner.plus(PointTable::Stats, kUda4a);
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("Функция не доступна, т.к. ваш уровень ниже 5.")});
    EXPECT_EQ(f.state(), level4);

    f.planner.plus(PointTable::Stats, kIntuiciya);
    EXPECT_TRUE(f.sheet().auras[5].visible) << "Интуиция 300 gives the elemental protection aura";
    EXPECT_EQ(f.sheet().auras[5].hint, QStringLiteral("Аура: стихийной защиты х1"));
    EXPECT_EQ(std::pair(f.sheet().auras[5].left, f.sheet().auras[5].top), std::pair(19, 453));
    EXPECT_EQ(f.sheet().setBonusPanel.top, f.sheet().statBonusPanel.top + f.sheet().statBonusPanel.height + 10)
        << "the set panel follows the grown stat panel";

    f.planner.plus(PointTable::Stats, kHp);
    EXPECT_EQ(f.text(Lbl::LabelHP), QStringLiteral("272/272"));  // 80 × 3 + 8 × 4

    enter(f, {"5", "1"});
    ASSERT_TRUE(f.planner.applyCharacterEntry());
    f.planner.plus(PointTable::Stats, kUda4a);
    EXPECT_EQ(f.text(Lbl::LStat_uda4a), QStringLiteral("1"));
    EXPECT_EQ(f.text(Lbl::LTotalStat_uda4a), QStringLiteral("1"));
}

TEST(PointDistribution, RaisingAStatToItsRequirementClearsTheMark) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{51, QStringLiteral("5")}, {45, QStringLiteral("1")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(0, helm);  // checking is off: worn although not met
    EXPECT_TRUE(f.sheet().unmet[kSila]);
    f.planner.plus(PointTable::Stats, kSila);
    EXPECT_FALSE(f.sheet().unmet[kSila]) << "3 + 1 + 1 item = 5";
}

TEST(CharacterEntry, ChecksEveryFieldBeforeChangingAnything) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{col::Price, QStringLiteral("м10")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(0, helm);
    f.planner.showCharacterEntry();
    enter(f, {"abc", "5", "1", "1", "3", "3", "3", "3", "3", "1", "1", "7x"});
    const PlannerState before = f.state();
    EXPECT_FALSE(f.planner.applyCharacterEntry());
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("'7x' is not a valid integer value")})
        << "own values are read first";
    EXPECT_EQ(f.state(), before);
    EXPECT_TRUE(f.sheet().entryPanelVisible);
    EXPECT_EQ(f.row(Slot::Helmet), helm);

    f.planner.setEntryText(11, QStringLiteral("0"));
    EXPECT_FALSE(f.planner.applyCharacterEntry());
    EXPECT_EQ(f.messages.shown.last(), QStringLiteral("'abc' is not a valid integer value"));
    f.planner.setEntryText(0, QString());
    EXPECT_FALSE(f.planner.applyCharacterEntry());
    EXPECT_EQ(f.messages.shown.last(), QStringLiteral("'' is not a valid integer value"));

    enter(f, {"-2", "-3", "0", "4", "1", "3", "3", "3", "3", "1", "1", "0"});
    EXPECT_TRUE(f.planner.applyCharacterEntry());
    EXPECT_EQ(f.text(Lbl::Label_lvl), QStringLiteral("[1]"));
    EXPECT_EQ(f.text(Lbl::LStat_new), QStringLiteral("0"));
    EXPECT_EQ(f.text(Lbl::Lmagic_new), QStringLiteral("4"));
    EXPECT_EQ(f.text(Lbl::LMoneti), QStringLiteral("0"));
    EXPECT_EQ(f.row(Slot::Helmet), 0);
    EXPECT_FALSE(f.sheet().entryPanelVisible);
    EXPECT_FALSE(f.sheet().buttons[kSila].plusVisible);
    EXPECT_FALSE(f.sheet().buttons[kSila].minusVisible) << "own 1 is below the minimum 3";
    EXPECT_TRUE(f.sheet().unmet[kSila]) << "1 < the floor requirement 3";
    EXPECT_EQ(f.text(Lbl::LTotalStat_sila), QStringLiteral("1"));
}

TEST(SlotClicks, EmptySlotsOpenTheirTabAndTheImageCloseHidesTheEntry) {
    PlannerFixture f;
    EXPECT_EQ(f.planner.clickSlot(Slot::Helmet), 0);
    EXPECT_EQ(f.planner.clickSlot(Slot::OffHand), tab::Shields);
    EXPECT_EQ(f.planner.clickSlot(Slot::Weapon), tab::Weapons);
    EXPECT_EQ(f.planner.clickSlot(Slot::Ring5), tab::Rings);
    EXPECT_EQ(f.planner.clickSlot(Slot::Talisman2), tab::Talismans);
    EXPECT_EQ(f.planner.clickSlot(Slot::Trousers), 10);
    f.planner.showCharacterEntry();
    EXPECT_TRUE(f.sheet().entryPanelVisible);
    f.planner.hideCharacterEntry();
    EXPECT_FALSE(f.sheet().entryPanelVisible);
    for (int t = 0; t < kCatalogueTabCount; ++t) {
        const CatalogueTab &tab = kCatalogueTabs[t];
        EXPECT_EQ(slotInfo(tab.slot).category, tab.category);
        EXPECT_EQ(catalogueTabOf(tab.category), t);
    }
}

TEST(SetBonus, AppliesOnlyWhileTheSetLeadsWithEnoughItems) {
    CatalogueBuilder b;
    const QString angel = QStringLiteral("Ангела");
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{col::SetName, angel}});
    const int ring = b.add(Category::Rings, QStringLiteral("Кольцо"), {{col::SetName, angel}});
    b.addSet(angel, 6, {{30, QStringLiteral("4")}, {29, QStringLiteral("10")}, {25, QStringLiteral("100")}});
    // Eleven other slots, each of its own set, so that empty slots do not lead.
    const Slot others[] = {Slot::Pendant, Slot::Armour, Slot::Amulet,   Slot::Boots,     Slot::Bracelets, Slot::Gloves,
                           Slot::Weapon,  Slot::OffHand, Slot::Trousers, Slot::Talisman1, Slot::Talisman2};
    std::vector<int> otherRows;
    for (Slot slot : others)
        otherRows.push_back(b.add(slotInfo(slot).category, QStringLiteral("Вещь"),
                                  {{col::SetName, QString::fromUtf8(slotInfo(slot).pictureBox)}}));
    PlannerFixture f(b.catalogue);

    f.planner.clickCatalogueItem(0, helm);
    for (int i = 0; i < 5; ++i) f.planner.clickCatalogueItem(tab::Rings, ring);
    EXPECT_EQ(f.state().wornSetName, kNoSetName) << "15 empty slots lead 6";
    EXPECT_EQ(f.text(Lbl::LFSila), QStringLiteral("0"));
    f.planner.clickSlot(Slot::Ring5);

    for (std::size_t i = 0; i < std::size(others); ++i)
        f.planner.equipFromCatalogue(slotInfo(others[i]).category,
                                     QString::fromUtf8(slotInfo(others[i]).pictureBox), others[i], otherRows[i]);
    EXPECT_EQ(f.text(Lbl::LFSila), QStringLiteral("0")) << "five of six";
    EXPECT_EQ(f.text(Lbl::LabelMaxMassa), QStringLiteral("12"));
    f.planner.clickCatalogueItem(tab::Rings, ring);  // the sixth item: the bonus and its backpack at once
    EXPECT_EQ(f.state().wornSetName, angel);
    EXPECT_EQ(f.state().wornSetCount, 6);
    EXPECT_EQ(f.text(Lbl::LFSila), QStringLiteral("4"));
    EXPECT_EQ(f.text(Lbl::LTotalStat_sila), QStringLiteral("7"));
    EXPECT_EQ(f.text(Lbl::LabelMaxMassa), QStringLiteral("22")) << "4 × 3 + 10 from the set's backpack";
    EXPECT_EQ(f.text(Lbl::LabelHP), QStringLiteral("124/124"));

    f.planner.clickSlot(Slot::Ring1);
    EXPECT_EQ(f.state().wornSetName, angel) << "a tie with the empty slots goes to the set, met later";
    EXPECT_EQ(f.state().wornSetCount, 5);
    EXPECT_EQ(f.text(Lbl::LFSila), QStringLiteral("0")) << "one fewer than needed: nothing";
    EXPECT_EQ(f.text(Lbl::LabelHP), QStringLiteral("24/24"));
    EXPECT_EQ(f.text(Lbl::LabelMaxMassa), QStringLiteral("12"));
}

TEST(SetBonus, TakingEverythingOffLeavesNoSetBonusWhetherOrNotEmptySlotsHaveARow) {
    CatalogueBuilder b;
    const QString angel = QStringLiteral("Ангела");
    const int ring = b.add(Category::Rings, QStringLiteral("Кольцо"), {{col::SetName, angel}});
    const int tal = b.add(Category::Talismans, QStringLiteral("Талисман"), {{col::SetName, angel}});
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), {{col::SetName, angel}});
    b.addSet(angel, 11, {{30, QStringLiteral("4")}, {29, QStringLiteral("10")}, {46, QStringLiteral("1")}});
    // Eleven items of the set against ten empty slots: the set leads with what it needs.
    auto dressAndUndress = [&](PlannerFixture &f) {
        for (int i = 0; i < 5; ++i) {
            f.planner.clickCatalogueItem(tab::Rings, ring);
            f.planner.clickCatalogueItem(tab::Talismans, tal);
        }
        f.planner.clickCatalogueItem(0, helm);  // the helmets tab
        ASSERT_EQ(f.state().wornSetName, angel);
        ASSERT_EQ(f.text(Lbl::LFSila), QStringLiteral("4"));
        ASSERT_EQ(f.text(Lbl::LTotalStat_sila), QStringLiteral("7"));
        ASSERT_EQ(f.text(Lbl::LabelMaxMassa), QStringLiteral("22"));
        ASSERT_TRUE(f.planner.takeOffAllItems());
        EXPECT_EQ(f.state().wornSetName, kNoSetName);
        EXPECT_EQ(f.text(Lbl::LFSila), QStringLiteral("0"));
        EXPECT_EQ(f.text(Lbl::LFAuraZaw), QStringLiteral("0"));
        EXPECT_EQ(f.text(Lbl::LTotalStat_sila), QStringLiteral("3"));
        EXPECT_EQ(f.text(Lbl::LabelMaxMassa), QStringLiteral("12")) << "the set's backpack goes too";
    };

    // Without a "No Full" row the empty slots match no row: the values are cleared.
    PlannerFixture without(b.catalogue);
    dressAndUndress(without);
    EXPECT_EQ(without.state().sheet.setBonusPanel.height, 24) << "no row shown";

    // With one, the empty slots get that row exactly as before.
    b.addSet(kNoSetName, 12, {{1, QStringLiteral("5")}});
    PlannerFixture with(b.catalogue);
    dressAndUndress(with);
    EXPECT_EQ(with.text(Lbl::LFKrit), QStringLiteral("5")) << "21 empty slots meet the row's 12";
}

TEST(SetBonus, AFaultyRowGivesNoBonusAndIsReportedOnce) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"));
    b.addSet(kNoSetName, 0, {{5, QStringLiteral("пять")}, {1, QStringLiteral("3")}});
    PlannerFixture f(b.catalogue);
    for (int i = 0; i < 3; ++i) {
        f.planner.clickCatalogueItem(0, helm);
        f.planner.clickSlot(Slot::Helmet);
    }
    EXPECT_EQ(f.messages.shown,
              QStringList{QStringLiteral(
                  "Бонус комплекта «No Full» не учтён: в поле «Контр-удар» записано «пять», а не целое число.")});
    EXPECT_EQ(f.text(Lbl::LFKrit), QStringLiteral("0"));
}

TEST(Presets, MenuTableHoldsEveryEntryWithItsArguments) {
    int entries = 0, twins = 0, disabled = 0;
    int depth = -1;
    for (const PresetMenuLine &line : presetMenu()) {
        EXPECT_LE(line.depth, depth + 1) << line.caption;
        depth = line.depth;
        if (line.kind == PresetLineKind::Entry) {
            ++entries;
            twins += line.args.twinWeapons;
            EXPECT_NE(QString::fromUtf8(line.args.setName), QString()) << line.caption;
        }
        if (line.kind == PresetLineKind::Separator && !line.enabled) ++disabled;
    }
    EXPECT_EQ(entries, kPresetEntryCount);
    EXPECT_EQ(twins, 5);
    EXPECT_EQ(disabled, 1);

    const auto find = [](const char *caption, int index = 0) {
        for (const PresetMenuLine &line : presetMenu())
            if (QString::fromUtf8(line.caption) == QString::fromUtf8(caption) && index-- == 0) return &line;
        return static_cast<const PresetMenuLine *>(nullptr);
    };
    ASSERT_TRUE(find("Комплект подвижности "));
    EXPECT_EQ(find("Комплект подвижности ")->kind, PresetLineKind::Submenu);
    const PresetMenuLine *fire = find("Огонь");
    ASSERT_TRUE(fire);
    EXPECT_EQ(QString::fromUtf8(fire->args.ringName), QStringLiteral("Кольцо огненного волхва"));
    EXPECT_EQ(fire->args.oneHanded, 0);
    const PresetMenuLine *renewed = find("Огонь", 1);
    EXPECT_EQ(renewed->args.oneHanded, 1);
    EXPECT_EQ(QString::fromUtf8(renewed->args.weaponName), QStringLiteral("Посох волхва [Обновлён]"));
    const PresetMenuLine *mirror = find("Комплект зеркала");
    EXPECT_EQ(QString::fromUtf8(mirror->args.weaponName), QStringLiteral("nil"));
    EXPECT_EQ(QString::fromUtf8(find("Женский")->args.setName), QStringLiteral("Невесты"));
    EXPECT_EQ(QString::fromUtf8(find("Меч вихря")->args.setName), QStringLiteral("Безмолвия"));
    EXPECT_EQ(find("Меч вихря")->args.oneHanded, 0);
    EXPECT_EQ((find("Меч вихря") - 1)->kind, PresetLineKind::Separator);
}

namespace {

// Set "Ангела" in every category; "Безмолвия" without rings, with a two-handed weapon.
CatalogueBuilder presetCatalogue() {
    CatalogueBuilder b;
    const QString angel = QStringLiteral("Ангела");
    b.add(Category::Weapons, QStringLiteral("Кинжал Ангелов"),
          {{col::SetName, angel}, {col::SecondWeapon, QStringLiteral("Да")}, {6, QStringLiteral("1")}, {58, QStringLiteral("2")}});
    for (const SlotInfo &s : kSlots) {
        if (s.slot == Slot::Weapon || s.requirementRow > 12) continue;
        b.add(s.category, QStringLiteral("%1 ангела").arg(QString::fromUtf8(s.rowCaption)),
              {{col::SetName, angel}, {7, QStringLiteral("1")}});
    }
    b.add(Category::Talismans, QStringLiteral("Талисман ангела"), {{col::SetName, angel}, {7, QStringLiteral("1")}});
    b.add(Category::Rings, QStringLiteral("Кольцо водного волхва"), {{58, QStringLiteral("3")}});
    const QString silence = QStringLiteral("Безмолвия");
    b.add(Category::Weapons, QStringLiteral("Меч вихря"), {{col::SetName, silence}, {col::TwoHanded, QStringLiteral("да")}});
    b.add(Category::Helmets, QStringLiteral("Шлем безмолвия"), {{col::SetName, silence}, {58, QStringLiteral("2")}});
    b.add(Category::Shields, QStringLiteral("Щит безмолвия"), {{col::SetName, silence}});
    return b;
}

}  // namespace

TEST(Presets, DressEverySlotOfTheSetAndListFailuresOnce) {
    PlannerFixture f(presetCatalogue().catalogue);
    f.planner.equipPreset({"Кинжал Ангелов", "Ангела", 1, kNil, 0});
    for (const SlotInfo &s : kSlots) {
        EXPECT_NE(f.row(s.slot), 0) << s.pictureBox;
        EXPECT_EQ(f.state().slot(s.slot).setName, QStringLiteral("Ангела")) << s.pictureBox;
    }
    EXPECT_EQ(f.state().offHandKind, OffHandKind::Shield);
    EXPECT_EQ(f.text(Lbl::LZawOtKrita), QStringLiteral("20"));
    EXPECT_TRUE(f.messages.shown.isEmpty());

    // Again, with requirements checked on a level-1 character: only the weapon and
    // the rings are taken off and put on afresh, so only they can fail.
    f.planner.setRequirementCheckOn(true);
    f.planner.equipPreset({"Кинжал Ангелов", "Ангела", 1, "Кольцо водного волхва", 0});
    EXPECT_EQ(f.messages.shown,
              QStringList{QStringLiteral("Требования не подходят для:\r\rКинжал Ангелов\rКольцо водного волхва\r")});
    EXPECT_EQ(f.row(Slot::Weapon), 0);
    for (Slot r : kRingSlots) EXPECT_EQ(f.row(r), 0);
    EXPECT_NE(f.row(Slot::Helmet), 0);
    EXPECT_NE(f.row(Slot::OffHand), 0);

    // Twins: the dagger fails on both hands and is listed once.
    f.messages.shown.clear();
    f.planner.equipPreset({"Кинжал Ангелов", "Ангела", 1, kNil, 1});
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("Требования не подходят для:\r\rКинжал Ангелов\r")});
    EXPECT_EQ(f.row(Slot::OffHand), 0) << "the shield made room for the second dagger";
    EXPECT_EQ(f.state().offHandKind, OffHandKind::Dagger);

    // A name failing again after another failed is listed again.
    const QString nil = QStringLiteral("nil");
    f.planner.clickSlot(Slot::Ring1);
    f.planner.equipByName(Category::Rings, {}, QStringLiteral("Кольцо водного волхва"), Slot::Ring1, nil, 0);
    EXPECT_EQ(f.state().errorLabel,
              QStringLiteral("Требования не подходят для:\r\rКинжал Ангелов\rКольцо водного волхва\r"));
    f.planner.equipByName(Category::Weapons, {}, QStringLiteral("Кинжал Ангелов"), Slot::Weapon, nil, 0);
    EXPECT_TRUE(f.state().errorLabel.endsWith(QStringLiteral("волхва\rКинжал Ангелов\r")));

    f.planner.setRequirementCheckOn(false);
    f.messages.shown.clear();
    f.planner.equipPreset({"Кинжал Ангелов", "Ангела", 1, kNil, 1});
    EXPECT_EQ(f.row(Slot::Weapon), 1);
    EXPECT_EQ(f.row(Slot::OffHand), 1);
    EXPECT_EQ(f.text(Lbl::LCrit), QStringLiteral("2"));
    f.planner.clickSlot(Slot::OffHand);
    EXPECT_EQ(f.text(Lbl::LCrit), QStringLiteral("1")) << "taken off with the weapons table";
}

TEST(Presets, TwoHandedSetWithoutRingsEmptiesTheRingsAndTheOffHand) {
    PlannerFixture f(presetCatalogue().catalogue);
    f.planner.equipPreset({"Кинжал Ангелов", "Ангела", 1, kNil, 0});
    f.planner.equipPreset({"Меч вихря", "Безмолвия", 0, kNil, 0});
    EXPECT_EQ(f.state().weaponGrip, WeaponGrip::TwoHanded);
    EXPECT_EQ(f.row(Slot::OffHand), 0);
    EXPECT_EQ(f.state().offHandKind, OffHandKind::Shield);
    for (Slot r : kRingSlots) EXPECT_EQ(f.row(r), 0);
    EXPECT_EQ(f.state().slot(Slot::Helmet).setName, QStringLiteral("Безмолвия"));
    EXPECT_EQ(f.row(Slot::Pendant), 0) << "the set has no pendant";
    EXPECT_EQ(f.text(Lbl::LZawOtKrita), QStringLiteral("0"));

    // A shield of the set already worn stays beside the two-handed weapon; refusing
    // another shield then leaves its requirements in the table.
    f.planner.equipPreset({"nil", "Безмолвия", 1, kNil, 0});
    ASSERT_NE(f.row(Slot::OffHand), 0);
    f.planner.equipPreset({"Меч вихря", "Безмолвия", 0, kNil, 0});
    EXPECT_NE(f.row(Slot::OffHand), 0);
    EXPECT_EQ(f.state().weaponGrip, WeaponGrip::TwoHanded);
    ASSERT_EQ(f.state().requirements.cell(1, 10), QStringLiteral("0"));
    f.planner.clickCatalogueItem(tab::Shields, 1);
    EXPECT_EQ(f.messages.shown.last(), QStringLiteral("Оружие двуручное!"));
    EXPECT_EQ(f.state().requirements.cell(1, 10), QStringLiteral("0")) << "not reset to the default 1";
}

TEST(Presets, ATwoHandedWeaponThePresetCouldNotPutOnLeavesTheGripNormal) {
    CatalogueBuilder b = presetCatalogue();
    b.add(Category::Weapons, QStringLiteral("Секира"),
          {{col::SetName, QStringLiteral("Безмолвия")}, {col::TwoHanded, QStringLiteral("да")}, {58, QStringLiteral("9")}});
    PlannerFixture f(b.catalogue);
    f.planner.setRequirementCheckOn(true);
    f.planner.equipPreset({"Секира", "Безмолвия", 0, kNil, 0});
    ASSERT_EQ(f.row(Slot::Weapon), 0);
    EXPECT_EQ(f.state().weaponGrip, WeaponGrip::Normal);
    f.messages.shown.clear();
    f.planner.clickCatalogueItem(tab::Shields, 1);
    EXPECT_NE(f.row(Slot::OffHand), 0) << "both hands are empty, so a shield goes on";
    EXPECT_TRUE(f.messages.shown.isEmpty());
}
