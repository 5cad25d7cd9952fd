#pragma once

#include "catalogue/Category.h"

#include <QString>
#include <array>
#include <optional>

namespace veldora {

// The 21 equipment slots, in the order of their requirement rows (1..21), which is
// also the order in which everything is taken off.
enum class Slot {
    Helmet, Pendant, Armour, Belt, Amulet, Boots, Bracelets, Gloves, Weapon, OffHand, Trousers,
    Ring1, Ring2, Ring3, Ring4, Ring5,
    Talisman1, Talisman2, Talisman3, Talisman4, Talisman5,
};
constexpr int kSlotCount = 21;
constexpr int slotIndex(Slot s) { return static_cast<int>(s); }
constexpr Slot slotAt(int index) { return static_cast<Slot>(index); }

struct SlotInfo {
    Slot slot;
    const char *pictureBox;  // Image_helmet, ...
    int left, top, width, height;  // within Panel1
    Category category;       // the off-hand's while it holds a shield
    int requirementRow;      // 1..21
    const char *rowCaption;  // column 0 of the requirement table
    const char *slotKey;     // forging and enchanting name the slot by it
};
extern const std::array<SlotInfo, kSlotCount> kSlots;
inline const SlotInfo &slotInfo(Slot s) { return kSlots[slotIndex(s)]; }

std::optional<Slot> slotByKey(const QString &key);
std::optional<Slot> slotByPictureBox(const QString &name);

// The slot key of the off-hand while it holds a second weapon.
inline constexpr const char *kSecondWeaponKey = "Оружие2";

constexpr std::array<Slot, 5> kRingSlots = {Slot::Ring1, Slot::Ring2, Slot::Ring3, Slot::Ring4, Slot::Ring5};
constexpr std::array<Slot, 5> kTalismanSlots = {Slot::Talisman1, Slot::Talisman2, Slot::Talisman3,
                                                Slot::Talisman4, Slot::Talisman5};

// The order in which worn set names are counted.
extern const std::array<Slot, kSlotCount> kSetCountOrder;

// What a slot holds.
struct EquipmentSlot {
    int row = 0;        // SlotRow: row of the worn item in its table, 1..255; 0 when empty
    QString setName;    // SlotSetName
    QString picture;    // file shown on the slot; empty when it shows nothing
    bool operator==(const EquipmentSlot &) const = default;
};

// Whether the worn weapon is two-handed.
enum class WeaponGrip { Normal, TwoHanded };
// Which table the off-hand's item comes from.
enum class OffHandKind { Shield, Dagger };

QString weaponGripText(WeaponGrip g);    // "Норм", "Двуручное"
QString offHandKindText(OffHandKind k);  // "щит", "кинжал"

inline Category offHandCategory(OffHandKind k) {
    return k == OffHandKind::Shield ? Category::Shields : Category::Weapons;
}

}  // namespace veldora
