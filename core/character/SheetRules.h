#pragma once

#include "character/CharacterSheet.h"
#include "character/PointTables.h"

namespace veldora {

// The rules that compute one part of the character sheet from the rest of it.
// Each reads the labels it needs and writes its results back, like the window's
// own procedures; the planner calls them in the order of the recompute chain.

// What the requirement check counts for a point row: its own value and what items add.
qint64 ownPlusItems(const CharacterSheet &sheet, int row);

// Set-bonus columns and totals of the three point tables.
void updateTotals(CharacterSheet &sheet);

// Shows the plus buttons of `table` while it has free points and each minus
// button while its own value is above the row's minimum; then updateTotals.
void refreshButtons(CharacterSheet &sheet, PointTable table);

// LabelMaxMassa := 4 × (own + items Сила) + LRukzak + LFRukzak.
void updateCarryingCapacity(CharacterSheet &sheet);

// LabelHP and LabelMP as "n/n".
void updateHealthAndMana(CharacterSheet &sheet, qint64 level);

// Lays out Panel5, then updateStatBonuses.
void layoutItemModifiers(CharacterSheet &sheet);

// Computes the values of Panel7 from scratch and lays it out under Panel5.
void updateStatBonuses(CharacterSheet &sheet);

// Counts the eight auras and packs the icons present.
void updateAuras(CharacterSheet &sheet);

// Own values below their requirement (own + items < required) turn red and bold.
void highlightUnmetRequirements(CharacterSheet &sheet);

// One step of a panel layout: a row whose value is not 0 is shown at `next`,
// which moves down one row; a row of 0 is hidden.
inline void placeRow(const CharacterSheet &sheet, Lbl value, RowPlace &place, int &next) {
    place.visible = sheet.value(value) != 0;
    if (!place.visible) return;
    place.top = next;
    next += kRowPitch;
}

// One panel's layout from the first row's top; returns the running position
// after the last row shown.
template <std::size_t N, typename Rows>
int placeRows(const CharacterSheet &sheet, const Rows &rows, std::array<RowPlace, N> &places) {
    int next = kFirstRowTop;
    for (std::size_t i = 0; i < N; ++i) placeRow(sheet, rows[i].value, places[i], next);
    return next;
}

}  // namespace veldora
