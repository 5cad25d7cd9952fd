#include "character/SheetRules.h"

namespace veldora {

qint64 ownPlusItems(const CharacterSheet &s, int row) {
    return s.value(kPointRows[row].own) + s.value(kPointRows[row].items);
}

void updateTotals(CharacterSheet &sheet) {
    for (const PointRow &row : kPointRows) {
        qint64 total = sheet.value(row.own) + sheet.value(row.items);
        if (row.setBonus != kNoLabel) {
            sheet.setValue(row.setBonus, sheet.value(row.setBonusSource));
            total += sheet.value(row.setBonus);
        }
        sheet.setValue(row.total, total);
    }
}

void refreshButtons(CharacterSheet &sheet, PointTable table) {
    const PointTableInfo &info = pointTableInfo(table);
    const bool anyFree = sheet.value(info.freePoints) > 0;
    for (int r = info.firstRow; r < info.firstRow + info.rowCount; ++r) {
        sheet.buttons[r].plusVisible = anyFree;
        sheet.buttons[r].minusVisible = sheet.value(kPointRows[r].own) > kPointRows[r].minimum;
    }
    updateTotals(sheet);
}

void updateCarryingCapacity(CharacterSheet &sheet) {
    sheet.setValue(Lbl::LabelMaxMassa, 4 * ownPlusItems(sheet, stat::Sila) + sheet.value(Lbl::LRukzak) +
                                           sheet.value(Lbl::LFRukzak));
}

void updateHealthAndMana(CharacterSheet &sheet, qint64 level) {
    const qint64 health = 80 * (level - 1) + 8 * sheet.value(Lbl::LStat_hp) + sheet.value(Lbl::LLevelHp) +
                          sheet.value(Lbl::LBLvlHP) + sheet.value(Lbl::LFLvlHP);
    const qint64 mana = 45 * (level - 1) + 8 * sheet.value(Lbl::LStat_mp) + sheet.value(Lbl::LLevelMp) +
                        sheet.value(Lbl::LBLvlMP) + sheet.value(Lbl::LFLvlMP);
    const auto both = [](qint64 v) { return QString::number(v) + QLatin1Char('/') + QString::number(v); };
    sheet.setText(Lbl::LabelHP, both(health));
    sheet.setText(Lbl::LabelMP, both(mana));
}

void layoutItemModifiers(CharacterSheet &sheet) {
    const int next = placeRows(sheet, kItemModifierRows, sheet.itemModifierRows);
    sheet.itemModifierPanel = {kItemPanelTop, next - 3};
    updateStatBonuses(sheet);
}

void updateStatBonuses(CharacterSheet &sheet) {
    std::array<qint64, kLabelCount> add{};
    for (const StatThreshold &t : kStatThresholds) {
        const qint64 driving = t.ownOnly ? sheet.value(kPointRows[t.driver].own) : ownPlusItems(sheet, t.driver);
        for (short level : t.levels) {
            if (level == 0 || driving < level) continue;
            for (const auto &a : t.adds)
                if (a.value != kNoLabel) add[labelIndex(a.value)] += a.amount;
        }
    }
    for (const PanelRow &row : kStatBonusRows) sheet.setValue(row.value, add[labelIndex(row.value)]);

    const int next = placeRows(sheet, kStatBonusRows, sheet.statBonusRows);
    sheet.statBonusPanel = {sheet.itemModifierPanel.top + sheet.itemModifierPanel.height + kPanelGap, next - 3};
}

void updateAuras(CharacterSheet &sheet) {
    int nextPlace = 0;
    for (int k = 0; k < kAuraCount; ++k) {
        qint64 count = 0;
        for (Lbl source : kAuraKinds[k].sources)
            if (source != kNoLabel) count += sheet.value(source);
        AuraIcon &icon = sheet.auras[k];
        icon.tag = count;
        // Counts are not squeezed into 8 bits: a large count shows its true value,
        // and a negative sum is no aura rather than a wrapped-around large one.
        icon.visible = count > 0;
        if (icon.visible) {
            icon.left = kAuraPlaces[nextPlace].left;
            icon.top = kAuraPlaces[nextPlace].top;
            ++nextPlace;
        }
        icon.hint = QString::fromUtf8(kAuraKinds[k].hintPrefix) + QString::number(count);
    }
}

void highlightUnmetRequirements(CharacterSheet &sheet) {
    for (int r = 0; r < kPointRowCount; ++r) {
        const PointRow &row = kPointRows[r];
        if (row.required == kNoLabel) continue;
        sheet.unmet[r] = ownPlusItems(sheet, r) < sheet.value(row.required);
    }
}

}  // namespace veldora
