#pragma once

#include "equipment/Slots.h"

#include <QString>
#include <span>

namespace veldora {

// What one enchantment does: raise `column` of the item worn in `slot` by
// `bonus`, for items whose required level is at least `minLevel`.
struct Enchantment {
    Slot slot;
    int column;
    int bonus;
    int minLevel;
    bool operator==(const Enchantment &) const = default;
};

enum class EnchantLineKind { Submenu, Entry, Separator };

// The menu "Чаровать", one line per menu item in menu order. Depth 0 are the
// slot submenus directly under "Чаровать"; a line belongs to the nearest Submenu
// line above it with depth one less.
struct EnchantMenuLine {
    int depth;
    EnchantLineKind kind;
    QString caption;     // exact, trailing and double spaces included; empty for separators
    QString objectName;  // unique; empty for separators
    bool enabled;        // disabled entries are shown greyed and do nothing
    Enchantment enchantment;  // enabled entries only
};

std::span<const EnchantMenuLine> enchantMenu();

// The enabled entry of that object name, or nullptr.
const EnchantMenuLine *enchantEntry(const QString &objectName);

// Whether some enchantment raises `column`: a recorded enchantment names one.
bool isEnchantedColumn(int column);

}  // namespace veldora
