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

// Columns 0..135 of a row, as the copy starts out.
QVector<QString> rowCells(const CategoryTable &table, int row);

// A field name for the player: the database field, or what the forge and
// enchantment cells (127..130) mean.
QString craftingFieldName(int column);

// Why the cell of `column` holding `cell` is no whole number.
QString notWholeNumberReason(int column, const QString &cell);

// cells[column] := its integer + amount, written as plain decimal. Returns why it
// cannot be done (not a whole number, or the sum leaves the 32-bit range of a
// cell), leaving the cell as it was; nullopt on success.
std::optional<QString> addToIntegerCell(QVector<QString> &cells, int column, qint64 amount);

// "Предмет «name» не закован: reason." and the like; `refusal` is "не закован".
QString craftingRefusal(const QString &itemName, const QString &refusal, const QString &reason);

// Checks that the worn row reads (so it can be taken off and its copy, which
// differs only in checked integer cells, put on), then appends `cells` to the
// worn item's table. On a fault the player gets one message, built with
// `refusal`, and nothing changes.
std::optional<int> appendWornCopy(Planner &planner, const WornItem &worn, const QVector<QString> &cells,
                                  const QString &refusal);

// Puts the appended copy on in place of the worn item, keeping the slot's set
// name. The copy keeps the original's requirements, and the original is already
// worn, so the requirement check does not take the item off the character: unmet
// requirements show as marks, as for any worn item.
bool putCopyOn(Planner &planner, const WornItem &worn, int copyRow);

}  // namespace veldora
