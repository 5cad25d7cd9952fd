#include "character/Auras.h"

namespace veldora {

namespace {
constexpr auto N = kNoLabel;
}

const std::array<AuraKind, kAuraCount> kAuraKinds = {{
    {"Aura1", "Аура: вампирическая", "Аура: вампирическая х", {Lbl::LFAuraVampir, Lbl::LAuraVampir, N}},
    {"Aura2", "Аура: поглощения", "Аура: поглощения х", {Lbl::LFAuraPoglot, Lbl::LAuraPoglot, N}},
    {"Aura3", "Аура: экономии", "Аура: экономии х", {Lbl::LFAuraEconom, Lbl::LAuraEconom, N}},
    {"Aura4", "Аура: ответа", "Аура: ответа х", {Lbl::LFAuraOtvet, Lbl::LAuraOtveta, N}},
    {"Aura5", "Аура: противоречий", "Аура: противоречий х", {Lbl::LFAuraChaos, Lbl::LAuraChaos, N}},
    {"Aura6", "Аура: стихийной защиты", "Аура: стихийной защиты х",
     {Lbl::LBAuraStihZawiti, Lbl::LFAuraStihZaw, Lbl::LAuraStihZaw}},
    {"Aura7", "Аура: солнечная", "Аура: солнечная х", {Lbl::LFAuraSun, Lbl::LAuraSun, N}},
    // The guarding icon carries the solar hint until its first count.
    {"Aura8", "Аура: солнечная", "Аура: охранения х", {Lbl::LFAuraZaw, Lbl::LAuraZaw, N}},
}};

const std::array<AuraPlace, kAuraCount> kAuraPlaces = {{
    {19, 453}, {91, 453}, {163, 453},
    {19, 525}, {91, 525}, {163, 525},
    {19, 597}, {91, 597},
}};

}  // namespace veldora
