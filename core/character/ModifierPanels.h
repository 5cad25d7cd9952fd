#pragma once

#include "character/SheetLabels.h"

#include <QString>
#include <array>

namespace veldora {

// A row of one of the three stacked modifier panels: a value label and its caption.
// The caption label's name is the value label's name with one more "L" in front.
struct PanelRow {
    Lbl value;
    const char *caption;  // UTF-8, trailing spaces are part of it
};

QString captionLabelName(Lbl value);

// Panel layout: rows 23 pixels apart, the first 27 pixels below the panel's top;
// Panel7 and Panel6 stack 10 pixels under the panel above.
constexpr int kFirstRowTop = 27;
constexpr int kRowPitch = 23;
constexpr int kPanelGap = 10;
constexpr int kItemPanelTop = 19;  // Panel5 never moves

// Panel5 "Характеристики": what the worn items add, in display order.
constexpr int kItemModifierRowCount = 64;
extern const std::array<PanelRow, kItemModifierRowCount> kItemModifierRows;

// Panel7 "Бонус за статы".
constexpr int kStatBonusRowCount = 15;
extern const std::array<PanelRow, kStatBonusRowCount> kStatBonusRows;

// What a characteristic gives when it reaches a threshold. Thresholds of one
// entry share the same additions; every threshold reached adds them once.
struct StatThreshold {
    int driver;                     // characteristic row (stat::Sila, ...)
    bool ownOnly;                   // Здоровье and Мана count the own value alone
    std::array<short, 5> levels;    // 0 ends the list
    struct Add {
        Lbl value;
        int amount;
    };
    std::array<Add, 3> adds;        // kNoLabel ends the list
};
extern const std::array<StatThreshold, 25> kStatThresholds;

// Panel6 "Бонус за комплект": the set-bonus table column that fills each row.
struct SetBonusRow {
    int column;
    Lbl value;
    const char *caption;
};
constexpr int kSetBonusRowCount = 46;
extern const std::array<SetBonusRow, kSetBonusRowCount> kSetBonusRows;

}  // namespace veldora
