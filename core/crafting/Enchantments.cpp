#include "crafting/Enchantments.h"

#include <array>
#include <vector>

namespace veldora {

namespace {

// Lines without an object name of their own are named after their submenu and
// their place in it ("N2014_1"), so that every line can be found by name.
class MenuWriter {
public:
    void submenu(int depth, const char *caption, const char *name = nullptr) {
        add(depth, EnchantLineKind::Submenu, caption, name, true, {});
    }
    void entry(int depth, const char *caption, const char *name, Slot slot, int column, int bonus, int level) {
        add(depth, EnchantLineKind::Entry, caption, name, true, {slot, column, bonus, level});
    }
    void disabled(int depth, const char *caption, const char *name = nullptr) {
        add(depth, EnchantLineKind::Entry, caption, name, false, {});
    }
    void separator(int depth) { add(depth, EnchantLineKind::Separator, nullptr, nullptr, true, {}); }

    std::vector<EnchantMenuLine> lines;

private:
    void add(int depth, EnchantLineKind kind, const char *caption, const char *name, bool enabled, Enchantment e) {
        parents_.resize(depth);
        counts_.resize(depth + 1, 0);
        const int place = ++counts_[depth];
        QString objectName;
        if (name)
            objectName = QString::fromUtf8(name);
        else if (kind != EnchantLineKind::Separator && depth > 0)
            objectName = parents_.back() + QStringLiteral("_%1").arg(place);
        lines.push_back({depth, kind, caption ? QString::fromUtf8(caption) : QString(), objectName, enabled, e});
        if (kind == EnchantLineKind::Submenu) {
            parents_.push_back(objectName);
            counts_.resize(depth + 1);
            counts_.push_back(0);
        }
    }
    std::vector<QString> parents_;
    std::vector<int> counts_;
};

struct Tier {
    const char *caption;
    int bonus;
    int level;
};

// Helmet, armour, belt and boots share the four armour tiers.
constexpr std::array<Tier, 4> kArmourTiers = {{
    {"Слабые чары брони (+5)", 5, 2},
    {"Средние чары брони (+10)", 10, 10},
    {"Сильные чары брони (+15)", 15, 16},
    {"Уникальные чары брони (+20)", 20, 16},
}};

struct ArmourSlot {
    const char *caption;
    const char *name;
    Slot slot;
    int column;
    std::array<const char *, 4> entries;
};
constexpr ArmourSlot kHelmet{"Шлем", "N342", Slot::Helmet, 27, {"N515", "N1011", "N1510", "N1514"}};
constexpr ArmourSlot kArmour{"Броня", "N227", Slot::Armour, 28, {"N516", "N1012", "N1511", "N2010"}};
constexpr ArmourSlot kBelt{"Пояс", "N234", Slot::Belt, 29, {"N517", "N1013", "N1512", "N2011"}};
constexpr ArmourSlot kBoots{"Обувь", "N238", Slot::Boots, 30, {"N518", "N1014", "N1513", "N2012"}};

struct Choice {
    const char *caption;
    int column;
};

// A tier submenu whose entries raise one column each.
struct TierMenu {
    const char *caption;
    const char *name;
    int bonus;
    int level;               // 0: every entry disabled
    const char *entries[5];  // object names, in the order of the choices
};

struct SlotEnchantment {
    const char *caption;
    int column;
    int bonus;
    const char *names[5];  // one per ring or talisman slot
};

constexpr Choice kAmuletChoices[] = {{"Вода", 33}, {"Земля", 31}, {"Воздух", 34}, {"Огонь", 32}};
constexpr TierMenu kAmuletTiers[] = {
    {"Слабые чары магической брони (+20)", "N2013", 20, 2, {"N369", "N370", "N371", "N372"}},
    {"Средние чары магической брони", "N2014", 0, 0, {}},
    {"Сильные чары магической брони", "N2015", 0, 0, {}},
    {"Уникальные чары магической брони (+100)", "N2016", 100, 16, {"N384", "N383", "N382", "N381"}},
};

constexpr Choice kGloveChoices[] = {{"Нож", 63}, {"Меч", 64}, {"Топор", 65}, {"Дубина", 66}, {"Посох", 67}};
constexpr TierMenu kGloveTiers[] = {
    {"Слабые чары мастерства  (+1)", "N1112", 1, 2, {"N265", "N266", "N267", "N268", "N269"}},
    {"Средние чары мастерства  (+3)", "N312", 3, 10, {"N270", "N271", "N272", "N273", "N274"}},
    {"Сильные чары мастерства  (+5)", "N512", 5, 16, {"N276", "N277", "N278", "N279", "N280"}},
    {"Уникальные чары мастерства  (+7)", "N710", 7, 16, {"N275", "N281", "N282", "N283", "N284"}},
};

// Weapon reinforcement: four weapon kinds, a separator, four elements.
constexpr Choice kWeaponKinds[] = {{"Ножа", 131}, {"Меча", 132}, {"Топора", 133}, {"Молота", 134}};
constexpr Choice kElements[] = {{"Воды", 122}, {"Земли", 120}, {"Огня", 121}, {"Воздуха", 123}};
struct WeaponTier {
    const char *caption;
    const char *name;
    int bonus;
    int level;
    const char *kinds[4];
    const char *elements[4];
};
constexpr WeaponTier kWeaponTiers[] = {
    {"Слабые чары усиления (+1%)", "N322", 1, 2, {"N323", "N324", "N325", "N326"}, {"N330", "N355", "N356", "N357"}},
    {"Средние чары усиления (+2%)", "N1113", 2, 10, {"N327", "N328", "N343", "N344"}, {"N359", "N360", "N361", "N362"}},
    {"Сильные чары усиления (+3%)", "N1114", 3, 16, {"N345", "N346", "N347", "N348"}, {"N364", "N365", "N366", "N367"}},
};

struct Single {
    const char *caption;
    const char *name;
    int column;  // 0: disabled
    int bonus;
    int level;
};
constexpr Single kFury[] = {
    {"Слабые чары ярости (+5%)", "N513", 12, 5, 2},
    {"Средние чары ярости (+10%)", "N1010", 12, 10, 10},
    {"Сильные чары ярости (+15%)", "N1515", 12, 15, 16},
};
constexpr Single kAgility[] = {
    {"Слабые чары проворности (+1%)", "N351", 16, 1, 2},
    {"Средние чары проворности (+3%)", "N352", 16, 3, 10},
    {"Сильные чары проворности (+5%)", "N353", 16, 5, 16},
    {"Уникальные чары проворности (+7%)", "N354", 16, 7, 16},
};
constexpr Single kShieldHealth[] = {
    {"Слабые чары здоровья ", "N256", 0, 0, 0},
    {"Средние чары здоровья  (+350 HP)", "N257", 35, 350, 10},
    {"Сильные чары здоровья ", "N258", 0, 0, 0},
    {"Невероятные чары здоровья ", "N259", 0, 0, 0},
    {"Уникальные чары жизни (+1200 HP)", "N1200hp1", 35, 1200, 16},
};
constexpr Single kShieldMana[] = {
    {"Слабые чары маны", "N261", 0, 0, 0},
    {"Средние чары маны ", "N262", 0, 0, 0},
    {"Сильные чары маны ", "N263", 0, 0, 0},
    {"Уникальные чары маны (+600 MP)", "N600MP1", 36, 600, 16},
};
constexpr Single kPendant[] = {
    {"Чары везения", "N236", 50, 10, 10},
    {"Чары силы", "N237", 45, 10, 10},
    {"Чары ловкости ", "N239", 46, 10, 10},
    {"Чары интуиции", "N240", 47, 10, 10},
    {"Чары интеллекта ", "N241", 48, 10, 10},
};
constexpr Single kPendantSuperiority[] = {
    {"Огня", "N386", 74, 10, 10},
    {"Воды", "N387", 75, 10, 10},
    {"Земли", "N388", 73, 10, 10},
    {"Воздуха", "N389", 76, 10, 10},
};
constexpr const char *kPantsTiers[][2] = {
    {"Слабые чары изменчивости", "N301"},
    {"Средние чары изменчивости", "N302"},
    {"Сильные чары изменчивости", "N303"},
    {"Уникальные чары изменчивости", "N304"},
};

constexpr int kRingAndTalismanLevel = 15;
constexpr const char *kRingMenus[5][2] = {
    {"Кольцо 1", "N1103"}, {"Кольцо 2", "N1104"}, {"Кольцо 3", "N1105"}, {"Кольцо 4", "N1106"}, {"Кольцо 5", "N1107"}};
constexpr const char *kRingSteadfast[5] = {"N229", "N230", "N231", "N232", "N233"};
constexpr SlotEnchantment kRingEnchantments[] = {
    {"Уникальные чары магии (+200 MP)", 36, 200, {"N200MP1", "N200MP2", "N200MP3", "N200MP4", "N200MP5"}},
    {"Уникальные чары жизни (+300 HP)", 35, 300, {"N350HP1", "N300HP1", "N300HP2", "N300HP3", "N300HP4"}},
    {"Уникальные чары движения (+2)", 106, 2, {"N290", "N291", "N292", "N293", "N294"}},
    {"Уникальные чары вместительности (+50)", 42, 50, {"N501", "N502", "N503", "N504", "N505"}},
    {"Уникальные чары бешенства (+3)", 12, 3, {"N313", "N314", "N315", "N316", "N317"}},
    {"Уникальные чары фортуны (+2)", 50, 2, {"N2100", "N2101", "N2102", "N2103", "N2104"}},
};

constexpr const char *kTalismanMenus[5][2] = {{"Талисман 1", "N243"}, {"Талисман 2", "N1108"}, {"Талисман 3", "N1109"},
                                              {"Талисман 4", "N1110"}, {"Талисман 5", "N1111"}};
constexpr const char *kTalismanPiercing[5] = {"N245", "N246", "N248", "N250", "N252"};
constexpr SlotEnchantment kTalismanProtection = {
    "Чары стихийной защиты x1", 102, 1, {"N244", "N247", "N249", "N251", "N253"}};
constexpr SlotEnchantment kTalismanEnchantments[] = {
    {"Уникальные чары магии (+500 MP)", 36, 500, {"N200MP6", "N500MP1", "N500MP2", "N500MP3", "N500MP4"}},
    {"Уникальные чары жизни (+200 HP)", 35, 200, {"N200HP1", "N200HP2", "N200HP3", "N200HP4", "N200HP5"}},
    {"Уникальные чары возрождения (+2)", 37, 2, {"N285", "N286", "N287", "N288", "N289"}},
    {"Уникальные чары удачливости (+2)", 50, 2, {"N295", "N296", "N297", "N298", "N299"}},
    {"Уникальные чары концентрации (+2)", 38, 2, {"N2105", "N2106", "N2107", "N2108", "N2109"}},
    {"Уникальные чары могущества (+2)", 17, 2, {"N2110", "N2111", "N2112", "N2113", "N2114"}},
};

void writeArmourSlot(MenuWriter &w, const ArmourSlot &s) {
    w.submenu(0, s.caption, s.name);
    for (int t = 0; t < 4; ++t)
        w.entry(1, kArmourTiers[t].caption, s.entries[t], s.slot, s.column, kArmourTiers[t].bonus, kArmourTiers[t].level);
}

template <size_t N>
void writeSingles(MenuWriter &w, int depth, Slot slot, const Single (&singles)[N]) {
    for (const Single &s : singles) {
        if (s.column == 0)
            w.disabled(depth, s.caption, s.name);
        else
            w.entry(depth, s.caption, s.name, slot, s.column, s.bonus, s.level);
    }
}

template <size_t T, size_t C>
void writeTiers(MenuWriter &w, Slot slot, const TierMenu (&tiers)[T], const Choice (&choices)[C]) {
    for (const TierMenu &tier : tiers) {
        w.submenu(1, tier.caption, tier.name);
        for (size_t c = 0; c < C; ++c) {
            if (tier.level == 0)
                w.disabled(2, choices[c].caption);
            else
                w.entry(2, choices[c].caption, tier.entries[c], slot, choices[c].column, tier.bonus, tier.level);
        }
    }
}

void writeSlotEnchantment(MenuWriter &w, const SlotEnchantment &e, int index, Slot slot) {
    w.entry(1, e.caption, e.names[index], slot, e.column, e.bonus, kRingAndTalismanLevel);
}

std::vector<EnchantMenuLine> buildMenu() {
    MenuWriter w;
    writeArmourSlot(w, kHelmet);

    w.submenu(0, "Кулон", "N235");
    writeSingles(w, 1, Slot::Pendant, kPendant);
    w.submenu(1, "Чары превосходства (+10)");
    writeSingles(w, 2, Slot::Pendant, kPendantSuperiority);

    writeArmourSlot(w, kArmour);
    writeArmourSlot(w, kBelt);
    w.separator(1);
    w.entry(1, "Чары путника", "N225", Slot::Belt, 42, 200, 10);

    w.submenu(0, "Амулет", "N368");
    writeTiers(w, Slot::Amulet, kAmuletTiers, kAmuletChoices);
    writeArmourSlot(w, kBoots);
    w.separator(0);

    w.submenu(0, "Перчатки", "N264");
    writeTiers(w, Slot::Gloves, kGloveTiers, kGloveChoices);

    w.submenu(0, "Оружие", "N321");
    for (const WeaponTier &tier : kWeaponTiers) {
        w.submenu(1, tier.caption, tier.name);
        for (int k = 0; k < 4; ++k)
            w.entry(2, kWeaponKinds[k].caption, tier.kinds[k], Slot::Weapon, kWeaponKinds[k].column, tier.bonus,
                    tier.level);
        w.separator(2);
        for (int e = 0; e < 4; ++e)
            w.entry(2, kElements[e].caption, tier.elements[e], Slot::Weapon, kElements[e].column, tier.bonus,
                    tier.level);
    }
    w.separator(1);
    writeSingles(w, 1, Slot::Weapon, kFury);
    w.separator(1);
    writeSingles(w, 1, Slot::Weapon, kAgility);

    w.submenu(0, "Щит", "N255");
    writeSingles(w, 1, Slot::OffHand, kShieldHealth);
    w.separator(1);
    writeSingles(w, 1, Slot::OffHand, kShieldMana);

    w.submenu(0, "Штаны", "N300");
    for (const auto &tier : kPantsTiers) {
        w.submenu(1, tier[0], tier[1]);
        w.disabled(2, "Здоровье");
        w.disabled(2, "Мана");
    }
    w.separator(0);

    for (int i = 0; i < 5; ++i) {
        w.submenu(0, kRingMenus[i][0], kRingMenus[i][1]);
        w.disabled(1, "Чары стойкости", kRingSteadfast[i]);
        for (const SlotEnchantment &e : kRingEnchantments) writeSlotEnchantment(w, e, i, kRingSlots[i]);
    }
    w.separator(0);

    for (int i = 0; i < 5; ++i) {
        w.submenu(0, kTalismanMenus[i][0], kTalismanMenus[i][1]);
        writeSlotEnchantment(w, kTalismanProtection, i, kTalismanSlots[i]);
        w.disabled(1, "Чары стихийного пробоя (+2%)", kTalismanPiercing[i]);
        for (const SlotEnchantment &e : kTalismanEnchantments) writeSlotEnchantment(w, e, i, kTalismanSlots[i]);
    }
    return std::move(w.lines);
}

const std::vector<EnchantMenuLine> &menuLines() {
    static const std::vector<EnchantMenuLine> lines = buildMenu();
    return lines;
}

}  // namespace

std::span<const EnchantMenuLine> enchantMenu() { return menuLines(); }

const EnchantMenuLine *enchantEntry(const QString &objectName) {
    for (const EnchantMenuLine &line : menuLines())
        if (line.kind == EnchantLineKind::Entry && line.enabled && line.objectName == objectName) return &line;
    return nullptr;
}

bool isEnchantedColumn(int column) {
    for (const EnchantMenuLine &line : menuLines())
        if (line.kind == EnchantLineKind::Entry && line.enabled && line.enchantment.column == column) return true;
    return false;
}

}  // namespace veldora
