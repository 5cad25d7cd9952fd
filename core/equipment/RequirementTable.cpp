#include "equipment/RequirementTable.h"

#include "character/NumberText.h"
#include "equipment/Slots.h"

#include <algorithm>

namespace veldora {

namespace {
constexpr auto N = kNoLabel;
}

// clang-format off
const std::array<RequirementColumn, kRequirementColumnCount> kRequirementColumns = {{
    {1, "Уровень", 58, "1", 1, Lbl::LTreb_Lvl, -1},
    {2, "Сила", 51, "3", 3, Lbl::LTreb_sila, 0},
    {3, "Ловкость", 52, "3", 3, Lbl::LTreb_lovkost, 1},
    {4, "Интуиция", 53, "3", 3, Lbl::LTreb_intuiciya, 2},
    {5, "Здоровье", 54, "3", 3, Lbl::LTreb_hp, 3},
    {6, "Мана", 55, "3", 3, Lbl::LTreb_mp, 4},
    {7, "Интеллект", 56, "1", 1, Lbl::LTreb_intel, 5},
    {8, "Харизма", 57, "1", 1, Lbl::LTreb_harizma, 6},
    {9, "Склонность", 0, "Любая", 0, N, -1},
    {10, "Магия общ.", 82, "0", 0, Lbl::LTrebMagic_Obw, 13},
    {11, "Магия тьмы", 83, "0", 0, Lbl::LTrebMagic_dark, 14},
    {12, "Магия света", 84, "0", 0, Lbl::LTrebMagic_light, 15},
    {13, "Магия хаоса", 85, "0", 0, Lbl::LTrebMagic_chaos, 16},
    {14, "Магия земли", 86, "0", 0, Lbl::LTrebMagic_earth, 17},
    {15, "Магия огня", 87, "0", 0, Lbl::LTrebMagic_fire, 18},
    {16, "Магия воды", 88, "0", 0, Lbl::LTrebMagic_water, 19},
    {17, "Магия воздуха", 89, "0", 0, Lbl::LTrebMagic_air, 20},
    {18, "Магия металла", 90, "0", 0, Lbl::LTrebMagic_metall, 21},
    {19, "Магия времени", 91, "0", 0, Lbl::LTrebMagic_time, 22},
    {20, "Магия пространства", 92, "0", 0, Lbl::LTrebMagic_prostranstvo, 23},
    {21, "Магия Физ", 93, "0", 0, Lbl::LTrebMagic_fiz, 24},
    {22, "Магия ментал", 94, "0", 0, Lbl::LTrebMagic_mental, 25},
}};
// clang-format on

RequirementTable::RequirementTable() : grid_(kRequirementColumnCount + 1) {
    for (const auto &c : kRequirementColumns) grid_.setCell(c.column, 0, QString::fromUtf8(c.caption));
    for (const auto &s : kSlots) {
        grid_.setCell(0, s.requirementRow, QString::fromUtf8(s.rowCaption));
        resetRow(s.requirementRow);
    }
}

void RequirementTable::resetRow(int r) {
    if (r < 1 || r > kRequirementRowCount) return;
    for (const auto &c : kRequirementColumns) {
        grid_.setCell(c.column, r, QString::fromUtf8(c.defaultText));
        values_[r][c.column] = c.floor;
    }
}

void RequirementTable::writeItem(int r, const CategoryTable &table, int itemRow) {
    if (r < 1 || r > kRequirementRowCount) return;
    for (const auto &c : kRequirementColumns)
        if (c.itemColumn != 0) {
            const QString &text = table.cellRef(c.itemColumn, itemRow);
            grid_.setCell(c.column, r, text);
            values_[r][c.column] = parseInt64(text).value_or(c.floor);
        }
}

qint64 RequirementTable::maximum(const RequirementColumn &c) const {
    qint64 best = c.floor;
    for (int r = 1; r <= kRequirementRowCount; ++r)
        best = std::max(best, values_[r][c.column]);
    return best;
}

void updateRequirementMaximaLabels(CharacterSheet &sheet, const RequirementTable &table) {
    for (const auto &c : kRequirementColumns)
        if (c.maximumLabel != kNoLabel) sheet.setValue(c.maximumLabel, table.maximum(c));
}

}  // namespace veldora
