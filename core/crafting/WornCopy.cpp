#include "crafting/WornCopy.h"

#include "character/NumberText.h"

#include <limits>

namespace veldora {

std::optional<WornItem> wornItem(const PlannerState &state, Slot slot, Category table) {
    const int row = state.slot(slot).row;
    if (row == 0) return std::nullopt;
    return WornItem{slot, table, row};
}

QVector<QString> rowCells(const CategoryTable &table, int row) {
    QVector<QString> cells(kItemColumnCount);
    for (int c = 1; c < kItemColumnCount; ++c) cells[c] = table.cellRef(c, row);
    return cells;
}

QString craftingFieldName(int column) {
    switch (column) {
    case col::ForgeCount:
        return QStringLiteral("Уровень ковки");
    case col::Enchanted:
        return QStringLiteral("Зачарован");
    case col::EnchantColumn:
        return QStringLiteral("Номер поля чар");
    case col::EnchantAmount:
        return QStringLiteral("Прибавка чар");
    }
    for (const ItemColumn &c : kItemColumns)
        if (c.column == column) return itemFieldName(c);
    return QString::number(column);
}

QString notWholeNumberReason(int column, const QString &cell) {
    if (cell.trimmed().isEmpty()) return QStringLiteral("поле «%1» не заполнено").arg(craftingFieldName(column));
    return QStringLiteral("в поле «%1» записано «%2», а не целое число").arg(craftingFieldName(column), cell);
}

std::optional<QString> addToIntegerCell(QVector<QString> &cells, int column, qint64 amount) {
    const auto value = parseInt32(cells[column]);
    if (!value) return notWholeNumberReason(column, cells[column]);
    const qint64 sum = qint64(*value) + amount;
    if (sum < std::numeric_limits<qint32>::min() || sum > std::numeric_limits<qint32>::max())
        return QStringLiteral("в поле «%1» получилось бы %2, а ячейка держит числа от %3 до %4")
            .arg(craftingFieldName(column))
            .arg(sum)
            .arg(std::numeric_limits<qint32>::min())
            .arg(std::numeric_limits<qint32>::max());
    cells[column] = QString::number(sum);
    return std::nullopt;
}

QString craftingRefusal(const QString &itemName, const QString &refusal, const QString &reason) {
    return QStringLiteral("Предмет «%1» %2: %3.").arg(itemName, refusal, reason);
}

bool wearWornCopy(Planner &planner, const WornItem &worn, const QVector<QString> &cells, const QString &refusal) {
    // The slot's set name, not the row's: a ring that a preset counts in its set
    // stays in it once forged or enchanted, so the set bonus does not drop.
    const QString setName = planner.state().slot(worn.slot).setName;
    const QString name = planner.state().catalogue.table(worn.table).cell(col::Name, worn.row);
    return planner.wearNewRow(worn.slot, worn.table, cells, setName, {name, refusal, true});
}

}  // namespace veldora
