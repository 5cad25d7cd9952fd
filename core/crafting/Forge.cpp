#include "crafting/Forge.h"

#include "crafting/WornCopy.h"
#include "equipment/ItemEffects.h"

#include <algorithm>
#include <map>

namespace veldora {

namespace {

const QString kNotForged = QStringLiteral("не закован");

// The rows a pair raises and lowers.
template <typename F>
void forEachRowOf(int pair, F &&f) {
    for (int r = 0; r < kForgeRowCount; ++r)
        if (kForgeRows[r].pair == pair) f(r);
}

}  // namespace

void Forge::open(const PlannerState &state, Slot s, Category t) {
    slot = s;
    table = t;
    row = state.slot(s).row;
    const CategoryTable &cells = state.catalogue.table(t);
    openedCells = cells.rowCells(row);
    caption = QStringLiteral("Ковка предмета - ") + cells.cell(col::Name, row);
    picture = state.slot(slot).picture;
    forgeCount = cells.cell(col::ForgeCount, row);
    units = isYes(cells.cellRef(col::Artefact, row)) ? kArtefactForgeUnits : kForgeUnits;
    additions.fill(0);
    for (int r = 0; r < kForgeRowCount; ++r) {
        values[r] = cells.cell(kForgeRows[r].column, row);
        // An exact text comparison: only values the item has can be forged.
        rowEnabled[r] = values[r] != u"0";
    }
    for (int p = 0; p < kForgePairCount; ++p) {
        const int by = kForgePairs[p].enabledBy;
        if (by != kAnyRow) {
            pairEnabled[p] = rowEnabled[by];
        } else {
            bool any = false;
            forEachRowOf(p, [&](int r) { any = any || rowEnabled[r]; });
            pairEnabled[p] = any;
        }
    }
    refreshButtons();
}

void Forge::refreshButtons() {
    plusVisible.fill(units != 0);
    for (int p = 0; p < kForgePairCount; ++p) {
        const int by = kForgePairs[p].minusShownBy;
        bool shown = false;
        if (by != kAnyRow)
            shown = additions[by] != 0;
        else
            forEachRowOf(p, [&](int r) { shown = shown || additions[r] != 0; });
        minusVisible[p] = shown;
    }
}

void Forge::raise(int pair, int sign) {
    units -= sign;
    forEachRowOf(pair, [&](int r) {
        if (kForgePairs[pair].enabledRowsOnly && !rowEnabled[r]) return;
        additions[r] += sign * kForgeRows[r].step;
    });
    refreshButtons();
}

void Forge::plus(int pair) {
    if (pair < 0 || pair >= kForgePairCount || row == 0) return;
    if (pairEnabled[pair] && plusVisible[pair]) raise(pair, +1);
}

void Forge::minus(int pair) {
    if (pair < 0 || pair >= kForgePairCount || row == 0) return;
    if (pairEnabled[pair] && minusVisible[pair]) raise(pair, -1);
}

bool chooseForgeEntry(Planner &planner, Forge &forge, const ForgeMenuEntry &entry) {
    const PlannerState &state = planner.state();
    if (state.slot(entry.slot).row == 0) {
        planner.message(QString::fromUtf8(entry.emptyMessage));
        return false;
    }
    forge.open(state, entry.slot, planner.slotCategory(entry.slot));
    return true;
}

ForgeResult applyForge(Planner &planner, const Forge &forge) {
    if (forge.row == 0) return ForgeResult::Refused;
    const Slot slot = forge.slot;
    const PlannerState &state = planner.state();
    const CategoryTable &table = state.catalogue.table(forge.table);
    const QString name = forge.itemName();
    // The window stays open while the player goes on dressing; its additions
    // were chosen for the item it shows, so only that item is forged.
    if (state.slot(slot).row != forge.row || planner.slotCategory(slot) != forge.table ||
        table.rowCells(forge.row) != forge.openedCells) {
        planner.message(itemRefusal(
            name, kNotForged,
            state.slot(slot).row == 0
                ? QStringLiteral("он больше не надет")
                : QStringLiteral("на его слоте теперь другой предмет или другая копия; откройте ковку снова "
                                 "из меню «Ковать»")));
        return ForgeResult::Refused;
    }
    const WornItem worn{slot, forge.table, forge.row};

    // Silver and ruby both forge the damage columns; their additions are summed.
    std::map<int, qint64> sums;
    for (int r = 0; r < kForgeRowCount; ++r) sums[kForgeRows[r].column] += forge.additions[r];
    sums[col::ForgeCount] = 1;
    QVector<QString> cells = table.rowCells(forge.row);
    for (const auto &[column, amount] : sums) {
        if (const auto fault = addToIntegerCell(cells, column, amount)) {
            planner.message(itemRefusal(name, kNotForged, *fault));
            return ForgeResult::Refused;
        }
    }
    if (!wearWornCopy(planner, worn, cells, kNotForged)) return ForgeResult::Refused;
    planner.message(QString::fromUtf8(kForgedMessage));
    return ForgeResult::Forged;
}

}  // namespace veldora
