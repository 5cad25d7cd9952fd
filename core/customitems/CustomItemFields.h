#pragma once

#include "equipment/Slots.h"

#include <QString>
#include <array>
#include <optional>

namespace veldora {

// The custom item file: one record of 810 bytes, a packed run of fixed-size
// fields. This table is the record's one description: the codec, the windows'
// inputs and the row a worn custom item becomes all loop over it.
constexpr int kCustomItemRecordSize = 810;

enum class FieldKind {
    Text,     // free text
    Whole,    // a whole number, kept as typed
    Decimal,  // a number that may have a fractional part, kept as typed
    Flag,     // one byte, 0 or 1
};

// The frames of the creation and editing windows.
enum class FieldGroup { Picture, Type, Name, Effects, Requirements, Stats, Auras, Masteries, Magic, RequiredMagic, Other };

struct CustomItemField {
    int offset;
    int capacity;           // characters of a text (stored after a length byte); 0 for a flag
    FieldKind kind;
    int column;             // the CategoryTable column that receives it when worn; 0 for none
    const char *input;      // object name of its control in the windows; nullptr when set otherwise
    const char *caption;    // UTF-8
    const char *defaultText;  // what the creation window starts with; "1" / "0" for flags
    FieldGroup group;
    bool editable;          // the editing window has an input for it
};

constexpr int kCustomItemFieldCount = 101;
// The type's input takes more than the record holds: the file name keeps it whole.
constexpr int kTypeInputLength = 30;
extern const std::array<CustomItemField, kCustomItemFieldCount> kCustomItemFields;

constexpr int fieldSize(const CustomItemField &f) { return f.kind == FieldKind::Flag ? 1 : f.capacity + 1; }

// Fields that rules refer to by meaning, as indexes into kCustomItemFields.
namespace field {
constexpr int Picture = 0;
constexpr int Name = 1;
constexpr int Type = 2;
constexpr int Price = 3;
constexpr int Coins = 4;
constexpr int Mass = 5;
constexpr int Durability = 6;
constexpr int PartOfSets = 7;
}  // namespace field

// The field an input control edits, or the one a column receives.
std::optional<int> fieldByInput(const QString &objectName);
std::optional<int> fieldByColumn(int column);

struct FieldGroupInfo {
    FieldGroup group;
    const char *caption;  // the frame's caption; nullptr for the picture path, which has none
};
extern const std::array<FieldGroupInfo, 11> kFieldGroups;
QString fieldGroupCaption(FieldGroup g);

// The item types the creation window offers, in its order, and where each is worn.
enum class SlotChoice { Fixed, FirstFreeRing, FirstFreeTalisman };
struct CustomItemType {
    const char *caption;
    SlotChoice choice;
    Slot slot;  // for Fixed
};
constexpr int kCustomItemTypeCount = 18;
extern const std::array<CustomItemType, kCustomItemTypeCount> kCustomItemTypes;
std::optional<CustomItemType> customItemType(const QString &type);

}  // namespace veldora
