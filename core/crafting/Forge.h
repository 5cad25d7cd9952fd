#pragma once

#include "app/Planner.h"
#include "crafting/ForgeTable.h"

#include <QString>
#include <QVector>
#include <array>

namespace veldora {

// What the forge window shows, as a plain value: the item it was opened for,
// the units left, the addition of every row, and which rows and buttons are
// enabled and visible. The window only shows it and forwards clicks.
struct Forge {
    Slot slot = Slot::Helmet;             // the slot it was last opened for
    Category table = Category::Helmets;   // the table that slot's item came from then
    int row = 0;           // the item shown; 0 until opened
    QString caption;       // the window caption
    QString picture;       // the slot's picture file
    QString forgeCount;    // column 127 as the row holds it
    int units = 0;
    std::array<QString, kForgeRowCount> values;      // the columns' texts as the row holds them
    std::array<qint64, kForgeRowCount> additions{};
    std::array<bool, kForgeRowCount> rowEnabled{};
    std::array<bool, kForgePairCount> pairEnabled{};
    std::array<bool, kForgePairCount> plusVisible{};
    std::array<bool, kForgePairCount> minusVisible{};
    // The item's cells as the forge was opened on them: an undone step can give
    // its row number to another copy, which the additions were not chosen for.
    QVector<QString> openedCells;

    // Fills the forge for the item `slot` wears, taken from `table`; units and
    // additions start afresh.
    void open(const PlannerState &state, Slot slot, Category table);
    // The plus and minus pictures of a pair; a disabled or hidden picture does
    // not react.
    void plus(int pair);
    void minus(int pair);

    // The name of the item the forge was opened on; its row may since hold
    // another copy, or nothing once the forging that made it is undone.
    QString itemName() const { return openedCells.value(col::Name); }
    QString unitsText() const { return QString::number(units); }
    QString additionText(int r) const { return QStringLiteral("+") + QString::number(additions[r]); }

    bool operator==(const Forge &) const = default;

private:
    void raise(int pair, int sign);
    void refreshButtons();
};

// A "Ковать" menu entry: opens the forge for the slot's item and returns true,
// or shows the entry's message and leaves the forge as it was when the slot is
// empty. The off-hand opens with the table that OffHandKind names.
bool chooseForgeEntry(Planner &planner, Forge &forge, const ForgeMenuEntry &entry);

enum class ForgeResult { Forged, Refused };

// The "Ковать" picture: the worn item is replaced by a copy whose forged columns
// hold the sums of the item's values and the additions, with the forge count one
// higher. Refused with one message and nothing changed when the slot no longer
// wears the item shown (the same row with the same cells), a cell does not read as a whole number, a sum leaves the
// range of a cell or the table has no free row. On success shows the message
// "Ваш НАДЕТЫЙ предмет закован." (the window hides itself).
ForgeResult applyForge(Planner &planner, const Forge &forge);

}  // namespace veldora
