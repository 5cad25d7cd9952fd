#include "character/SetBonus.h"
#include "character/SheetRules.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace veldora;

namespace {

CharacterSheet freshSheet() {
    CharacterSheet s;
    layoutItemModifiers(s);
    return s;
}

std::vector<QString> visibleRows(const CharacterSheet &s) {
    std::vector<QString> shown;
    for (int i = 0; i < kStatBonusRowCount; ++i)
        if (s.statBonusRows[i].visible) shown.push_back(labelName(kStatBonusRows[i].value));
    return shown;
}

}  // namespace

TEST(StatBonuses, ThresholdsAccumulateFromOwnPlusItems) {
    CharacterSheet s = freshSheet();
    EXPECT_EQ(s.value(Lbl::LBAuraStihZawiti), 0);  // design "1" is replaced by the first computation
    EXPECT_TRUE(visibleRows(s).empty());

    s.setValue(Lbl::LStat_sila, 45);
    s.setValue(Lbl::LAddStat_sila, 4);
    updateStatBonuses(s);
    EXPECT_TRUE(visibleRows(s).empty()) << "49 gives nothing";
    s.setValue(Lbl::LAddStat_sila, 5);
    updateStatBonuses(s);
    EXPECT_EQ(visibleRows(s), std::vector<QString>{QStringLiteral("LBMoshnost")});
    EXPECT_EQ(s.value(Lbl::LBMoshnost), 2);
    EXPECT_EQ(s.statBonusRows[6].top, kFirstRowTop);

    s.setValue(Lbl::LStat_sila, 300);
    s.setValue(Lbl::LAddStat_sila, 0);
    updateStatBonuses(s);
    EXPECT_EQ(s.value(Lbl::LBMoshnost), 10);
    EXPECT_EQ(s.value(Lbl::LBProboyBroni), 5);
    EXPECT_EQ(s.value(Lbl::LBProtivouvorot), 50);

    s.setValue(Lbl::LStat_sila, 3);
    s.setValue(Lbl::LStat_lovkost, 225);
    updateStatBonuses(s);
    EXPECT_EQ(s.value(Lbl::LBKontr), 30);
    EXPECT_EQ(s.value(Lbl::LBYarost), 4);
    EXPECT_EQ(s.value(Lbl::LBProtivouvorot), 150);
    EXPECT_EQ(s.value(Lbl::LBMoshnost), 0) << "recomputed from scratch";

    s.setValue(Lbl::LStat_lovkost, 3);
    s.setValue(Lbl::LStat_intel, 300);
    updateStatBonuses(s);
    EXPECT_EQ(s.value(Lbl::LBRegenMP), 25);
    EXPECT_EQ(s.value(Lbl::LBIntensivnost), 10);
    EXPECT_EQ(s.value(Lbl::LBZawOtMagKrit), 150);
    EXPECT_EQ(s.value(Lbl::LBMagUvorot), 100);
    EXPECT_EQ(s.value(Lbl::LBSoprotStihZaw), 10);
}

TEST(StatBonuses, HealthAndManaCountOwnValuesOnly) {
    CharacterSheet s = freshSheet();
    s.setValue(Lbl::LStat_hp, 200);
    s.setValue(Lbl::LStat_mp, 49);
    s.setValue(Lbl::LAddStat_mp, 100);  // no item adds to Мана; if one did, it would not count
    updateStatBonuses(s);
    EXPECT_EQ(s.value(Lbl::LBLvlHP), 2400);
    EXPECT_EQ(s.value(Lbl::LBLvlMP), 0);
    s.setValue(Lbl::LStat_mp, 200);
    updateStatBonuses(s);
    EXPECT_EQ(s.value(Lbl::LBLvlMP), 2200);
}

