#include "crafting/WornCopy.h"

#include "character/NumberText.h"

#include <limits>

namespace veldora {

std::optional<WornItem> wornItem(const PlannerState &state, Slot slot, Category table) {
    const int row = state.slot(slot).row;
    if (row == 0) return std::nullopt;
    return WornItem{slot, table, row};
}

std::optional<QString> addToIntegerCell(QVector<QString> &cells, int column, qint64 amount) {
    const auto value = parseInt32(cells[column]);
    if (!value) return itemFaultReason({column, cells[column]}, true);
    const qint64 sum = qint64(*value) + amount;
    if (sum < std::numeric_limits<qint32>::min() || sum > std::numeric_limits<qint32>::max())
        return QStringLiteral("в поле «%1» получилось бы %2, а ячейка держит числа от %3 до %4")
            .arg(itemColumnName(column))
            .arg(sum)
            .arg(std::numeric_limits<qint32>::min())
            .arg(std::numeric_limits<qint32>::max());
    cells[column] = QString::number(sum);
    return std::nullopt;
}

bool wearWornCopy(Planner &planner, const WornItem &worn, const QVector<QString> &cells, const QString &refusal) {
    // The slot's set name, not the row's: a ring that a preset counts in its set
    // stays in it once forged or enchanted, so the set bonus does not drop.
    const QString setName = planner.state().slot(worn.slot).setName;
    const QString name = planner.state().catalogue.table(worn.table).cell(col::Name, worn.row);
    return planner.wearNewRow(worn.slot, worn.table, cells, setName, {name, refusal, true});
}

}  // namespace veldora
