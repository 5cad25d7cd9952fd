#pragma once

#include "app/PlannerState.h"
#include "app/PresetMenu.h"
#include "character/PointTables.h"

#include <QString>

namespace veldora {

struct EnchantMenuLine;

// What the undo and redo entries call each player action ("Отменить: <label>").
// A label is taken before the action, from the state it starts on.

QString putOnLabel(const QString &itemName);   // "Надеть «Шлем стража»"
QString takeOffLabel(const QString &itemName); // "Снять «Шлем стража»"
QString takeOffAllLabel();                     // "Снять все предметы"
QString characterEntryLabel();                 // "Ввести данные"
// "Открыть план «name»"
QString openPlanLabel(const QString &planName);

// A click on a slot picture takes its item off; an empty slot names the slot.
QString slotClickLabel(const PlannerState &state, Slot slot);
// A click on a picture of the browser puts that item on.
QString catalogueClickLabel(const PlannerState &state, int tab, int row);
// "+ Сила", "− Владение ножами"; `row` counts within the table.
QString pointLabel(PointTable table, int row, bool plus);
// The preset's caption in its menu: "Комплект ангела: Кинжал", or "Комплект
// противостояния" for a set without choices.
QString presetLabel(const PresetArgs &args);
// "Ковать «Шлем стража»": the item the forge shows.
QString forgeLabel(const QString &itemName);
// "Чаровать «Шлем стража»: Слабые чары брони (+5)", the entry's path below its slot.
QString enchantLabel(const PlannerState &state, const EnchantMenuLine &entry);
// "Надеть «Мой шлем»" for a custom item.
inline QString customItemLabel(const QString &itemName) { return putOnLabel(itemName); }

// The name of the item a slot wears, empty when it wears none.
QString wornItemName(const PlannerState &state, Slot slot);

}  // namespace veldora