TEST(ModifierPanels, RowsPackFromTheTopAndPanelsStack) {
    CharacterSheet s = freshSheet();
    EXPECT_EQ(s.itemModifierPanel, (PanelBox{19, 24}));
    EXPECT_EQ(s.statBonusPanel, (PanelBox{19 + 24 + 10, 24}));

    s.setValue(Lbl::LUvorot, 5);
    s.setValue(Lbl::LMoveSpeed, -3);  // negative values show like positive ones
    s.setValue(Lbl::LAuraZaw, 1);
    s.setValue(Lbl::LStat_intuiciya, 300);
    layoutItemModifiers(s);
    EXPECT_EQ(s.itemModifierPanel, (PanelBox{19, 93}));
    EXPECT_FALSE(s.itemModifierRows[0].visible);
    EXPECT_EQ(s.itemModifierRows[2], (RowPlace{true, 27}));
    EXPECT_EQ(s.itemModifierRows[35], (RowPlace{true, 50}));
    EXPECT_EQ(s.itemModifierRows[63], (RowPlace{true, 73}));
    // Интуиция 300: Крит мощность 5, защита от крита 100, от маг. крита 200, аура 1.
    EXPECT_EQ(s.statBonusPanel, (PanelBox{19 + 93 + 10, 27 + 4 * 23 - 3}));
    EXPECT_EQ(s.value(Lbl::LBAuraStihZawiti), 1);

    applySetBonusRow(s, SetBonusTable(), {QStringLiteral("No Full"), 21});
    EXPECT_EQ(s.setBonusPanel, (PanelBox{s.statBonusPanel.top + s.statBonusPanel.height + 10, 24}));
}

TEST(Totals, SetBonusFeedsOnlyItsColumnsAndCapacityIgnoresIt) {
    CharacterSheet s = freshSheet();
    s.setValue(Lbl::LAddStat_sila, 7);
    s.setValue(Lbl::LAddStat_lovkost, 7);
    s.setValue(Lbl::LFSila, 2);
    s.setValue(Lbl::LFMagFire, 4);
    s.setValue(Lbl::LMagic_fire, 1);
    updateTotals(s);
    EXPECT_EQ(s.text(Lbl::LTotalStat_sila), QStringLiteral("12"));
    EXPECT_EQ(s.text(Lbl::LAddBonusStat_sila), QStringLiteral("2"));
    EXPECT_EQ(s.value(Lbl::LTotalStat_lovk), 10);
    EXPECT_EQ(s.value(Lbl::LTotalMagic_Fire), 5);
    EXPECT_EQ(s.value(Lbl::LTotalMagic_Dark), 0);

    s.setValue(Lbl::LAddStat_sila, 2);
    s.setValue(Lbl::LRukzak, 20);
    updateCarryingCapacity(s);
    EXPECT_EQ(s.text(Lbl::LabelMaxMassa), QStringLiteral("40"));
    s.setValue(Lbl::LFRukzak, -100);
    updateCarryingCapacity(s);
    EXPECT_EQ(s.value(Lbl::LabelMaxMassa), -60) << "not clamped";
}

TEST(HealthAndMana, FollowLevelOwnValuesAndTheThreeLevelSources) {
    CharacterSheet s = freshSheet();
    updateHealthAndMana(s, 1);
    EXPECT_EQ(s.text(Lbl::LabelHP), QStringLiteral("24/24"));
    EXPECT_EQ(s.text(Lbl::LabelMP), QStringLiteral("24/24"));
    s.setValue(Lbl::LStat_hp, 20);
    s.setValue(Lbl::LStat_mp, 10);
    updateHealthAndMana(s, 10);
    EXPECT_EQ(s.text(Lbl::LabelHP), QStringLiteral("880/880"));
    EXPECT_EQ(s.text(Lbl::LabelMP), QStringLiteral("485/485"));
    s.setValue(Lbl::LLevelHp, 5);
    s.setValue(Lbl::LBLvlHP, 100);
    s.setValue(Lbl::LFLvlHP, 1000);
    s.setValue(Lbl::LAddStat_hp, 999);  // never part of health
    updateHealthAndMana(s, 10);
    EXPECT_EQ(s.text(Lbl::LabelHP), QStringLiteral("1985/1985"));
    // Sums wider than 32 bits are shown as they are, not wrapped.
    updateHealthAndMana(s, 2147483647);
    EXPECT_EQ(s.text(Lbl::LabelHP), QStringLiteral("171798692945/171798692945"));
}

