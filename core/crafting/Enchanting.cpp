#include "crafting/Enchanting.h"

#include "character/NumberText.h"
#include "crafting/WornCopy.h"
#include "equipment/ItemEffects.h"

namespace veldora {

namespace {

const QString kNotEnchanted = QStringLiteral("не зачарован");

// The shield entries work on the shields table only: a second weapon in the
// off-hand is a row of the weapons table, and the same row number there names
// an unrelated shield.
std::optional<WornItem> enchantableItem(const PlannerState &state, Slot slot) {
    if (slot == Slot::OffHand && state.offHandKind != OffHandKind::Shield) return std::nullopt;
    return wornItem(state, slot, slotInfo(slot).category);
}

}  // namespace

EnchantResult enchantWornItem(Planner &planner, const Enchantment &e) {
    const auto worn = enchantableItem(planner.state(), e.slot);
    if (!worn) {
        planner.message(QString::fromUtf8(kNotWornMessage));
        return EnchantResult::NotWorn;
    }
    const CategoryTable &table = planner.state().catalogue.table(worn->table);
    const QString name = table.cell(col::Name, worn->row);
    const auto refuse = [&](const QString &reason) {
        planner.message(itemRefusal(name, kNotEnchanted, reason));
        return EnchantResult::Refused;
    };

    const QString &levelCell = table.cellRef(col::ReqLevel, worn->row);
    const auto level = parseInt32(levelCell);
    if (!level) return refuse(itemFaultReason({col::ReqLevel, levelCell}, true));
    if (*level < e.minLevel) {
        planner.message(QString::fromUtf8(kLevelTooLowMessage));
        return EnchantResult::LevelTooLow;
    }

    QVector<QString> cells = table.rowCells(worn->row);
    const bool reEnchanting = cells[col::Enchanted] == u"1";
    if (reEnchanting) {
        // The old enchantment comes back out of the column it raised.
        const auto column = parseInt32(cells[col::EnchantColumn]);
        if (!column || !isEnchantedColumn(*column))
            return refuse(column ? QStringLiteral("в поле «%1» записано «%2», а не номер поля, которое поднимают чары")
                                       .arg(itemColumnName(col::EnchantColumn), cells[col::EnchantColumn])
                                 : itemFaultReason({col::EnchantColumn, cells[col::EnchantColumn]}, true));
        const auto amount = parseInt32(cells[col::EnchantAmount]);
        if (!amount) return refuse(itemFaultReason({col::EnchantAmount, cells[col::EnchantAmount]}, true));
        if (const auto fault = addToIntegerCell(cells, *column, -qint64(*amount))) return refuse(*fault);
    }
    if (const auto fault = addToIntegerCell(cells, e.column, e.bonus)) return refuse(*fault);
    cells[col::Enchanted] = QStringLiteral("1");
    cells[col::EnchantColumn] = QString::number(e.column);
    cells[col::EnchantAmount] = QString::number(e.bonus);

    if (!wearWornCopy(planner, *worn, cells, kNotEnchanted)) return EnchantResult::Refused;
    planner.message(QString::fromUtf8(reEnchanting ? kReEnchantedMessage : kEnchantedMessage));
    return EnchantResult::Enchanted;
}

}  // namespace veldora
