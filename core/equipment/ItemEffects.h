#pragma once

#include "catalogue/CategoryTable.h"
#include "character/CharacterSheet.h"
#include "equipment/RequirementTable.h"

#include <QString>
#include <array>
#include <variant>

namespace veldora {

// How an item column reaches the character sheet.
enum class EffectKind {
    Decimal,    // added to a decimal sum
    Integer,    // added to an integer label
    ItemTotal,  // added to an ItemBonusTotals entry, which its label then shows
};

struct ItemEffect {
    int column;
    Lbl label;
    EffectKind kind;
};
constexpr int kItemEffectCount = 90;
// In the order in which equipping adds them.
extern const std::array<ItemEffect, kItemEffectCount> kItemEffects;

// Point row whose item label each ItemTotal effect feeds, by effect index; -1 for
// the other kinds.
const std::array<int, kItemEffectCount> &effectPointRows();

// What the worn items add to the character's own values, by point row (0..25).
// Здоровье and Мана have no item column and stay 0.
struct ItemBonusTotals {
    std::array<qint64, kPointRowCount> values{};
    bool operator==(const ItemBonusTotals &) const = default;
};

enum class Currency { None, Coins, Gold };

// Every number of one item row, read before anything is changed.
struct ItemValues {
    QString name;
    Currency currency = Currency::None;
    double price = 0;
    std::array<double, kItemEffectCount> amounts{};              // by kItemEffects index
    std::array<qint64, kRequirementColumnCount + 1> requirements{};  // by requirement column
};

// A cell that equipping must read as a number and cannot.
struct ItemFault {
    int column;
    QString text;
};

// Reads the price amount, every added column and every requirement of `row`.
std::variant<ItemValues, ItemFault> readItem(const CategoryTable &table, int row);

// Why the cell is refused, naming the database field: "в поле «Сила» записано «x», а не число"
// (or "а не целое число" with `wholeNumber`, for cells forging and enchanting count in).
QString itemFaultReason(const ItemFault &fault, bool wholeNumber = false);
// "Предмет «name» refusal: reason.", the form of every refusal about one item.
QString itemRefusal(const QString &itemName, const QString &refusal, const QString &reason);
// "Предмет «…» не надет: …".
QString itemFaultMessage(const QString &itemName, const ItemFault &fault);

// Adds (sign +1) or subtracts (sign −1) the item's price and columns.
void applyItemValues(CharacterSheet &sheet, ItemBonusTotals &totals, const ItemValues &item, int sign);

// The picture a slot shows for an item: <folder>/img/<file>, else <folder>/<file>
// (where custom items keep theirs), else <folder>/img/no_image.bmp.
QString itemPicturePath(const QString &programFolder, const QString &file);

}  // namespace veldora