TEST(Auras, IconsPackInKindOrderWithCountHints) {
    CharacterSheet s = freshSheet();
    updateAuras(s);
    for (const AuraIcon &a : s.auras) EXPECT_FALSE(a.visible);
    EXPECT_EQ(s.auras[0].hint, QStringLiteral("Аура: вампирическая х0"));

    s.setValue(Lbl::LFAuraSun, 1);
    s.setValue(Lbl::LAuraZaw, 300);  // beyond 8 bits: shown as it is
    updateAuras(s);
    EXPECT_TRUE(s.auras[6].visible);
    EXPECT_EQ(std::pair(s.auras[6].left, s.auras[6].top), std::pair(19, 453));
    EXPECT_EQ(std::pair(s.auras[7].left, s.auras[7].top), std::pair(91, 453));
    EXPECT_EQ(s.auras[7].tag, 300);
    EXPECT_EQ(s.auras[7].hint, QStringLiteral("Аура: охранения х300"));

    s.setValue(Lbl::LAuraVampir, 1);
    s.setValue(Lbl::LFAuraVampir, 1);
    s.setValue(Lbl::LBAuraStihZawiti, 1);
    s.setValue(Lbl::LAuraChaos, -1);  // a negative sum is no aura, not 255 of them
    updateAuras(s);
    EXPECT_EQ(s.auras[0].hint, QStringLiteral("Аура: вампирическая х2"));
    EXPECT_EQ(std::pair(s.auras[0].left, s.auras[0].top), std::pair(19, 453));
    EXPECT_FALSE(s.auras[4].visible);
    EXPECT_EQ(s.auras[4].tag, -1);
    EXPECT_EQ(std::pair(s.auras[5].left, s.auras[5].top), std::pair(91, 453));
    EXPECT_EQ(std::pair(s.auras[7].left, s.auras[7].top), std::pair(19, 525));

    for (int k = 0; k < kAuraCount; ++k)
        for (Lbl l : kAuraKinds[k].sources)
            if (l != kNoLabel) s.setValue(l, 1);
    updateAuras(s);
    for (int k = 0; k < kAuraCount; ++k)
        EXPECT_EQ(std::pair(s.auras[k].left, s.auras[k].top), std::pair(kAuraPlaces[k].left, kAuraPlaces[k].top));
}

TEST(HighlightUnmet, OwnPlusItemsBelowRequirementIsRedAndBold) {
    CharacterSheet s = freshSheet();
    s.setValue(Lbl::LTreb_sila, 10);
    s.setValue(Lbl::LStat_sila, 6);
    s.setValue(Lbl::LAddStat_sila, 3);
    s.setValue(Lbl::LTrebMagic_fire, 1);
    s.setValue(Lbl::LStat_uda4a, -1);
    highlightUnmetRequirements(s);
    EXPECT_TRUE(s.unmet[stat::Sila]);
    EXPECT_TRUE(s.unmet[stat::Uda4a]) << "luck is compared with its requirement 0";
    EXPECT_TRUE(s.unmet[18]);  // fire magic
    s.setValue(Lbl::LAddStat_sila, 4);
    highlightUnmetRequirements(s);
    EXPECT_FALSE(s.unmet[stat::Sila]) << "equal is met";
}

TEST(SetCount, HighestCountWinsAndTiesGoToTheLaterName) {
    const QString a = QStringLiteral("A"), b = QStringLiteral("B"), none;
    std::vector<QString> names(21, none);
    for (int i = 12; i < 21; ++i) names[i] = a;
    EXPECT_EQ(countWornSets(names), (WornSet{kNoSetName, 12}));

    for (int i = 10; i < 21; ++i) names[i] = a;
    EXPECT_EQ(countWornSets(names), (WornSet{a, 11}));

    // talismans empty, rings A, the rest B
    for (int i = 0; i < 5; ++i) names[i] = none;
    for (int i = 5; i < 10; ++i) names[i] = a;
    for (int i = 10; i < 21; ++i) names[i] = b;
    EXPECT_EQ(countWornSets(names), (WornSet{b, 11}));
    for (int i = 15; i < 21; ++i) names[i] = none;
    EXPECT_EQ(countWornSets(names), (WornSet{kNoSetName, 11}));

    std::vector<QString> tie{a, a, b, b, none};
    EXPECT_EQ(countWornSets(tie), (WornSet{b, 2}));
    std::vector<QString> caseMatters{a, QStringLiteral("a"), QStringLiteral("a")};
    EXPECT_EQ(countWornSets(caseMatters), (WornSet{QStringLiteral("a"), 2}));
}

