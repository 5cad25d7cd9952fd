#pragma once

#include <QRect>

// Design positions of the character tables (Panel2: characteristics and masteries,
// Panel3: magic). The background pictures and the labels share them, so the
// painted grid and the values always line up.
namespace veldora::sheet {

constexpr int kPanelWidth = 417;
constexpr int kStatsPanelHeight = 391;
constexpr int kMagicPanelHeight = 369;

constexpr int kTitleHeight = 26;
constexpr int kHeadingTop = 28;  // column headings row
constexpr int kHeadingHeight = 18;

// Columns: the row heading, then one cell per value column.
enum class Column { Required, Own, Items, Bonus, Total };
constexpr int kRowHeadingLeft = 8;
constexpr QRect cellRect(Column c, int top, int height) {
    switch (c) {
    case Column::Required: return {133, top, 58, height};
    case Column::Own: return {207, top, 40, height};
    case Column::Items: return {265, top, 54, height};
    case Column::Bonus: return {321, top, 46, height};
    case Column::Total: return {369, top, 43, height};
    }
    return {};
}
// The whole "Родные" column, buttons included.
constexpr QRect ownColumnRect(int top, int height) { return {192, top, 72, height}; }
constexpr int kMinusLeft = 194;
constexpr int kPlusLeft = 250;
// Vertical rules between the columns.
constexpr int kColumnRules[] = {132, 192, 264, 320, 368};
constexpr int kButtonSize = 12;

// Characteristics and masteries (Panel2).
constexpr int kStatRowTop = 50;
constexpr int kStatRowPitch = 20;
constexpr int kStatRowCount = 8;
constexpr int kStatFreeTop = kStatRowTop + kStatRowCount * kStatRowPitch + 4;  // "Осталось параметров:"
constexpr int kMasteryHeadingTop = kStatFreeTop + 26;
constexpr int kMasteryRowTop = kMasteryHeadingTop + kHeadingHeight + 4;
constexpr int kMasteryRowCount = 5;
constexpr int kMasteryFreeTop = kMasteryRowTop + kMasteryRowCount * kStatRowPitch + 2;

// Magic (Panel3).
constexpr int kMagicRowTop = 50;
constexpr int kMagicRowPitch = 22;
constexpr int kMagicRowCount = 13;
constexpr int kMagicFreeTop = kMagicRowTop + kMagicRowCount * kMagicRowPitch + 4;

constexpr int kValueHeight = 18;

// Modifier panels (Panel5, Panel7, Panel6): a title row, then rows 23 pixels high,
// the first one 27 pixels below the panel's top.
constexpr int kModifierWidth = 388;
constexpr int kModifierFirstRow = 27;
constexpr int kModifierRowPitch = 23;
constexpr int kModifierCaptionLeft = 10;
constexpr int kModifierValueLeft = 320;

}  // namespace veldora::sheet
