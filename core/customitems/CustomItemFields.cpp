#include "customitems/CustomItemFields.h"

namespace veldora {

namespace {
constexpr auto T = FieldKind::Text;
constexpr auto W = FieldKind::Whole;
constexpr auto D = FieldKind::Decimal;
constexpr auto F = FieldKind::Flag;
constexpr auto E = FieldGroup::Effects;
constexpr auto R = FieldGroup::Requirements;
constexpr auto S = FieldGroup::Stats;
constexpr auto A = FieldGroup::Auras;
constexpr auto M = FieldGroup::Masteries;
constexpr auto G = FieldGroup::Magic;
constexpr auto Q = FieldGroup::RequiredMagic;
constexpr auto O = FieldGroup::Other;
}  // namespace

// clang-format off
constexpr std::array<CustomItemField, kCustomItemFieldCount> kCustomItemFields = {{
    {0, 255, T, 62, nullptr, "Изображение", "", FieldGroup::Picture, true},
    {256, 30, T, 1, "EditName", "Название предмета", "", FieldGroup::Name, true},
    {287, 16, T, 0, "ComboBoxType", "Тип предмета", "", FieldGroup::Type, true},
    {304, 5, D, 2, "LabeledEditCost", "Цена", "0", O, true},
    {310, 0, F, 0, "RadioButton1", "Монет", "1", O, true},
    {311, 2, D, 96, "LabeledEditMassa", "Масса", "0", O, true},
    {314, 9, T, 3, "LabeledEditDolgovechnost", "Долговечность", "0/0", O, true},
    {324, 0, F, 0, "CheckBoxAllFull", "Часть комплектов...", "0", O, true},

    {325, 5, W, 6, "EditCrit", "Критический удар", "0", E, true},
    {331, 5, W, 7, "EditAntiCrit", "Защита от критического удара", "0", E, true},
    {337, 5, W, 8, "EditUvorot", "Уворот", "0", E, true},
    {343, 5, W, 9, "EditAntiUvorot", "Противоурот", "0", E, true},
    {349, 5, W, 10, "EditKontr", "Контр-удар", "0", E, true},
    {355, 5, W, 11, "EditAntiKontr", "Защита от контр-удара", "0", E, true},
    {361, 5, W, 12, "EditYarost", "Ярость", "0", E, true},
    {367, 5, W, 13, "EditPoglotUdara", "Поглощение удара", "0", E, true},
    {373, 5, W, 14, "EditProboyBroni", "Пробой брони", "0", E, true},
    {379, 5, W, 15, "EditUkrepBroni", "Укрепление брони", "0", E, true},
    {385, 5, W, 16, "EditProvornost", "Проворность", "0", E, true},
    {391, 5, W, 17, "EditIntensivnost", "Интенсивность", "0", E, true},
    {397, 5, W, 19, "EditPoglotWater", "Поглощение воды", "0", E, true},
    {403, 5, W, 18, "EditPoglotAir", "Поглощение воздуха", "0", E, true},
    {409, 5, W, 20, "EditPoglotFire", "Поглощение огня", "0", E, true},
    {415, 5, W, 21, "EditPoglotEarth", "Поглощение земли", "0", E, true},
    {421, 5, W, 22, "EditMoshnost", "Мощность", "0", E, true},
    {427, 5, W, 23, "EditCrtiMoshnost", "Критическая мощность", "0", E, true},
    {433, 5, W, 24, "EditZawOtMagCrit", "Защита от магического критического удара", "0", E, true},
    {439, 5, W, 25, "EditMagCrit", "Магический критический удар", "0", E, true},
    {445, 5, W, 26, "EditMagUvorot", "Магический уворот", "0", E, true},
    {451, 5, W, 95, "EditMagAntiUvorot", "Магический противоуворот", "0", E, true},
    {457, 5, W, 27, "EditBronGolovi", "Броня головы", "0", E, true},
    {463, 5, W, 28, "EditBronTela", "Броня тела", "0", E, true},
    {469, 5, W, 29, "EditBronPoyasa", "Броня пояса", "0", E, true},
    {475, 5, W, 30, "EditBronNog", "Броня ног", "0", E, true},
    {481, 5, W, 31, "EditZawOtMagEarth", "Защита от магии земли", "0", E, true},
    {487, 5, W, 32, "EditZawOtMagFire", "Защита от магии огня", "0", E, true},
    {493, 5, W, 33, "EditZawOtMagWater", "Защита от магии воды", "0", E, true},
    {499, 5, W, 34, "EditZawOtMagAir", "Защита от магии воздуха", "0", E, true},
    {505, 5, W, 35, "EditLvlHP", "Уровень здоровья", "0", E, true},
    {511, 5, W, 36, "EditLvlMP", "Уровень маны", "0", E, true},
    {517, 5, W, 37, "EditRegenHP", "Скорость восполнения здоровья", "0", E, true},
    {523, 5, W, 38, "EditRegenMP", "Скорость восполнения маны", "0", E, true},
    {529, 5, W, 39, "EditRegenUstalost", "Скорость уменьшения усталости", "0", E, true},
    {535, 5, W, 40, "EditMin", "Минимальный удар", "0", E, true},
    {541, 5, W, 41, "EditMax", "Максимальный удар", "0", E, true},
    {547, 5, W, 42, "EditRukzak", "Изменение размеров рюкзака", "0", E, true},
    {553, 5, W, 43, "EditBonusOpit", "Дополнительный опыт", "0", E, true},
    {559, 5, W, 44, "EditVmestimostPoyasa", "Вместимость пояса:", "0", E, true},

    {565, 4, W, 58, "EditTrebLvl", "Уровень", "1", R, true},
    {570, 4, W, 51, "EditTrebSila", "Сила", "3", R, true},
    {575, 4, W, 52, "EditTrebLovkost", "Ловкость", "3", R, true},
    {580, 4, W, 53, "EditTrebIntuiciya", "Интуиция", "3", R, true},
    {585, 4, W, 54, "EditTrebHP", "Здоровье", "3", R, true},
    {590, 4, W, 55, "EditTrebMP", "Мана", "3", R, true},
    {595, 4, W, 56, "EditTrebIntellekt", "Интеллект", "1", R, true},
    {600, 4, W, 57, "EditTrebHarizma", "Харизма", "1", R, true},

    {605, 4, W, 45, "EditSila", "Сила", "0", S, true},
    {610, 4, W, 46, "EditLovkost", "Ловкость", "0", S, true},
    {615, 4, W, 47, "EditIntuiciya", "Интуиция", "0", S, true},
    {620, 4, W, 48, "EditIntellekt", "Интеллект", "0", S, true},
    {625, 4, W, 49, "EditHarizma", "Хиризма", "0", S, true},
    {630, 4, W, 50, "EditUda4a", "Удача", "0", S, true},

    {635, 2, W, 97, "EditAuraVampir", "Вампирическая", "0", A, true},
    {638, 2, W, 98, "EditAuraPoglot", "Поглощение", "0", A, true},
    {641, 2, W, 99, "EditAuraEconom", "Экономии", "0", A, true},
    {644, 2, W, 100, "EditAuraOtvet", "Ответа", "0", A, true},
    {647, 2, W, 101, "EditAuraChaos", "Противоречий", "0", A, true},
    {650, 2, W, 102, "EditAuraStih", "Стихийной защиты", "0", A, true},
    {653, 2, W, 103, "EditAuraSun", "Солнечная", "0", A, false},

    {656, 3, W, 63, "EditWeaponKnife", "Ножи", "0", M, true},
    {660, 3, W, 64, "EditWeaponSword", "Мечи", "0", M, true},
    {664, 3, W, 65, "EditWeaponAxe", "Топоры", "0", M, true},
    {668, 3, W, 66, "EditWeaponDubina", "Дубины", "0", M, true},
    {672, 3, W, 68, "EditWeaponKopya", "Копья", "0", M, false},
    {676, 3, W, 67, "EditWeaponStaf", "Посохи", "0", M, true},

    // Both blocks of schools run general, dark, light, chaos, earth, fire, air,
    // water, metal, time, space, physical, mental: fire before air before water.
    {680, 4, W, 69, "EditMagicObw", "Общий круг", "0", G, true},
    {685, 4, W, 70, "EditMagicDark", "Тьма", "0", G, true},
    {690, 4, W, 71, "EditMagicLight", "Свет", "0", G, true},
    {695, 4, W, 72, "EditMagicChaos", "Хаос", "0", G, true},
    {700, 4, W, 73, "EditMagicEarth", "Земля", "0", G, true},
    {705, 4, W, 74, "EditMagicFire", "Огонь", "0", G, true},
    {710, 4, W, 76, "EditMagicAir", "Воздух", "0", G, true},
    {715, 4, W, 75, "EditMagicWater", "Вода", "0", G, true},
    {720, 4, W, 77, "EditMagicMetall", "Металл", "0", G, true},
    {725, 4, W, 78, "EditMagicTime", "Время", "0", G, true},
    {730, 4, W, 79, "EditMagicProstranstvo", "Пространство", "0", G, true},
    {735, 4, W, 80, "EditMagicFiz", "Физическая материя", "0", G, true},
    {740, 4, W, 81, "EditMagicMental", "Ментальная материя", "0", G, true},

    {745, 4, W, 82, "EditTrebMagicObw", "Общий круг", "0", Q, true},
    {750, 4, W, 83, "EditTrebMagicDark", "Тьма", "0", Q, true},
    {755, 4, W, 84, "EditTrebMagicLight", "Свет", "0", Q, true},
    {760, 4, W, 85, "EditTrebMagicChaos", "Хаос", "0", Q, true},
    {765, 4, W, 86, "EditTrebMagicEarth", "Земля", "0", Q, true},
    {770, 4, W, 87, "EditTrebMagicFire", "Огонь", "0", Q, true},
    {775, 4, W, 89, "EditTrebMagicAir", "Воздух", "0", Q, true},
    {780, 4, W, 88, "EditTrebMagicWater", "Вода", "0", Q, true},
    {785, 4, W, 90, "EditTrebMagicMetall", "Металл", "0", Q, true},
    {790, 4, W, 91, "EditTrebMagicTime", "Время", "0", Q, true},
    {795, 4, W, 92, "EditTrebMagicProstranstvo", "Пространство", "0", Q, true},
    {800, 4, W, 93, "EditTrebMagicFiz", "Физическая материя", "0", Q, true},
    {805, 4, W, 94, "EditTrebMagicMental", "Ментальная материя", "0", Q, true},
}};
// clang-format on

namespace {
// Each field starts where the one before it ends, and the last ends the record.
constexpr bool fieldsArePacked() {
    int next = 0;
    for (const CustomItemField &f : kCustomItemFields) {
        if (f.offset != next) return false;
        next += fieldSize(f);
    }
    return next == kCustomItemRecordSize;
}
static_assert(fieldsArePacked(), "the custom item fields must tile the 810-byte record");
static_assert(kCustomItemFields[field::Price].offset == 304 && kCustomItemFields[field::PartOfSets].offset == 324);
}  // namespace

std::optional<int> fieldByInput(const QString &objectName) {
    for (int i = 0; i < kCustomItemFieldCount; ++i)
        if (kCustomItemFields[i].input && objectName == QLatin1String(kCustomItemFields[i].input)) return i;
    return std::nullopt;
}

std::optional<int> fieldByColumn(int column) {
    for (int i = 0; i < kCustomItemFieldCount; ++i)
        if (column != 0 && kCustomItemFields[i].column == column) return i;
    return std::nullopt;
}

const std::array<FieldGroupInfo, 11> kFieldGroups = {{
    {FieldGroup::Picture, nullptr},
    {FieldGroup::Type, "Выберите тип предмета"},
    {FieldGroup::Name, "Название предмета"},
    {FieldGroup::Effects, "Характеристики"},
    {FieldGroup::Requirements, "Требования"},
    {FieldGroup::Stats, "Статы"},
    {FieldGroup::Auras, "Ауры"},
    {FieldGroup::Masteries, "Владения оружием"},
    {FieldGroup::Magic, "Навыки владения магией"},
    {FieldGroup::RequiredMagic, "Требуемые навыки владения магией"},
    {FieldGroup::Other, "Остальное..."},
}};

QString fieldGroupCaption(FieldGroup g) {
    for (const FieldGroupInfo &info : kFieldGroups)
        if (info.group == g && info.caption) return QString::fromUtf8(info.caption);
    return {};
}

const std::array<CustomItemType, kCustomItemTypeCount> kCustomItemTypes = {{
    {"Ножи", SlotChoice::Fixed, Slot::Weapon},
    {"Мечи", SlotChoice::Fixed, Slot::Weapon},
    {"Топоры и секиры", SlotChoice::Fixed, Slot::Weapon},
    {"Дубины и молоты", SlotChoice::Fixed, Slot::Weapon},
    {"Копья", SlotChoice::Fixed, Slot::Weapon},
    {"Посохи", SlotChoice::Fixed, Slot::Weapon},
    {"Шлемы", SlotChoice::Fixed, Slot::Helmet},
    {"Кулоны", SlotChoice::Fixed, Slot::Pendant},
    {"Броня", SlotChoice::Fixed, Slot::Armour},
    {"Пояса", SlotChoice::Fixed, Slot::Belt},
    {"Амулеты", SlotChoice::Fixed, Slot::Amulet},
    {"Обувь", SlotChoice::Fixed, Slot::Boots},
    {"Кольца", SlotChoice::FirstFreeRing, Slot::Ring1},
    {"Талисманы", SlotChoice::FirstFreeTalisman, Slot::Talisman1},
    {"Браслеты", SlotChoice::Fixed, Slot::Bracelets},
    {"Перчатки", SlotChoice::Fixed, Slot::Gloves},
    {"Щиты", SlotChoice::Fixed, Slot::OffHand},
    {"Штаны", SlotChoice::Fixed, Slot::Trousers},
}};

std::optional<CustomItemType> customItemType(const QString &type) {
    for (const CustomItemType &t : kCustomItemTypes)
        if (type == QString::fromUtf8(t.caption)) return t;
    return std::nullopt;
}

}  // namespace veldora
