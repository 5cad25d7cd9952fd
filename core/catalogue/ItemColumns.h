#pragma once

#include <QString>
#include <array>

namespace veldora {

// The shared item record: what each column of a category table holds and which
// database field of `Предметы` fills it.
constexpr int kItemColumnCount = 136;  // columns 0..135; column 0 stays empty
constexpr int kItemFieldCount = 131;   // database fields copied into columns 1..126 and 131..135

enum class JetFieldType { Text, Integer, Long, AutoNumber };

struct ItemColumn {
    int column;
    const char *field;  // database field name, UTF-8
    JetFieldType type;  // type in the database
    int width;          // text width in characters; 0 for numbers
};

// The 131 item fields, in column order.
extern const std::array<ItemColumn, kItemFieldCount> kItemColumns;

// Columns that rules refer to by meaning.
namespace col {
constexpr int Name = 1;
constexpr int Price = 2;
constexpr int Durability = 3;
constexpr int SetName = 4;
constexpr int SecondWeapon = 5;
constexpr int ReqStrength = 51;
constexpr int ReqCharisma = 57;
constexpr int ReqLevel = 58;
constexpr int ReqAlignment = 59;
constexpr int ReqClan = 60;
constexpr int Repair = 61;
constexpr int File = 62;
constexpr int ReqMagicFirst = 82;
constexpr int ReqMagicLast = 94;
constexpr int Mass = 96;
constexpr int KO = 104;
constexpr int TwoHanded = 105;
constexpr int Sex = 117;
constexpr int Lifetime = 118;
constexpr int PartOfSets = 125;
constexpr int Artefact = 126;
constexpr int ForgeCount = 127;
constexpr int Enchanted = 128;
constexpr int EnchantColumn = 129;
constexpr int EnchantAmount = 130;
}  // namespace col

QString itemFieldName(const ItemColumn &c);
// A column's name for the player: its database field, or what the forge and
// enchantment cells (127..130) mean, else its number.
QString itemColumnName(int column);

// The same columns of the `Предметы` table besides the item fields.
inline constexpr const char *kItemIdField = "ID";
inline constexpr const char *kItemTypeField = "Тип";
inline constexpr int kItemTypeWidth = 30;

// A cell counts as "yes" when it is exactly "Да", "ДА" or "да".
bool isYes(const QString &cell);

}  // namespace veldora
