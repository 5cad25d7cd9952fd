#include "customitems/EquipCustomItem.h"

#include "catalogue/ItemColumns.h"
#include "character/NumberText.h"

namespace veldora {

QVector<QString> customItemRow(const CustomItemRecord &record) {
    QVector<QString> row(kItemColumnCount, QStringLiteral("0"));
    row[0].clear();
    for (int i = 0; i < kCustomItemFieldCount; ++i)
        if (const int column = kCustomItemFields[i].column) row[column] = record.text(i);
    const QString letter = record.flag(field::Coins) ? QStringLiteral("м") : QStringLiteral("з");
    row[col::Price] = letter + record.text(field::Price);
    return row;
}

std::optional<QString> customItemNumberFault(const CustomItemRecord &record, const QString &itemName) {
    for (int i = 0; i < kCustomItemFieldCount; ++i) {
        const CustomItemField &f = kCustomItemFields[i];
        if (f.kind != FieldKind::Whole && f.kind != FieldKind::Decimal) continue;
        const QString text = record.text(i);
        const bool reads = f.kind == FieldKind::Whole ? parseInt32(text).has_value() : parseDecimal(text).has_value();
        if (reads) continue;
        QString where = QStringLiteral("«%1»").arg(QString::fromUtf8(f.caption));
        if (const QString group = fieldGroupCaption(f.group); !group.isEmpty())
            where += QStringLiteral(" группы «%1»").arg(group);
        const QString why = text.trimmed().isEmpty()
                                ? QStringLiteral("поле %1 не заполнено").arg(where)
                                : QStringLiteral("в поле %1 записано «%2», а не %3")
                                      .arg(where, text,
                                           f.kind == FieldKind::Whole ? QStringLiteral("целое число")
                                                                      : QStringLiteral("число"));
        return QStringLiteral("Предмет «%1» не надет: %2.").arg(itemName, why);
    }
    return std::nullopt;
}

std::optional<Slot> customItemSlot(Planner &planner, const QString &type) {
    const auto kind = customItemType(type);
    if (!kind) {
        planner.message(QStringLiteral("Предмет типа «%1» некуда надеть: такого типа нет среди слотов.").arg(type));
        return std::nullopt;
    }
    if (kind->choice == SlotChoice::Fixed) return kind->slot;
    // The first empty slot, as the browser chooses: a worn ring whose set name is
    // empty is not replaced while another slot is free.
    return kind->choice == SlotChoice::FirstFreeRing ? planner.freeRingSlot() : planner.freeTalismanSlot();
}

bool equipCustomItem(Planner &planner, Category table, Slot slot, const CustomItemRecord &record,
                     const QString &itemName) {
    if (const auto fault = customItemNumberFault(record, itemName)) {
        planner.message(*fault);
        return false;
    }
    if (record.text(field::Name).isEmpty()) {
        planner.message(QStringLiteral("Предмет «%1» не надет: в его файле не записано название.").arg(itemName));
        return false;
    }
    const QString setName = record.flag(field::PartOfSets) ? QStringLiteral("Да") : QStringLiteral("Нет");
    return planner.wearNewRow(slot, table, customItemRow(record), setName, {itemName, QStringLiteral("не надет")});
}

bool putOnCustomItem(Planner &planner, const CustomItemRecord &record, const QString &itemName,
                     const QString &type) {
    const auto slot = customItemSlot(planner, type);
    if (!slot) return false;
    return equipCustomItem(planner, slotInfo(*slot).category, *slot, record, itemName);
}

}  // namespace veldora
