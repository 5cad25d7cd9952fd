#pragma once

#include "app/Planner.h"
#include "crafting/Enchantments.h"

namespace veldora {

enum class EnchantResult { Enchanted, NotWorn, LevelTooLow, Refused };

// One enabled entry of "Чаровать": the item worn in the enchantment's slot is
// replaced by a copy whose column is raised by the bonus, recording the
// enchantment in columns 128..130; an earlier enchantment is taken back first.
// An off-hand that holds a second weapon counts as no shield worn. Everything
// is checked before the message "Ваш НАДЕТЫЙ предмет зачарован." (or
// "ПЕРЕчарован.") is shown, so a refusal shows only its own message and
// changes nothing.
EnchantResult enchantWornItem(Planner &planner, const Enchantment &enchantment);

inline constexpr const char *kNotWornMessage = "Предмет не надет!";
inline constexpr const char *kLevelTooLowMessage = "Уровень предмета для данной чарки мал.";
inline constexpr const char *kEnchantedMessage = "Ваш НАДЕТЫЙ предмет зачарован.";
inline constexpr const char *kReEnchantedMessage = "Ваш НАДЕТЫЙ предмет ПЕРЕчарован.";

}  // namespace veldora
