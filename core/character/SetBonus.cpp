#include "character/SetBonus.h"

#include "character/NumberText.h"
#include "character/SheetRules.h"

#include <QVarLengthArray>

namespace veldora {

WornSet countWornSets(std::span<const QString> setNames) {
    QVarLengthArray<WornSet, 21> list;
    for (const QString &raw : setNames) {
        const QString &name = raw.isEmpty() ? kNoSetName : raw;
        auto it = std::find_if(list.begin(), list.end(), [&](const WornSet &w) { return w.name == name; });
        if (it != list.end())
            ++it->count;
        else
            list.append({name, 1});
    }
    WornSet best;
    for (int i = 0; i < list.size(); ++i)
        if (i == 0 || list[i].count >= best.count) best = list[i];
    return best;
}

std::optional<SetBonusFault> applySetBonusRow(CharacterSheet &sheet, const SetBonusTable &sets,
                                             const WornSet &worn) {
    std::optional<SetBonusFault> fault;
    const int row = sets.findSet(worn.name);
    if (row != 0) {
        std::array<qint64, kSetBonusRowCount> bonus{};
        const auto needed = parseInt32(sets.cellRef(kSetNeededColumn, row));
        if (!needed) {
            fault = SetBonusFault{kSetNeededColumn, sets.cell(kSetNeededColumn, row)};
        } else if (*needed <= worn.count) {
            for (int i = 0; i < kSetBonusRowCount && !fault; ++i) {
                const int column = kSetBonusRows[i].column;
                if (const auto v = parseInt32(sets.cellRef(column, row)))
                    bonus[i] = *v;
                else
                    fault = SetBonusFault{column, sets.cell(column, row)};
            }
            if (fault) bonus.fill(0);
        }
        for (int i = 0; i < kSetBonusRowCount; ++i) sheet.setValue(kSetBonusRows[i].value, bonus[i]);
    }

    const int next = placeRows(sheet, kSetBonusRows, sheet.setBonusRows);
    updateTotals(sheet);
    sheet.setBonusPanel = {sheet.statBonusPanel.top + sheet.statBonusPanel.height + kPanelGap, next - 3};
    return fault;
}

}  // namespace veldora
