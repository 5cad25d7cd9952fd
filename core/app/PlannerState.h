#pragma once

#include "catalogue/Catalogue.h"
#include "character/CharacterSheet.h"
#include "character/PointTables.h"
#include "equipment/ItemEffects.h"
#include "equipment/RequirementTable.h"
#include "equipment/Slots.h"

#include <QString>
#include <QStringList>
#include <array>

namespace veldora {

// Everything the planner knows, as one plain value: copy it to keep a snapshot,
// compare two snapshots with ==.
struct PlannerState {
    Catalogue catalogue;
    std::array<EquipmentSlot, kSlotCount> equipmentSlots;
    WeaponGrip weaponGrip = WeaponGrip::Normal;
    OffHandKind offHandKind = OffHandKind::Shield;
    RequirementTable requirements;
    CharacterSheet sheet;
    ItemBonusTotals itemTotals;
    PointState points;
    std::array<QString, kEntryFieldCount> entryTexts;  // Edit1 .. Edit12
    bool requirementCheckOn = false;
    QString programFolder;
    QString wornSetName;
    int wornSetCount = 0;
    bool firstSetEvaluation = true;
    QString lastFailedItemName;
    QString errorLabel;               // caption of ErrorLabel: the preset failure list
    QStringList reportedSetFaults;    // sets whose faulty bonus row was already reported

    const EquipmentSlot &slot(Slot s) const { return equipmentSlots[slotIndex(s)]; }
    EquipmentSlot &slot(Slot s) { return equipmentSlots[slotIndex(s)]; }

    bool operator==(const PlannerState &) const = default;
};

// The table the item worn in `slot` comes from: the off-hand's follows what it holds.
inline Category wornCategory(const PlannerState &state, Slot slot) {
    return slot == Slot::OffHand ? offHandCategory(state.offHandKind) : slotInfo(slot).category;
}

}  // namespace veldora
