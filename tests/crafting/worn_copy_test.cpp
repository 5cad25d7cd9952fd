#include "CraftingFixtures.h"

#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace {

// Every column that reaches the sheet non-zero, and text cells as the catalogue has them.
Cells loaded(int base) {
    Cells cells;
    for (const ItemEffect &e : kItemEffects) cells.emplace_back(e.column, n(base + e.column));
    for (int c = 131; c <= 135; ++c) cells.emplace_back(c, n(base + c));
    cells.emplace_back(col::Mass, QStringLiteral("2,25"));
    cells.emplace_back(col::Price, QStringLiteral("м12,5"));
    cells.emplace_back(col::Durability, QStringLiteral("40/40"));
    cells.emplace_back(col::SetName, QStringLiteral("Стражи"));
    cells.emplace_back(col::File, QStringLiteral("helm.jpg"));
    cells.emplace_back(col::ReqLevel, QStringLiteral("16"));
    cells.emplace_back(col::ReqStrength, QStringLiteral("12"));
    cells.emplace_back(col::ReqAlignment, QStringLiteral("Свет"));
    return cells;
}

struct Outfit {
    PlannerFixture f;
    int helm = 0;

    explicit Outfit(const Catalogue &c) : f(c) {}
};

// Every slot but the helmet dressed with a loaded item; the helmet is row `helm`.
std::unique_ptr<Outfit> dressedOutfit() {
    CatalogueBuilder b;
    for (const SlotInfo &s : kSlots)
        if (s.slot != Slot::Helmet && s.slot != Slot::OffHand) b.add(s.category, QString::fromUtf8(s.rowCaption), loaded(s.requirementRow));
    b.add(Category::Shields, QStringLiteral("Щит"), loaded(10));
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем"), loaded(1));
    auto o = std::make_unique<Outfit>(b.catalogue);
    for (const SlotInfo &s : kSlots)
        if (s.slot != Slot::Helmet) o->f.planner.equipFromCatalogue(s.category, QStringLiteral("Стражи"), s.slot, 1);
    o->helm = helm;
    return o;
}

}  // namespace

TEST(WornCopies, ForgedAndEnchantedCopiesComeOffLeavingEverySheetValueAsBefore) {
    auto o = dressedOutfit();
    PlannerFixture &f = o->f;
    const PlannerState withoutHelmet = f.state();
    f.planner.clickCatalogueItem(0, o->helm);
    const qint64 crit = f.value(Lbl::LCrit), armour = f.value(Lbl::LBronGolova);

    Forge forge = openForge(f, "N211");
    press(forge, "PButton_Krit", 2);
    press(forge, "PButton_Bron", 3);
    ASSERT_EQ(applyForge(f.planner, forge), ForgeResult::Forged);
    ASSERT_EQ(enchantWornItem(f.planner, enchantment("N1514")), EnchantResult::Enchanted);
    EXPECT_EQ(f.value(Lbl::LCrit), crit + 10);
    EXPECT_EQ(f.value(Lbl::LBronGolova), armour + 6 + 20);
    EXPECT_EQ(f.state().slot(Slot::Helmet).setName, QStringLiteral("Стражи"));

    f.planner.clickSlot(Slot::Helmet);
    PlannerState after = f.state();
    after.catalogue = withoutHelmet.catalogue;  // the copies stay appended
    EXPECT_EQ(firstDifference(after, withoutHelmet), "none");
}

TEST(WornCopies, ForgingAnEnchantedForgedItemKeepsEveryOtherCellExactly) {
    auto o = dressedOutfit();
    PlannerFixture &f = o->f;
    f.planner.clickCatalogueItem(0, o->helm);
    const QVector<QString> original = f.state().catalogue.table(Category::Helmets).rowCells(o->helm);

    Forge forge = openForge(f, "N211");
    press(forge, "PButton_Bron", 1);
    ASSERT_EQ(applyForge(f.planner, forge), ForgeResult::Forged);
    ASSERT_EQ(enchantWornItem(f.planner, enchantment("N1011")), EnchantResult::Enchanted);
    forge = openForge(f, "N211");
    press(forge, "PButton_Sila", 1);
    ASSERT_EQ(applyForge(f.planner, forge), ForgeResult::Forged);

    const CategoryTable &t = f.state().catalogue.table(Category::Helmets);
    const int copy = f.row(Slot::Helmet);
    EXPECT_EQ(copy, o->helm + 3);
    // Copper raised all eight armour values, the enchantment head armour alone.
    std::map<int, QString> changed{{45, n(original[45].toInt() + 1)},
                                   {col::ForgeCount, QStringLiteral("2")},
                                   {col::Enchanted, QStringLiteral("1")},
                                   {col::EnchantColumn, QStringLiteral("27")},
                                   {col::EnchantAmount, QStringLiteral("10")}};
    for (int c = 27; c <= 34; ++c) changed[c] = n(original[c].toInt() + 2 + (c == 27 ? 10 : 0));
    for (int c = 0; c < kItemColumnCount; ++c) {
        const auto it = changed.find(c);
        EXPECT_EQ(t.cell(c, copy), it == changed.end() ? original[c] : it->second) << "column " << c;
    }

    // The forged copy still knows its enchantment, so a new one replaces it.
    ASSERT_EQ(enchantWornItem(f.planner, enchantment("N515")), EnchantResult::Enchanted);
    EXPECT_EQ(t.cell(27, f.row(Slot::Helmet)), n(original[27].toInt() + 2 + 5));
}

TEST(WornCopies, ARingCountedInAPresetSetStaysInItOnceForgedOrEnchanted) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, QStringLiteral("Шлем волхва"), {{col::SetName, QStringLiteral("Волхва")}});
    // The ring's own row belongs to no set; a preset counts it in the set it dresses.
    const int ring = b.add(Category::Rings, QStringLiteral("Кольцо"), {{col::ReqLevel, QStringLiteral("15")}});
    PlannerFixture f(b.catalogue);
    f.planner.equipFromCatalogue(Category::Helmets, QStringLiteral("Волхва"), Slot::Helmet, helm);
    f.planner.equipFromCatalogue(Category::Rings, QStringLiteral("Волхва"), Slot::Ring1, ring);

    Forge forge = openForge(f, "N1102");
    ASSERT_EQ(applyForge(f.planner, forge), ForgeResult::Forged);
    ASSERT_EQ(enchantWornItem(f.planner, enchantment("N200MP1")), EnchantResult::Enchanted);
    EXPECT_EQ(f.state().slot(Slot::Ring1).setName, QStringLiteral("Волхва"));
}
