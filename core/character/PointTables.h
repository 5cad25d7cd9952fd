#pragma once

#include "character/SheetLabels.h"

#include <QtGlobal>
#include <array>

namespace veldora {

// The three tables of the character sheet whose points the player distributes.
enum class PointTable { Stats, Masteries, Magic };
constexpr int kPointTableCount = 3;

// Recomputations a plus or minus click runs after writing its value. They always
// run in the order of this enumeration, which is the order of the recompute chain.
enum Link : unsigned {
    LinkRefreshButtons = 1u << 0,  // the table's own refresh (ends with UpdateTotals)
    LinkStatBonuses = 1u << 1,
    LinkCarryingCapacity = 1u << 2,
    LinkSetBonus = 1u << 3,
    LinkHealthAndMana = 1u << 4,
    LinkAuras = 1u << 5,
    LinkHighlight = 1u << 6,
};

// One row of the characteristics, masteries or magic schools. Rows of the three
// tables are numbered together (0..25): this number indexes own values, item
// totals and button states.
struct PointRow {
    PointTable table;
    const char *caption;  // heading of the row in the panel's picture
    Lbl required;         // kNoLabel for masteries
    Lbl own;
    Lbl items;
    Lbl setBonus;         // kNoLabel where the row has no set-bonus column
    Lbl setBonusSource;   // the set-bonus panel value copied into `setBonus`
    Lbl total;
    const char *plusButton;
    const char *minusButton;
    int minimum;          // the minus button stops here
    int entryField;       // index into kEntryFields reading the own value, or -1
    unsigned links;       // recomputations after a click, see Link
};

constexpr int kPointRowCount = 26;
extern const std::array<PointRow, kPointRowCount> kPointRows;

struct PointTableInfo {
    PointTable table;
    int firstRow;
    int rowCount;
    Lbl freePoints;  // LStat_new, LVlad_new, Lmagic_new
};
extern const std::array<PointTableInfo, kPointTableCount> kPointTables;

constexpr int pointTableIndex(PointTable t) { return static_cast<int>(t); }
inline const PointTableInfo &pointTableInfo(PointTable t) { return kPointTables[pointTableIndex(t)]; }

// Row numbers of the characteristics that rules name directly.
namespace stat {
constexpr int Sila = 0, Lovkost = 1, Intuiciya = 2, Hp = 3, Mp = 4, Intel = 5, Harizma = 6, Uda4a = 7;
}

// The entry panel Panel4.
struct EntryField {
    const char *name;     // Edit1 .. Edit12
    const char *caption;  // the label beside it
    const char *defaultText;
};
constexpr int kEntryFieldCount = 12;
extern const std::array<EntryField, kEntryFieldCount> kEntryFields;
namespace entry {
constexpr int Level = 0, FreeStats = 1, FreeMasteries = 2, FreeMagic = 3;
}

// The points the player distributes; the labels of the sheet mirror them.
struct PointState {
    qint64 level = 1;                                   // CharacterLevel
    std::array<qint64, kPointTableCount> free{5, 1, 1};  // FreeStatPoints, FreeMasteryPoints, FreeMagicPoints
    std::array<qint64, kPointRowCount> own{};            // own values, by point row
    bool operator==(const PointState &) const = default;
};

}  // namespace veldora
