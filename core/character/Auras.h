#pragma once

#include "character/SheetLabels.h"

#include <array>

namespace veldora {

// The eight aura kinds: icon, hint, and the values whose sum is the count.
struct AuraKind {
    const char *icon;        // Aura1 .. Aura8
    const char *designHint;  // the hint before the first count
    const char *hintPrefix;  // the count follows it ("х" is Cyrillic)
    std::array<Lbl, 3> sources;  // kNoLabel ends the list
};
constexpr int kAuraCount = 8;
extern const std::array<AuraKind, kAuraCount> kAuraKinds;

// Where the icons present are packed, in kind order (left, top within the window).
struct AuraPlace {
    int left;
    int top;
};
extern const std::array<AuraPlace, kAuraCount> kAuraPlaces;
constexpr int kAuraIconSize = 64;

}  // namespace veldora
