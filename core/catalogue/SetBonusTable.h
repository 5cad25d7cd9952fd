#pragma once

#include "catalogue/TextGrid.h"

#include <QString>
#include <array>

namespace veldora {

// The set-bonus table: one row per set, the set name in column 0, the number of
// worn items the bonus needs in column 38, bonus values in columns 1..37 and 39..47.
constexpr int kSetBonusColumnCount = 48;
constexpr int kSetNeededColumn = 38;

struct SetBonusColumn {
    int column;
    const char *field;    // database field of `Фулы Бонус`, UTF-8
    const char *caption;  // caption written into row 0
};

extern const std::array<SetBonusColumn, kSetBonusColumnCount> kSetBonusColumns;

inline constexpr const char *kSetBonusTableName = "Фулы Бонус";
inline constexpr int kSetBonusFieldWidth = 50;

// Row 0 holds the captions; rows 1..N the sets in ascending set-name order.
// Row numbers are 8-bit, so the table holds at most kMaxSetRows sets.
class SetBonusTable {
public:
    static constexpr int kMaxSetRows = 254;

    SetBonusTable();

    QString cell(int column, int row) const { return grid_.cell(column, row); }
    const QString &cellRef(int column, int row) const { return grid_.cellRef(column, row); }
    void setCell(int column, int row, const QString &text) { grid_.setCell(column, row, text); }

    int rowCount() const { return rowCount_; }  // N + 1
    void setRowCount(int n) { rowCount_ = n; }

    // First row from 0 to N whose column 0 equals `name` exactly; 0 when none
    // (a match in the caption row counts as none).
    int findSet(const QString &name) const;

    bool operator==(const SetBonusTable &) const = default;

private:
    TextGrid grid_;
    int rowCount_ = 1;
};

}  // namespace veldora