TEST(SetBonusRow, AppliesWholeRowOnceOrNothing) {
    SetBonusTable sets;
    sets.setCell(0, 1, QStringLiteral("Ангела"));
    for (int c = 1; c < kSetBonusColumnCount; ++c) sets.setCell(c, 1, QStringLiteral("0"));
    sets.setCell(kSetNeededColumn, 1, QStringLiteral("5"));
    sets.setCell(30, 1, QStringLiteral("4"));  // Сила
    sets.setCell(46, 1, QStringLiteral("1"));  // Аура охранения
    sets.setCell(47, 1, QStringLiteral("7"));  // Интенсивность
    sets.setRowCount(2);

    CharacterSheet s = freshSheet();
    EXPECT_FALSE(applySetBonusRow(s, sets, {QStringLiteral("Ангела"), 5}));
    EXPECT_EQ(s.value(Lbl::LFSila), 4);
    EXPECT_EQ(s.value(Lbl::LAddBonusStat_sila), 4);
    EXPECT_EQ(s.value(Lbl::LTotalStat_sila), 7);
    EXPECT_EQ(s.value(Lbl::LFIntensivnost), 7);
    EXPECT_TRUE(s.setBonusRows[4].visible);  // Интенсивность is the fifth row shown
    EXPECT_EQ(s.setBonusRows[4].top, 27);
    EXPECT_EQ(s.setBonusPanel.height, 27 + 3 * 23 - 3);

    EXPECT_FALSE(applySetBonusRow(s, sets, {QStringLiteral("Ангела"), 21}));
    EXPECT_EQ(s.value(Lbl::LFSila), 4) << "more items do not add more";

    applySetBonusRow(s, sets, {QStringLiteral("Ангела"), 4});
    for (const SetBonusRow &r : kSetBonusRows) EXPECT_EQ(s.value(r.value), 0) << labelName(r.value).toStdString();
    EXPECT_EQ(s.value(Lbl::LTotalStat_sila), 3);
    EXPECT_EQ(s.setBonusPanel.height, 24);

    // A name without a row clears the values as a row of zeros would, so that no
    // earlier set's bonus outlives the items; the caption row is no set either.
    for (const QString &unmatched : {kNoSetName, QStringLiteral("Комплект")}) {
        applySetBonusRow(s, sets, {QStringLiteral("Ангела"), 5});
        ASSERT_EQ(s.value(Lbl::LFSila), 4);
        applySetBonusRow(s, sets, {unmatched, 16});
        for (const SetBonusRow &r : kSetBonusRows) EXPECT_EQ(s.value(r.value), 0) << labelName(r.value).toStdString();
        EXPECT_EQ(s.value(Lbl::LTotalStat_sila), 3);
        EXPECT_EQ(s.setBonusPanel.height, 24);
    }
}

TEST(SetBonusRow, CellThatIsNotAWholeNumberGivesNoBonusAndIsReported) {
    SetBonusTable sets;
    sets.setCell(0, 1, QStringLiteral("Крови"));
    for (int c = 1; c < kSetBonusColumnCount; ++c) sets.setCell(c, 1, QStringLiteral("3"));
    sets.setCell(31, 1, QStringLiteral("2,5"));
    sets.setRowCount(2);

    CharacterSheet s = freshSheet();
    s.setValue(Lbl::LFKrit, 9);
    const auto fault = applySetBonusRow(s, sets, {QStringLiteral("Крови"), 3});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->column, 31);
    EXPECT_EQ(fault->text, QStringLiteral("2,5"));
    for (const SetBonusRow &r : kSetBonusRows) EXPECT_EQ(s.value(r.value), 0);

    sets.setCell(31, 1, QStringLiteral("2"));
    sets.setCell(kSetNeededColumn, 1, QString());
    const auto neededFault = applySetBonusRow(s, sets, {QStringLiteral("Крови"), 3});
    ASSERT_TRUE(neededFault);
    EXPECT_EQ(neededFault->column, kSetNeededColumn);
}
