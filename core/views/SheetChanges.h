#pragma once

#include "app/PlannerState.h"

#include <QString>
#include <QVector>

namespace veldora {

// Whether a change is good for the character: more of a modifier is, more mass
// or a higher price is not.
enum class Trend { Gain, Loss };

struct SheetChange {
    QString caption;     // "Сила", "Общая масса", "Комплект «Ангела»"
    QString difference;  // "+5", "-0,3", "получен"
    Trend trend;
    bool operator==(const SheetChange &) const = default;
};

// The changes of one part of the sheet; the first group has no heading.
struct SheetChangeGroup {
    QString heading;  // "", "Бонус за статы", "Бонус за комплект"
    QVector<SheetChange> changes;
    bool operator==(const SheetChangeGroup &) const = default;
};

// Every value of the character sheet that differs between the two states, in the
// order of the main window: the totals of characteristics, masteries and magic,
// health and mana, the item modifiers, the aura counts, capacity, mass and price;
// then the bonuses for characteristics; then the set bonus gained or lost and its
// values. A value that another line already shows (a set bonus copied into a
// total, an aura value summed into its count) is not repeated. Groups without a
// change are left out.
QVector<SheetChangeGroup> sheetChanges(const PlannerState &before, const PlannerState &after);

// The set whose bonus the sheet shows, or an empty text when no bonus applies.
QString activeSetBonus(const PlannerState &state);

// "caption: difference".
QString changeLineText(const SheetChange &change);

}  // namespace veldora
