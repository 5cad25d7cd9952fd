#pragma once

#include "equipment/Slots.h"

#include <array>

namespace veldora {

// The forge's materials; each names one kind of button pair.
enum class Material { Ruby, Silver, Emerald, Copper, Gold };

// One forgeable value of the forge window, top to bottom.
struct ForgeRow {
    Material material;
    int pair;                   // its button pair, index into kForgePairs
    const char *caption;        // UTF-8
    int column;                 // the item column it forges
    const char *captionLabel;   // object names of its three labels
    const char *valueLabel;
    const char *additionLabel;
    int step;                   // what one unit adds
};
constexpr int kForgeRowCount = 31;
extern const std::array<ForgeRow, kForgeRowCount> kForgeRows;

// Stands for "any row of the pair" where a pair looks at the state of its rows.
constexpr int kAnyRow = -1;

// One plus and minus picture pair, which raises and lowers the rows that name it.
struct ForgePair {
    Material material;
    const char *plusButton;
    const char *minusButton;
    int enabledBy;          // the row whose enabled state the pair takes, or kAnyRow
    int minusShownBy;       // the row whose addition shows the minus picture, or kAnyRow
    bool enabledRowsOnly;   // a unit raises only the rows that are enabled
};
constexpr int kForgePairCount = 22;
extern const std::array<ForgePair, kForgePairCount> kForgePairs;

// Units a fresh window starts with.
constexpr int kForgeUnits = 5;
constexpr int kArtefactForgeUnits = 10;

// One entry of "Инструменты" > "Ковать".
struct ForgeMenuEntry {
    const char *objectName;
    Slot slot;                 // the off-hand's table and key follow OffHandKind
    const char *emptyMessage;  // shown when the slot is empty
};
constexpr int kForgeMenuEntryCount = 21;
extern const std::array<ForgeMenuEntry, kForgeMenuEntryCount> kForgeMenu;

// The "?" picture's message.
inline constexpr const char *kForgeHelp =
    "1 - Требования не поднимаются... Считайте что вас куёт мега кузнец.. ;)\r"
    "2 - При снятии предмета, ковка пропадает... Вновь надетый предмет, нужно будет ковать заново.";
inline constexpr const char *kForgedMessage = "Ваш НАДЕТЫЙ предмет закован.";

}  // namespace veldora
