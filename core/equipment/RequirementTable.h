#pragma once

#include "catalogue/CategoryTable.h"
#include "catalogue/TextGrid.h"
#include "character/CharacterSheet.h"

#include <array>

namespace veldora {

// A column of the requirement table: caption, the item column copied into it,
// the value of an empty slot, the floor of its maximum and the label that shows
// the maximum.
struct RequirementColumn {
    int column;            // 1..22
    const char *caption;
    int itemColumn;        // 0: none (alignment)
    const char *defaultText;
    int floor;
    Lbl maximumLabel;      // kNoLabel: not shown
    int pointRow;          // the character row the requirement is checked against; -1 for the level
};
constexpr int kRequirementColumnCount = 22;
extern const std::array<RequirementColumn, kRequirementColumnCount> kRequirementColumns;
constexpr int kRequirementRowCount = 21;

// The requirements of every worn item, one row per slot (its requirement row),
// one column per requirement. Row 0 and column 0 hold captions.
class RequirementTable {
public:
    RequirementTable();

    QString cell(int column, int row) const { return grid_.cell(column, row); }

    // Writes the defaults of an empty slot into row r (1..21); other rows are ignored.
    void resetRow(int r);
    // Copies the requirement columns of an item into row r; alignment is left.
    void writeItem(int r, const CategoryTable &table, int itemRow);

    // The largest requirement of column c over every row and its floor.
    qint64 maximum(const RequirementColumn &c) const;

    bool operator==(const RequirementTable &) const = default;

private:
    TextGrid grid_;
    // The numbers the cells show, so that the maxima need not parse text.
    std::array<std::array<qint64, kRequirementColumnCount + 1>, kRequirementRowCount + 1> values_{};
};

// Writes every column's maximum into its label (the caller lays out Panel5 first).
void updateRequirementMaximaLabels(CharacterSheet &sheet, const RequirementTable &table);

}  // namespace veldora
