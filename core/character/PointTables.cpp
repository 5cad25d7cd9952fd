#include "character/PointTables.h"

namespace veldora {

namespace {
constexpr unsigned kSilaLinks =
    LinkRefreshButtons | LinkCarryingCapacity | LinkStatBonuses | LinkSetBonus | LinkHighlight;
constexpr unsigned kStatLinks = LinkRefreshButtons | LinkStatBonuses | LinkSetBonus | LinkHighlight;
constexpr unsigned kIntuitionLinks = kStatLinks | LinkAuras;
constexpr unsigned kHealthLinks = kStatLinks | LinkHealthAndMana;
constexpr unsigned kPlainStatLinks = LinkRefreshButtons | LinkHighlight;
constexpr unsigned kMasteryLinks = LinkRefreshButtons;
constexpr unsigned kMagicLinks = LinkRefreshButtons | LinkHighlight;
constexpr auto S = PointTable::Stats;
constexpr auto V = PointTable::Masteries;
constexpr auto M = PointTable::Magic;
constexpr auto N = kNoLabel;
}  // namespace

// clang-format off
const std::array<PointRow, kPointRowCount> kPointRows = {{
    {S, "Сила", Lbl::LTreb_sila, Lbl::LStat_sila, Lbl::LAddStat_sila, Lbl::LAddBonusStat_sila, Lbl::LFSila, Lbl::LTotalStat_sila, "PButton_Sila", "MButton_Sila", 3, 4, kSilaLinks},
    {S, "Ловкость", Lbl::LTreb_lovkost, Lbl::LStat_lovkost, Lbl::LAddStat_lovkost, N, N, Lbl::LTotalStat_lovk, "PButton_lovkost", "MButton_lovkost", 3, 5, kStatLinks},
    {S, "Интуиция", Lbl::LTreb_intuiciya, Lbl::LStat_intuiciya, Lbl::LAddStat_intuiciya, N, N, Lbl::LTotalStat_intuic, "PButton_intuiciya", "MButton_intuiciya", 3, 6, kIntuitionLinks},
    {S, "Здоровье", Lbl::LTreb_hp, Lbl::LStat_hp, Lbl::LAddStat_hp, N, N, Lbl::LTotalStat_hp, "PButton_hp", "MButton_hp", 3, 7, kHealthLinks},
    {S, "Мана", Lbl::LTreb_mp, Lbl::LStat_mp, Lbl::LAddStat_mp, N, N, Lbl::LTotalStat_mp, "PButton_mp", "MButton_mp", 3, 8, kHealthLinks},
    {S, "Интеллект", Lbl::LTreb_intel, Lbl::LStat_intel, Lbl::LAddStat_intel, Lbl::LAddBonusStat_intel, Lbl::LFIntellekt, Lbl::LTotalStat_intel, "PButton_intel", "MButton_intel", 1, 9, kStatLinks},
    {S, "Харизма", Lbl::LTreb_harizma, Lbl::LStat_harizma, Lbl::LAddStat_harizma, N, N, Lbl::LTotalStat_harizma, "PButton_harizma", "MButton_harizma", 1, 10, kPlainStatLinks},
    {S, "Удача", Lbl::LTreb_uda4a, Lbl::LStat_uda4a, Lbl::LAddStat_uda4a, N, N, Lbl::LTotalStat_uda4a, "PButton_uda4a", "MButton_uda4a", 0, 11, kPlainStatLinks},

    {V, "Владение ножами", N, Lbl::LVlad_Knife, Lbl::LAddVlad_Knife, N, N, Lbl::LTotalVlad_Knife, "PButton_knife", "MButton_knife", 0, -1, kMasteryLinks},
    {V, "Владение дубинами", N, Lbl::LVlad_dubina, Lbl::LAddVlad_dubina, N, N, Lbl::LTotalVlad_Dubina, "PButton_dubina", "MButton_dubina", 0, -1, kMasteryLinks},
    {V, "Владение топорами", N, Lbl::LVlad_axe, Lbl::LAddVlad_axe, N, N, Lbl::LTotalVlad_Axe, "PButton_axe", "MButton_axe", 0, -1, kMasteryLinks},
    {V, "Владение посохами", N, Lbl::LVlad_posoh, Lbl::LAddVlad_posoh, N, N, Lbl::LTotalVlad_posoh, "PButton_posoh", "MButton_posoh", 0, -1, kMasteryLinks},
    {V, "Владение мечами", N, Lbl::LVlad_sword, Lbl::LAddVlad_sword, N, N, Lbl::LTotalVlad_sword, "PButton_sword", "MButton_sword", 0, -1, kMasteryLinks},

    {M, "Общий круг", Lbl::LTrebMagic_Obw, Lbl::LMagic_Obw, Lbl::LAddMagic_Obw, Lbl::LAddBonusMagic_Obw, Lbl::LFMagObw, Lbl::LTotalMagic_Obw, "PButton_obw", "MButton_obw", 0, -1, kMagicLinks},
    {M, "Тьма", Lbl::LTrebMagic_dark, Lbl::LMagic_dark, Lbl::LAddMagic_dark, N, N, Lbl::LTotalMagic_Dark, "PButton_dark", "MButton_dark", 0, -1, kMagicLinks},
    {M, "Свет", Lbl::LTrebMagic_light, Lbl::LMagic_light, Lbl::LAddMagic_light, N, N, Lbl::LTotalMagic_Light, "PButton_light", "MButton_light", 0, -1, kMagicLinks},
    {M, "Хаос", Lbl::LTrebMagic_chaos, Lbl::LMagic_chaos, Lbl::LAddMagic_chaos, N, N, Lbl::LTotalMagic_Chaos, "PButton_chaos", "MButton_chaos", 0, -1, kMagicLinks},
    {M, "Земля", Lbl::LTrebMagic_earth, Lbl::LMagic_earth, Lbl::LAddMagic_earth, Lbl::LAddBonusMagic_Earth, Lbl::LFMagEarth, Lbl::LTotalMagic_Earth, "PButton_earth", "MButton_earth", 0, -1, kMagicLinks},
    {M, "Огонь", Lbl::LTrebMagic_fire, Lbl::LMagic_fire, Lbl::LAddMagic_fire, Lbl::LAddBonusMagic_Fire, Lbl::LFMagFire, Lbl::LTotalMagic_Fire, "PButton_fire", "MButton_fire", 0, -1, kMagicLinks},
    {M, "Вода", Lbl::LTrebMagic_water, Lbl::LMagic_water, Lbl::LAddMagic_water, Lbl::LAddBonusMagic_Water, Lbl::LFMagWater, Lbl::LTotalMagic_Water, "PButton_water", "MButton_water", 0, -1, kMagicLinks},
    {M, "Воздух", Lbl::LTrebMagic_air, Lbl::LMagic_air, Lbl::LAddMagic_air, Lbl::LAddBonusMagic_Air, Lbl::LFMagAir, Lbl::LTotalMagic_Air, "PButton_air", "MButton_air", 0, -1, kMagicLinks},
    {M, "Металл", Lbl::LTrebMagic_metall, Lbl::LMagic_metall, Lbl::LAddMagic_metall, N, N, Lbl::LTotalMagic_Metall, "PButton_metall", "MButton_metall", 0, -1, kMagicLinks},
    {M, "Время", Lbl::LTrebMagic_time, Lbl::LMagic_time, Lbl::LAddMagic_time, N, N, Lbl::LTotalMagic_time, "PButton_time", "MButton_time", 0, -1, kMagicLinks},
    {M, "Пространство", Lbl::LTrebMagic_prostranstvo, Lbl::LMagic_prostranstvo, Lbl::LAddMagic_prostranstvo, N, N, Lbl::LTotalMagic_prostranstvo, "PButton_prostranstvo", "MButton_prostranstvo", 0, -1, kMagicLinks},
    {M, "Физ материя", Lbl::LTrebMagic_fiz, Lbl::LMagic_fiz, Lbl::LAddMagic_fiz, N, N, Lbl::LTotalMagic_fiz, "PButton_fiz", "MButton_fiz", 0, -1, kMagicLinks},
    {M, "Мент материя", Lbl::LTrebMagic_mental, Lbl::LMagic_mental, Lbl::LAddMagic_mental, Lbl::LAddBonusMagic_Mental, Lbl::LFMagMental, Lbl::LTotalMagic_mental, "PButton_mental", "MButton_mental", 0, -1, kMagicLinks},
}};
// clang-format on

const std::array<PointTableInfo, kPointTableCount> kPointTables = {{
    {PointTable::Stats, 0, 8, Lbl::LStat_new},
    {PointTable::Masteries, 8, 5, Lbl::LVlad_new},
    {PointTable::Magic, 13, 13, Lbl::Lmagic_new},
}};

const std::array<EntryField, kEntryFieldCount> kEntryFields = {{
    {"Edit1", "Уровень", "1"},
    {"Edit2", "Количество статов", "5"},
    {"Edit3", "Количество владений", "1"},
    {"Edit4", "Количество навыков магий", "1"},
    {"Edit5", "Сила:", "3"},
    {"Edit6", "Ловкость:", "3"},
    {"Edit7", "Интуиция:", "3"},
    {"Edit8", "Здоровье:", "3"},
    {"Edit9", "Мана:", "3"},
    {"Edit10", "Интеллект:", "1"},
    {"Edit11", "Харизма:", "1"},
    {"Edit12", "Удача:", "0"},
}};

}  // namespace veldora
