#include "character/SetBonus.h"

#include "character/NumberText.h"
#include "character/SheetRules.h"

#include <QVarLengthArray>

#include <algorithm>

namespace veldora {

WornSet countWornSets(std::span<const QString *const> setNames) {
    struct Pair {
        const QString *name;
        int count;
    };
    QVarLengthArray<Pair, 21> list;
    for (const QString *raw : setNames) {
        const QString *name = raw->isEmpty() ? &kNoSetName : raw;
        auto it = std::find_if(list.begin(), list.end(), [&](const Pair &p) { return *p.name == *name; });
        if (it != list.end())
            ++it->count;
        else
            list.append({name, 1});
    }
    if (list.isEmpty()) return {};
    Pair best = list.front();
    for (const Pair &p : list)
        if (p.count >= best.count) best = p;
    return {*best.name, best.count};
}

WornSet countWornSets(std::span<const QString> setNames) {
    QVarLengthArray<const QString *, 21> names;
    for (const QString &n : setNames) names.append(&n);
    return countWornSets(std::span<const QString *const>(names.data(), names.size()));
}

std::optional<SetBonusFault> applySetBonusRow(CharacterSheet &sheet, const SetBonusTable &sets,
                                             const WornSet &worn) {
    std::optional<SetBonusFault> fault;
    const int row = sets.findSet(worn.name);
    // A name without a row (the empty slots' "No Full" in most databases) gives no
    // bonus: leaving the values would keep the last set's bonus after its items are gone.
    std::array<qint64, kSetBonusRowCount> bonus{};
    if (row != 0) {
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
    }
    for (int i = 0; i < kSetBonusRowCount; ++i) sheet.setValue(kSetBonusRows[i].value, bonus[i]);

    const int next = placeRows(sheet, kSetBonusRows, sheet.setBonusRows);
    updateTotals(sheet);
    sheet.setBonusPanel = {sheet.statBonusPanel.top + sheet.statBonusPanel.height + kPanelGap, next - 3};
    return fault;
}

}  // namespace veldora
