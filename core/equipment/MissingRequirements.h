#pragma once

#include "character/PointTables.h"
#include "equipment/ItemEffects.h"

#include <QString>
#include <QVector>
#include <array>

namespace veldora {

// One requirement of an item that the character does not meet.
struct UnmetRequirement {
    int column = 0;      // requirement column (1..22); 1 is the level
    int itemColumn = 0;  // the item's column that holds it
    qint64 required = 0;
    qint64 have = 0;     // the level, or own value + items
    qint64 missing() const { return required - have; }
    bool operator==(const UnmetRequirement &) const = default;
};

// Everything an item lacks against the character, measured as the requirement
// check measures it: the level, then own value + items of every characteristic
// and magic school, the item's own bonuses not counted.
struct MissingRequirements {
    QVector<UnmetRequirement> unmet;                // in the order of the check
    std::array<qint64, kPointTableCount> needed{};  // points each pool would have to give
    std::array<qint64, kPointTableCount> free{};    // points each pool has

    bool met() const { return unmet.isEmpty(); }
    // The unmet requirement read from `itemColumn`, or nullptr.
    const UnmetRequirement *find(int itemColumn) const;
    // The required level when it is above the character's; 0 otherwise.
    qint64 levelAbove() const;
    // Whether anything but the level is missing: only then do free points matter.
    bool pointsMatter() const;
    // Every pool has at least the points its requirements lack.
    bool pointsSuffice() const;

    bool operator==(const MissingRequirements &) const = default;
};

// Own value + items of every point row (0..25).
using PointRowValues = std::array<qint64, kPointRowCount>;

MissingRequirements missingRequirements(const ItemValues &item, const CharacterSheet &sheet,
                                        const PointState &points);
// The same check against values given row by row; `free` is left 0.
MissingRequirements missingRequirements(const ItemValues &item, const PointRowValues &have, qint64 level);

// "не хватает 3".
QString missingNote(qint64 amount);
// "Можно надеть с 12 уровня": points cannot raise the level.
QString wearableFromLevelLine(qint64 level);
// "Хватит свободных параметров", or which pools are short and by how much.
QString freePointsLine(const MissingRequirements &missing);
// The lines that follow "Требования не выполнены." in its box: each unmet
// requirement with its caption, then the level and free-point lines.
QString missingRequirementsText(const MissingRequirements &missing);

}  // namespace veldora
