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

std::optional<int> appendWornCopy(Planner &planner, const WornItem &worn, const QVector<QString> &cells,
                                  const QString &refusal) {
    const CategoryTable &table = planner.state().catalogue.table(worn.table);
    const QString name = table.cell(col::Name, worn.row);
    auto read = readItem(table, worn.row);
    if (const auto *fault = std::get_if<ItemFault>(&read)) {
        planner.message(craftingRefusal(name, refusal, itemFaultReason(*fault)));
        return std::nullopt;
    }
    const auto row = planner.appendRow(worn.table, cells);
    if (!row)
        planner.message(craftingRefusal(
            name, refusal,
            QStringLiteral("в таблице «%1» нет свободной строки (в ней уже %2 предметов)")
                .arg(categoryTypeValue(worn.table))
                .arg(CategoryTable::kMaxItemRows)));
    return row;
}

bool putCopyOn(Planner &planner, const WornItem &worn, int copyRow) {
    // The slot's set name, not the row's: a ring that a preset counts in its set
    // stays in it once forged or enchanted, so the set bonus does not drop.
    const QString setName = planner.state().slot(worn.slot).setName;
    return planner.replaceWornItem(worn.slot, worn.table, copyRow, setName, false) == EquipResult::Equipped;
}

}  // namespace veldora
