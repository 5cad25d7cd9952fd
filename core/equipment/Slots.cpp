#include "equipment/Slots.h"

namespace veldora {

// clang-format off
const std::array<SlotInfo, kSlotCount> kSlots = {{
    {Slot::Helmet, "Image_helmet", 3, 82, 63, 63, Category::Helmets, 1, "Шлем", "Шлем"},
    {Slot::Pendant, "Image_kulon", 3, 144, 63, 24, Category::Pendants, 2, "Кулон", "Кулон"},
    {Slot::Armour, "Image_armor", 3, 167, 63, 82, Category::Armour, 3, "Броня", "Броня"},
    {Slot::Belt, "Image_belt", 3, 247, 63, 42, Category::Belts, 4, "Пояс", "Пояс"},
    {Slot::Amulet, "Image_amulet", 3, 289, 63, 24, Category::Amulets, 5, "Амулет", "Амулет"},
    {Slot::Boots, "Image_boots", 3, 312, 63, 42, Category::Boots, 6, "Обувь", "Обувь"},
    {Slot::Bracelets, "Image_braslets", 176, 82, 63, 42, Category::Bracelets, 7, "Браслеты", "Браслет"},
    {Slot::Gloves, "Image_gloves", 176, 124, 63, 43, Category::Gloves, 8, "Перчатки", "Перчатки"},
    {Slot::Weapon, "Image_weapon", 176, 166, 63, 63, Category::Weapons, 9, "Оружие", "Оружие"},
    {Slot::OffHand, "Image_shield", 176, 229, 63, 61, Category::Shields, 10, "Щит", "Щит"},
    {Slot::Trousers, "Image_pants", 176, 291, 63, 63, Category::Trousers, 11, "Штаны", "Штаны"},
    {Slot::Ring1, "Image_ring1", 66, 332, 22, 24, Category::Rings, 12, "Кольцо 1", "Кольцо1"},
    {Slot::Ring2, "Image_ring2", 88, 332, 22, 24, Category::Rings, 13, "Кольцо 2", "Кольцо2"},
    {Slot::Ring3, "Image_ring3", 110, 332, 22, 24, Category::Rings, 14, "Кольцо 3", "Кольцо3"},
    {Slot::Ring4, "Image_ring4", 131, 332, 22, 24, Category::Rings, 15, "Кольцо 4", "Кольцо4"},
    {Slot::Ring5, "Image_ring5", 153, 332, 22, 24, Category::Rings, 16, "Кольцо 5", "Кольцо5"},
    {Slot::Talisman1, "Image_tal1", 66, 82, 22, 24, Category::Talismans, 17, "Тал 1", "Талисман1"},
    {Slot::Talisman2, "Image_tal2", 88, 82, 22, 24, Category::Talismans, 18, "Тал 2", "Талисман2"},
    {Slot::Talisman3, "Image_tal3", 110, 82, 22, 24, Category::Talismans, 19, "Тал 3", "Талисман3"},
    {Slot::Talisman4, "Image_tal4", 131, 82, 22, 24, Category::Talismans, 20, "Тал 4", "Талисман4"},
    {Slot::Talisman5, "Image_tal5", 153, 82, 22, 24, Category::Talismans, 21, "Тал 5", "Талисман5"},
}};
// clang-format on

const std::array<Slot, kSlotCount> kSetCountOrder = {{
    Slot::Talisman1, Slot::Talisman2, Slot::Talisman3, Slot::Talisman4, Slot::Talisman5,
    Slot::Ring1, Slot::Ring2, Slot::Ring3, Slot::Ring4, Slot::Ring5,
    Slot::Helmet, Slot::Weapon, Slot::OffHand, Slot::Trousers, Slot::Gloves, Slot::Bracelets,
    Slot::Belt, Slot::Boots, Slot::Amulet, Slot::Pendant, Slot::Armour,
}};

std::optional<Slot> slotByKey(const QString &key) {
    if (key == QString::fromUtf8(kSecondWeaponKey)) return Slot::OffHand;
    for (const SlotInfo &s : kSlots)
        if (key == QString::fromUtf8(s.slotKey)) return s.slot;
    return std::nullopt;
}

std::optional<Slot> slotByPictureBox(const QString &name) {
    for (const SlotInfo &s : kSlots)
        if (name == QLatin1String(s.pictureBox)) return s.slot;
    return std::nullopt;
}

QString weaponGripText(WeaponGrip g) {
    return g == WeaponGrip::Normal ? QStringLiteral("Норм") : QStringLiteral("Двуручное");
}

QString offHandKindText(OffHandKind k) {
    return k == OffHandKind::Shield ? QStringLiteral("щит") : QStringLiteral("кинжал");
}

}  // namespace veldora
