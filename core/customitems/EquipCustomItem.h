#pragma once

#include "app/Planner.h"
#include "customitems/CustomItemRecord.h"

#include <QString>
#include <QVector>
#include <optional>

namespace veldora {

// The row of a category table that a custom item becomes when worn: each field
// in its column, the price after its coin letter, "0" in every other column from
// 2 to 135, so that it reads like a catalogue row with nothing in those places.
QVector<QString> customItemRow(const CustomItemRecord &record);

// The message for the first number field that does not read as a number, naming
// the item and the field; nullopt when every one reads.
std::optional<QString> customItemNumberFault(const CustomItemRecord &record, const QString &itemName);

// Where a custom item of `type` goes now: its slot, the first ring or talisman
// slot that holds nothing. nullopt, after the message that says why, when
// the type has no slot or every ring or talisman slot is taken.
std::optional<Slot> customItemSlot(Planner &planner, const QString &type);

// Wears the record on `slot` as a new row appended to `table`, in place of what
// the slot wears, without the requirement check; the slot's set name is "Да" or
// "Нет" from the part-of-sets flag and its picture the record's. A shield makes
// the off-hand hold a shield. Whole or nothing: a number that does not read, a
// table without a free row, or a worn item that cannot be taken off leave the
// character as it was, with a message naming the item (`itemName`).
bool equipCustomItem(Planner &planner, Category table, Slot slot, const CustomItemRecord &record,
                     const QString &itemName);

// The card's put-on button: the slot for the type, then equipCustomItem.
bool putOnCustomItem(Planner &planner, const CustomItemRecord &record, const QString &itemName,
                     const QString &type);

}  // namespace veldora
