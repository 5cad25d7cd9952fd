#pragma once

#include "app/Planner.h"

#include <QString>
#include <QVector>
#include <optional>

namespace veldora {

// Forging and enchanting replace a worn item by a copy of its row with some
// integer cells changed. Everything that could fail is checked before anything
// changes, so the worn item is never left taken off.

// The item a slot wears, in the table it is taken off with.
struct WornItem {
    Slot slot;
    Category table;
    int row;
};

// The worn item of `slot` read from `table`, or nullopt when the slot is empty.
std::optional<WornItem> wornItem(const PlannerState &state, Slot slot, Category table);

// cells[column] := its integer + amount, written as plain decimal. Returns why it
// cannot be done (not a whole number, or the sum leaves the 32-bit range of a
// cell), leaving the cell as it was; nullopt on success.
std::optional<QString> addToIntegerCell(QVector<QString> &cells, int column, qint64 amount);

// Puts `cells` on as a copy of the worn item, appended to its table, keeping the
// slot's set name. The copy differs from the worn row only in checked integer
// cells and the worn item is already on, so the requirement check does not take
// it off the character: unmet requirements show as marks, as for any worn item.
// On a fault (the worn row does not read, the table is full) the player gets
// one message, built with `refusal`, and nothing changes.
bool wearWornCopy(Planner &planner, const WornItem &worn, const QVector<QString> &cells, const QString &refusal);

}  // namespace veldora
