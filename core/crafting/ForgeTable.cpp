#include "crafting/ForgeTable.h"

namespace veldora {

namespace {
constexpr auto Ruby = Material::Ruby;
constexpr auto Silver = Material::Silver;
constexpr auto Emerald = Material::Emerald;
constexpr auto Copper = Material::Copper;
constexpr auto Gold = Material::Gold;
}  // namespace

// clang-format off
const std::array<ForgeRow, kForgeRowCount> kForgeRows = {{
    {Ruby, 0, "Минимальный удар:", 40, "Label_Min_Caption2", "Label_Min_Value2", "Label_Min_Add2", 2},
    {Ruby, 0, "Максимальный удар:", 41, "Label_Max_Caption2", "Label_Max_Value2", "Label_Max_Add2", 5},
    {Silver, 1, "Минимальный удар:", 40, "Label_Min_Caption", "Label_Min_Value", "Label_Min_Add", 1},
    {Silver, 1, "Максимальный удар:", 41, "Label_Max_Caption", "Label_Max_Value", "Label_Max_Add", 2},
    {Emerald, 2, "Сила:", 45, "Label_Sila_Caption", "Label_Sila_Value", "Label_Sila_Add", 1},
    {Emerald, 3, "Ловкость:", 46, "Label_Lovk_Caption", "Label_Lovk_Value", "Label_Lovk_Add", 1},
    {Emerald, 4, "Интуиция:", 47, "Label_Intuic_Caption", "Label_Intuic_Value", "Label_Intuic_Add", 1},
    {Emerald, 5, "Интеллект:", 48, "Label_Intel_Caption", "Label_Intel_Value", "Label_Intel_Add", 1},
    {Emerald, 6, "Харизма:", 49, "Label_harizma_Caption", "Label_harizma_Value", "Label_harizma_Add", 1},
    {Emerald, 7, "Удача:", 50, "Label_Udacha_Caption", "Label_Udacha_Value", "Label_Udacha_add", 1},
    {Copper, 8, "Броня головы:", 27, "Label_BronGolova_Caption", "Label_BronGolova_Value", "Label_BronGolova_Add", 2},
    {Copper, 8, "Броня тела:", 28, "Label_BronTela_caption", "Label_BronTela_value", "Label_BronTela_add", 2},
    {Copper, 8, "Броня пояса:", 29, "Label_BronPoyasa_caption", "Label_BronPoyasa_value", "Label_BronPoyasa_add", 2},
    {Copper, 8, "Броня ног:", 30, "Label_BronNog_Caption", "Label_BronNog_Value", "Label_BronNog_Add", 2},
    {Copper, 8, "Защита от магии земли:", 31, "Label_ZawOtMagEarth_Caption", "Label_ZawOtMagEarth_Value", "Label_ZawOtMagEarth_Add", 2},
    {Copper, 8, "Защита от магии огня:", 32, "Label_ZawOtMagFire_Caption", "Label_ZawOtMagFire_Value", "Label_ZawOtMagFire_Add", 2},
    {Copper, 8, "Защита от магии воды:", 33, "Label_ZawOtMagWater_Caption", "Label_ZawOtMagWater_Value", "Label_ZawOtMagWater_Add", 2},
    {Copper, 8, "Защита от магии воздуха:", 34, "Label_ZawOtMagAir_Caption", "Label_ZawOtMagAir_Value", "Label_ZawOtMagAir_Add", 2},
    {Gold, 9, "Критический удар:", 6, "Label_Krit_Caption", "Label_Krit_Value", "Label_Krit_Add", 5},
    {Gold, 10, "Защита от критического удара:", 7, "Label_AntiKrit_Caption", "Label_AntiKrit_Value", "Label_AntiKrit_Add", 5},
    {Gold, 11, "Уворот:", 8, "Label_Uvorot_Caption", "Label_Uvorot_Value", "Label_Uvorot_Add", 5},
    {Gold, 12, "Противоуворот:", 9, "Label_AntiUvorot_Caption", "Label_AntiUvorot_Value", "Label_AntiUvorot_Add", 5},
    {Gold, 13, "Контрудар:", 10, "Label_Kontr_Caption", "Label_Kontr_Value", "Label_Kontr_Add", 5},
    {Gold, 14, "Защита от контрудара:", 11, "Label_AntiKontr_Caption", "Label_AntiKontr_Value", "Label_AntiKontr_Add", 5},
    {Gold, 15, "Защита от магического критического удара:", 24, "Label_ZawOtMagKrit_Caption", "Label_ZawOtMagKrit_Value", "Label_ZawOtMagKrit_Add", 5},
    {Gold, 16, "Магический критический удар:", 25, "Label_MagKrit_Caption", "Label_MagKrit_Value", "Label_MagKrit_Add", 5},
    {Gold, 17, "Магический противоуворот:", 95, "Label_MagAntiUvorot_Caption", "Label_MagAntiUvorot_Value", "Label_MagAntiUvorot_Add", 5},
    {Gold, 18, "Магический уворот:", 26, "Label_MagUvorot_Caption", "Label_MagUvorot_Value", "Label_MagUvorot_Add", 5},
    {Gold, 19, "Поиск (%):", 119, "Label_Poisk_Caption", "Label_Poisk_Value", "Label_Poisk_Add", 5},
    {Gold, 20, "Уровень здоровья:", 35, "Label_Hp_Caption", "Label_Hp_Value", "Label_Hp_Add", 5},
    {Gold, 21, "Уровень маны:", 36, "Label_Mp_Caption", "Label_Mp_Value", "Label_Mp_Add", 5},
}};

// The ruby and silver pairs take their enabled state from their maximum-damage
// row and show their minus picture by their minimum-damage addition.
const std::array<ForgePair, kForgePairCount> kForgePairs = {{
    {Ruby, "PButton_Weapon2", "MButton_Weapon2", 1, 0, false},
    {Silver, "PButton_Weapon", "MButton_Weapon", 3, 2, false},
    {Emerald, "PButton_Sila", "MButton_Sila", 4, 4, false},
    {Emerald, "PButton_Lovk", "MButton_Lovk", 5, 5, false},
    {Emerald, "PButton_Intuic", "MButton_Intuic", 6, 6, false},
    {Emerald, "PButton_Intel", "MButton_Intel", 7, 7, false},
    {Emerald, "PButton_Harizma", "MButton_Harizma", 8, 8, false},
    {Emerald, "PButton_Udacha", "MButton_Udacha", 9, 9, false},
    {Copper, "PButton_Bron", "MButton_Bron", kAnyRow, kAnyRow, true},
    {Gold, "PButton_Krit", "MButton_Krit", 18, 18, false},
    {Gold, "PButton_AntiKrit", "MButton_AntiKrit", 19, 19, false},
    {Gold, "PButton_Uvorot", "MButton_Uvorot", 20, 20, false},
    {Gold, "PButton_AntiUvorot", "MButton_AntiUvorot", 21, 21, false},
    {Gold, "PButton_Kontr", "MButton_Kontr", 22, 22, false},
    {Gold, "PButton_AntiKontr", "MButton_AntiKontr", 23, 23, false},
    {Gold, "PButton_AntiMagCrit", "MButton_AntiMagCrit", 24, 24, false},
    {Gold, "PButton_MagCrit", "MButton_MagCrit", 25, 25, false},
    {Gold, "PButton_MagAntiUvorot", "MButton_MagAntiUvorot", 26, 26, false},
    {Gold, "PButton_MagUvorot", "MButton_MagUvorot", 27, 27, false},
    {Gold, "PButton_Search", "MButton_Search", 28, 28, false},
    {Gold, "PButton_Hp", "MButton_Hp", 29, 29, false},
    {Gold, "PButton_Mp", "MButton_Mp", 30, 30, false},
}};

const std::array<ForgeMenuEntry, kForgeMenuEntryCount> kForgeMenu = {{
    {"N211", Slot::Helmet, "Шлем не надет."},
    {"N212", Slot::Pendant, "Кулон не надет."},
    {"N213", Slot::Armour, "Броня не надета."},
    {"N214", Slot::Belt, "Пояс не надет."},
    {"N215", Slot::Amulet, "Амулет не надет."},
    {"N216", Slot::Boots, "Обувь не надета."},
    {"N217", Slot::Bracelets, "Браслет не надет."},
    {"N218", Slot::Gloves, "Перчатки не надеты."},
    {"N219", Slot::Weapon, "Оружие не надето."},
    {"N220", Slot::OffHand, "Шит не надет."},
    {"N221", Slot::Trousers, "Штаны не надеты."},
    {"N1102", Slot::Ring1, "Кольцо не надето."},
    {"N224", Slot::Ring2, "Кольцо не надето."},
    {"N311", Slot::Ring3, "Кольцо не надето."},
    {"N411", Slot::Ring4, "Кольцо не надето."},
    {"N511", Slot::Ring5, "Кольцо не надето."},
    {"N1101", Slot::Talisman1, "Талисман не надет."},
    {"N223", Slot::Talisman2, "Талисман не надет."},
    {"N310", Slot::Talisman3, "Талисман не надет."},
    {"N410", Slot::Talisman4, "Талисман не надет."},
    {"N510", Slot::Talisman5, "Талисман не надет."},
}};
// clang-format on

}  // namespace veldora
