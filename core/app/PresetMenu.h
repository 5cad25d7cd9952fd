#pragma once

#include <QString>
#include <span>

namespace veldora {

// The five arguments of one preset outfit.
struct PresetArgs {
    const char *weaponName;  // "nil": no weapon
    const char *setName;     // becomes the set name of every slot the preset fills
    int oneHanded;           // 1: the set's shield is put on; 0: two-handed weapon, no shield
    const char *ringName;    // "nil": the set's own ring
    int twinWeapons;         // 1: the weapon also goes to the off-hand
};

inline constexpr const char *kNil = "nil";

enum class PresetLineKind { Submenu, Entry, Separator };

// The menu "Одеть комплект", one line per menu item in menu order. `depth` 0 are
// the items directly under "Одеть комплект"; an item belongs to the nearest
// Submenu line above it with depth one less.
struct PresetMenuLine {
    int depth;
    PresetLineKind kind;
    const char *caption;  // UTF-8; trailing spaces are part of it
    PresetArgs args;      // Entry lines only
    bool enabled;         // a disabled separator stands in "Для магов"
};

std::span<const PresetMenuLine> presetMenu();
constexpr int kPresetEntryCount = 134;

}  // namespace veldora
