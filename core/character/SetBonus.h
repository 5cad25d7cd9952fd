#pragma once

#include "catalogue/SetBonusTable.h"
#include "character/CharacterSheet.h"

#include <QString>
#include <optional>
#include <span>

namespace veldora {

// The set name that empty slots count as.
inline const QString kNoSetName = QStringLiteral("No Full");

struct WornSet {
    QString name;
    int count = 0;  // wide enough for any number of slots
    bool operator==(const WornSet &) const = default;
};

// Counts the set names of the slots, visited in `setNames` order; an empty name
// counts as "No Full". The highest count wins, a tie going to the name that first
// occurred later.
WornSet countWornSets(std::span<const QString *const> setNames);
WornSet countWornSets(std::span<const QString> setNames);

// A cell of the worn set's row that is not a whole number.
struct SetBonusFault {
    int column;
    QString text;
};

// Steps of ApplySetBonus after the count: finds the set's row, copies its bonus
// into Panel6 when enough items are worn (else zeros, also when no row carries
// the name), lays Panel6 out under
// Panel7 and updates the totals. A row with a cell that is not a whole number
// gives no bonus (zeros, like too few items) and is returned as a fault.
std::optional<SetBonusFault> applySetBonusRow(CharacterSheet &sheet, const SetBonusTable &sets,
                                             const WornSet &worn);

}  // namespace veldora
