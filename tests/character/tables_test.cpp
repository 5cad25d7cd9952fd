// The tables are written once and everything loops over them, so a slip in one
// row (a label used twice, a column missed) would go unnoticed elsewhere.

#include "catalogue/SetBonusTable.h"
#include "equipment/ItemEffects.h"
#include "equipment/RequirementTable.h"
#include "equipment/Slots.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <set>

using namespace veldora;

TEST(SheetTables, LabelNamesAreUniqueAndFoundByName) {
    std::set<std::string> names;
    for (const SheetLabelInfo &l : kSheetLabels) {
        EXPECT_TRUE(names.insert(l.name).second) << l.name;
        EXPECT_EQ(labelByName(QString::fromLatin1(l.name)), l.label);
    }
    EXPECT_EQ(labelByName(u"LNoSuchLabel"), std::nullopt);
    EXPECT_EQ(captionLabelName(Lbl::LCrit), QStringLiteral("LLCrit"));
    EXPECT_EQ(captionLabelName(Lbl::LBAuraStihZawiti), QStringLiteral("LLBAuraStihZawiti"));
    CharacterSheet sheet;
    EXPECT_EQ(sheet.text(u"Label_lvl"), QStringLiteral("[ 1 ]"));
    EXPECT_EQ(sheet.text(u"LBAuraStihZawiti"), QStringLiteral("1"));
}

TEST(SheetTables, EveryItemModifierRowIsFedByExactlyOneItemColumn) {
    std::map<Lbl, int> fed;
    std::set<int> columns;
    for (const ItemEffect &e : kItemEffects) {
        ++fed[e.label];
        EXPECT_TRUE(columns.insert(e.column).second) << e.column;
        EXPECT_GE(e.column, 6);
    }
    for (const PanelRow &r : kItemModifierRows) EXPECT_EQ(fed[r.value], 1) << labelName(r.value).toStdString();
    int viaTotals = 0;
    for (const ItemEffect &e : kItemEffects) {
        if (e.kind != EffectKind::ItemTotal) continue;
        ++viaTotals;
        EXPECT_TRUE(std::any_of(kPointRows.begin(), kPointRows.end(), [&](const PointRow &p) { return p.items == e.label; }));
    }
    EXPECT_EQ(viaTotals, 6 + 5 + 13);
}

TEST(SheetTables, RequirementColumnsAgreeWithTheCharacterRows) {
    for (const RequirementColumn &c : kRequirementColumns) {
        if (c.pointRow < 0) continue;
        EXPECT_EQ(kPointRows[c.pointRow].required, c.maximumLabel) << c.caption;
        EXPECT_EQ(c.floor, std::max(0, kPointRows[c.pointRow].minimum)) << c.caption;
        EXPECT_EQ(QString::fromUtf8(c.defaultText), QString::number(c.floor)) << c.caption;
    }
    int required = 0;
    for (const PointRow &p : kPointRows) required += p.required != kNoLabel;
    EXPECT_EQ(required, 8 + 13);
}

TEST(SheetTables, SetBonusRowsUseEveryBonusColumnOnce) {
    std::set<int> columns;
    std::set<Lbl> labels;
    for (const SetBonusRow &r : kSetBonusRows) {
        EXPECT_TRUE(columns.insert(r.column).second) << r.column;
        EXPECT_TRUE(labels.insert(r.value).second);
    }
    for (int c = 1; c < kSetBonusColumnCount; ++c) EXPECT_EQ(columns.count(c), c == kSetNeededColumn ? 0u : 1u) << c;
    for (const PointRow &p : kPointRows) {
        if (p.setBonusSource == kNoLabel) continue;
        EXPECT_TRUE(labels.count(p.setBonusSource)) << p.caption;
    }
}

TEST(SheetTables, SlotRegistryMatchesRequirementRows) {
    std::set<std::string> keys;
    for (int i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(kSlots[i].requirementRow, i + 1);
        EXPECT_EQ(slotIndex(kSlots[i].slot), i);
        EXPECT_TRUE(keys.insert(kSlots[i].slotKey).second);
        EXPECT_EQ(slotByKey(QString::fromUtf8(kSlots[i].slotKey)), kSlots[i].slot);
        EXPECT_EQ(slotByPictureBox(QString::fromLatin1(kSlots[i].pictureBox)), kSlots[i].slot);
    }
    EXPECT_EQ(slotByKey(QStringLiteral("Оружие2")), Slot::OffHand);
    std::set<Slot> counted(kSetCountOrder.begin(), kSetCountOrder.end());
    EXPECT_EQ(counted.size(), std::size_t(kSlotCount));
}
