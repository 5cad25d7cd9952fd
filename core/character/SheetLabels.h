#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>

namespace veldora {

// Every value label of the main window, by name, with its design caption. The
// enumerator names are the label names, so `Lbl::LStat_sila` is the label
// "LStat_sila". Caption labels of the modifier panels are not listed here: each
// belongs to a panel row (see ModifierPanels.h).
#define VELDORA_SHEET_LABELS(X)                                                     \
    /* Panel1 and the sums under it */                                             \
    X(Label_lvl, "[ 1 ]") X(LTreb_Lvl, "1") X(LabelHP, "24/24") X(LabelMP, "24/24") \
    X(LabelMassa, "0") X(LabelMaxMassa, "12") X(LMoneti, "0") X(LZoloto, "0") X(LKO, "0") \
    /* characteristics: required, own, items, set bonus, total, free points */    \
    X(LTreb_sila, "3") X(LTreb_lovkost, "3") X(LTreb_intuiciya, "3") X(LTreb_hp, "3") \
    X(LTreb_mp, "3") X(LTreb_intel, "1") X(LTreb_harizma, "1") X(LTreb_uda4a, "0")  \
    X(LStat_sila, "3") X(LStat_lovkost, "3") X(LStat_intuiciya, "3") X(LStat_hp, "3") \
    X(LStat_mp, "3") X(LStat_intel, "1") X(LStat_harizma, "1") X(LStat_uda4a, "0")  \
    X(LAddStat_sila, "0") X(LAddStat_lovkost, "0") X(LAddStat_intuiciya, "0")       \
    X(LAddStat_hp, "0") X(LAddStat_mp, "0") X(LAddStat_intel, "0")                  \
    X(LAddStat_harizma, "0") X(LAddStat_uda4a, "0")                                 \
    X(LAddBonusStat_sila, "0") X(LAddBonusStat_intel, "0")                          \
    X(LTotalStat_sila, "0") X(LTotalStat_lovk, "0") X(LTotalStat_intuic, "0")       \
    X(LTotalStat_hp, "0") X(LTotalStat_mp, "0") X(LTotalStat_intel, "0")            \
    X(LTotalStat_harizma, "0") X(LTotalStat_uda4a, "0") X(LStat_new, "5")           \
    /* weapon masteries */                                                         \
    X(LVlad_Knife, "0") X(LVlad_dubina, "0") X(LVlad_axe, "0") X(LVlad_posoh, "0")  \
    X(LVlad_sword, "0") X(LAddVlad_Knife, "0") X(LAddVlad_dubina, "0")              \
    X(LAddVlad_axe, "0") X(LAddVlad_posoh, "0") X(LAddVlad_sword, "0")              \
    X(LTotalVlad_Knife, "0") X(LTotalVlad_Dubina, "0") X(LTotalVlad_Axe, "0")       \
    X(LTotalVlad_posoh, "0") X(LTotalVlad_sword, "0") X(LVlad_new, "1")             \
    /* magic schools */                                                            \
    X(LTrebMagic_Obw, "0") X(LTrebMagic_dark, "0") X(LTrebMagic_light, "0")         \
    X(LTrebMagic_chaos, "0") X(LTrebMagic_earth, "0") X(LTrebMagic_fire, "0")       \
    X(LTrebMagic_water, "0") X(LTrebMagic_air, "0") X(LTrebMagic_metall, "0")       \
    X(LTrebMagic_time, "0") X(LTrebMagic_prostranstvo, "0") X(LTrebMagic_fiz, "0")  \
    X(LTrebMagic_mental, "0")                                                      \
    X(LMagic_Obw, "0") X(LMagic_dark, "0") X(LMagic_light, "0") X(LMagic_chaos, "0") \
    X(LMagic_earth, "0") X(LMagic_fire, "0") X(LMagic_water, "0") X(LMagic_air, "0") \
    X(LMagic_metall, "0") X(LMagic_time, "0") X(LMagic_prostranstvo, "0")           \
    X(LMagic_fiz, "0") X(LMagic_mental, "0")                                        \
    X(LAddMagic_Obw, "0") X(LAddMagic_dark, "0") X(LAddMagic_light, "0")            \
    X(LAddMagic_chaos, "0") X(LAddMagic_earth, "0") X(LAddMagic_fire, "0")          \
    X(LAddMagic_water, "0") X(LAddMagic_air, "0") X(LAddMagic_metall, "0")          \
    X(LAddMagic_time, "0") X(LAddMagic_prostranstvo, "0") X(LAddMagic_fiz, "0")     \
    X(LAddMagic_mental, "0")                                                       \
    X(LAddBonusMagic_Obw, "0") X(LAddBonusMagic_Earth, "0") X(LAddBonusMagic_Fire, "0") \
    X(LAddBonusMagic_Water, "0") X(LAddBonusMagic_Air, "0") X(LAddBonusMagic_Mental, "0") \
    X(LTotalMagic_Obw, "0") X(LTotalMagic_Dark, "0") X(LTotalMagic_Light, "0")      \
    X(LTotalMagic_Chaos, "0") X(LTotalMagic_Earth, "0") X(LTotalMagic_Fire, "0")    \
    X(LTotalMagic_Water, "0") X(LTotalMagic_Air, "0") X(LTotalMagic_Metall, "0")    \
    X(LTotalMagic_time, "0") X(LTotalMagic_prostranstvo, "0") X(LTotalMagic_fiz, "0") \
    X(LTotalMagic_mental, "0") X(Lmagic_new, "1")                                   \
    /* Panel5: summed item modifiers */                                            \
    X(LCrit, "0") X(LZawOtKrita, "0") X(LUvorot, "0") X(LAntiUvorot, "0") X(LKontr, "0") \
    X(LZawOtKontr, "0") X(LYarost, "0") X(LPoglotUdar, "0") X(LProboyBron, "0")     \
    X(LUkreplenieBroni, "0") X(LProvornost, "0") X(LIntensivnost, "0")              \
    X(LPoglotAir, "0") X(LPoglotWater, "0") X(LPoglotFire, "0") X(LPoglotEarth, "0") \
    X(LMoshnost, "0") X(LCritMoshnost, "0") X(LZawOtMagCrit, "0") X(LMagCrit, "0")  \
    X(LMagUvorot, "0") X(LMagAntiUvorot, "0") X(LLevelHp, "0") X(LLevelMp, "0")     \
    X(LBronGolova, "0") X(LBronTela, "0") X(LBronPoyasa, "0") X(LBronNog, "0")      \
    X(LZawOtMagEarth, "0") X(LZawOtMagFire, "0") X(LZawOtMagWater, "0")             \
    X(LZawOtMagAir, "0") X(LRegenHp, "0") X(LRegenMp, "0") X(LRegenUstal, "0")      \
    X(LMoveSpeed, "0") X(LMin, "0") X(LMax, "0") X(LRukzak, "0") X(LBonusOpit, "0") \
    X(LVmestimostPoyasa, "0") X(LZawTravm, "0") X(LResistKnife, "0")                \
    X(LResistSword, "0") X(LResistAxe, "0") X(LResistDubina, "0") X(LResistWater, "0") \
    X(LResistEarth, "0") X(LResistAir, "0") X(LResistFire, "0") X(LUsilenieAir, "0") \
    X(LUsilenieWater, "0") X(LUsilenieEarth, "0") X(LUsilenieFire, "0")             \
    X(LSoprotStihZaw, "0") X(LSearch, "0") X(LAuraVampir, "0") X(LAuraPoglot, "0")  \
    X(LAuraEconom, "0") X(LAuraOtveta, "0") X(LAuraChaos, "0") X(LAuraStihZaw, "0") \
    X(LAuraSun, "0") X(LAuraZaw, "0")                                               \
    /* Panel7: bonuses for high characteristics */                                 \
    X(LBZawOtKrit, "0") X(LBProtivouvorot, "0") X(LBKontr, "0") X(LBYarost, "0")    \
    X(LBProboyBroni, "0") X(LBIntensivnost, "0") X(LBMoshnost, "0")                 \
    X(LBKritMoshnost, "0") X(LBZawOtMagKrit, "0") X(LBMagUvorot, "0") X(LBLvlHP, "0") \
    X(LBLvlMP, "0") X(LBRegenMP, "0") X(LBSoprotStihZaw, "0") X(LBAuraStihZawiti, "1") \
    /* Panel6: set bonus */                                                        \
    X(LFKrit, "0") X(LFZawOtKrita, "0") X(LFUvorot, "0") X(LFProtivoUvorot, "0")    \
    X(LFIntensivnost, "0") X(LFKontr, "0") X(LFYarost, "0") X(LFPoglotUdara, "0")   \
    X(LFProboyBroni, "0") X(LFUkreplenieBroni, "0") X(LFStihiyniyProboy, "0")       \
    X(LFSoprotStihZaw, "0") X(LFProvornost, "0") X(LFPoglotAir, "0")                \
    X(LFPoglotWater, "0") X(LFPoglotFire, "0") X(LFPoglotEarth, "0")                \
    X(LFMoshnost, "0") X(LFKritMoshnost, "0") X(LFZawOtMagKrit, "0")                \
    X(LFMagProtivoUvorot, "0") X(LFZawOtMagEarth, "0") X(LFZawOtMagFire, "0")       \
    X(LFZawOtMagWater, "0") X(LFZawOtMagAir, "0") X(LFLvlHP, "0") X(LFLvlMP, "0")   \
    X(LFRegenHP, "0") X(LFRegenMP, "0") X(LFRukzak, "0") X(LFSila, "0")             \
    X(LFIntellekt, "0") X(LFMagObw, "0") X(LFMagEarth, "0") X(LFMagFire, "0")       \
    X(LFMagWater, "0") X(LFMagAir, "0") X(LFMagMental, "0") X(LFAuraVampir, "0")    \
    X(LFAuraPoglot, "0") X(LFAuraEconom, "0") X(LFAuraOtvet, "0") X(LFAuraChaos, "0") \
    X(LFAuraStihZaw, "0") X(LFAuraSun, "0") X(LFAuraZaw, "0")

enum class Lbl : std::uint16_t {
#define VELDORA_LABEL_ENUM(name, caption) name,
    VELDORA_SHEET_LABELS(VELDORA_LABEL_ENUM)
#undef VELDORA_LABEL_ENUM
};

constexpr int kLabelCount = 0
#define VELDORA_LABEL_COUNT(name, caption) +1
    VELDORA_SHEET_LABELS(VELDORA_LABEL_COUNT)
#undef VELDORA_LABEL_COUNT
    ;

// Marks "no label" in tables where a row lacks a column (e.g. masteries have no
// required value).
constexpr Lbl kNoLabel = static_cast<Lbl>(0xFFFF);

constexpr int labelIndex(Lbl l) { return static_cast<int>(l); }

struct SheetLabelInfo {
    Lbl label;
    const char *name;           // object name, ASCII
    const char *designCaption;  // caption before the program first writes it, UTF-8
};

extern const std::array<SheetLabelInfo, kLabelCount> kSheetLabels;

QString labelName(Lbl l);
std::optional<Lbl> labelByName(QStringView name);

}  // namespace veldora
