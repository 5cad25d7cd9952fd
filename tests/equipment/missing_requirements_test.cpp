#include "app/CatalogueTabs.h"
#include "equipment/MissingRequirements.h"
#include "support/PlannerFixtures.h"

#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }

ItemValues needs(std::initializer_list<std::pair<int, qint64>> requirements) {
    ItemValues item;
    for (const auto &[column, value] : requirements) item.requirements[column] = value;
    return item;
}

// Requirement columns: 1 level, 2 Сила, 4 Интуиция, 10 Магия общ., 15 Магия огня.
constexpr int kLevel = 1, kSila = 2, kIntuition = 4, kMagic = 10, kFire = 15;

}  // namespace

TEST(MissingRequirements, CountsFromOwnPlusItemsAndNamesTheLevelApart) {
    PlannerFixture f;  // level 1, Сила 3, Интуиция 3, no magic; free points 5, 1, 1
    const PlannerState &s = f.state();
    const auto missing = [&](std::initializer_list<std::pair<int, qint64>> r) {
        return missingRequirements(needs(r), s.sheet, s.points);
    };
    EXPECT_TRUE(missing({{kLevel, 1}, {kSila, 3}, {kMagic, 0}}).met()) << "equal is enough";

    const MissingRequirements one = missing({{kSila, 4}});
    ASSERT_EQ(one.unmet.size(), 1);
    EXPECT_EQ(one.unmet[0], (UnmetRequirement{kSila, 51, 4, 3}));
    EXPECT_EQ(one.unmet[0].missing(), 1);
    EXPECT_EQ(one.levelAbove(), 0);
    EXPECT_EQ(freePointsLine(one), t("Хватит свободных параметров"));

    // Five stat points free: 2 + 3 are enough, one more is not; magic has its own pool.
    EXPECT_TRUE(missing({{kSila, 5}, {kIntuition, 6}}).pointsSuffice());
    const MissingRequirements short1 = missing({{kSila, 5}, {kIntuition, 7}, {kMagic, 1}, {kFire, 2}});
    EXPECT_EQ(short1.needed, (std::array<qint64, 3>{6, 0, 3}));
    EXPECT_EQ(freePointsLine(short1), t("Не хватит свободных параметров — характеристики: 1, магия: 2"));

    // The level: equal is enough, one above is named, and points do not help it.
    EXPECT_TRUE(missing({{kLevel, 1}}).met());
    const MissingRequirements level = missing({{kLevel, 2}});
    EXPECT_EQ(level.levelAbove(), 2);
    EXPECT_FALSE(level.pointsMatter());
    EXPECT_EQ(missingRequirementsText(level), t("Уровень: 2 (не хватает 1)\rМожно надеть с 2 уровня"));
    EXPECT_EQ(missingRequirementsText(missing({{kLevel, 12}, {kSila, 10}, {kFire, 1}})),
              t("Уровень: 12 (не хватает 11)\rСила: 10 (не хватает 7)\rМагия огня: 1 (не хватает 1)\r"
                "Можно надеть с 12 уровня\rНе хватит свободных параметров — характеристики: 2"));
}

TEST(MissingRequirements, ItemsCountButTheItemsOwnBonusDoesNotAndTheCheckAgrees) {
    CatalogueBuilder b;
    const int helm = b.add(Category::Helmets, t("Шлем"), {{45, t("4")}});
    const int ring = b.add(Category::Rings, t("Кольцо силы"), {{51, t("8")}, {45, t("5")}});
    PlannerFixture f(b.catalogue);
    f.planner.setRequirementCheckOn(true);
    f.planner.clickCatalogueItem(0, helm);
    const auto item = std::get<ItemValues>(readItem(f.state().catalogue.table(Category::Rings), ring));
    const MissingRequirements m = missingRequirements(item, f.sheet(), f.state().points);
    EXPECT_EQ(m.unmet, (QVector<UnmetRequirement>{{kSila, 51, 8, 7}})) << "own 3 + helmet 4; the ring's 5 not counted";

    // Level 1, Сила 7, no fire magic: met exactly up to those, on both sides of each boundary.
    for (int level = 1; level <= 3; ++level)
        for (int sila = 6; sila <= 8; ++sila)
            for (int fire = 0; fire <= 1; ++fire) {
                const ItemValues v = needs({{kLevel, level}, {kSila, sila}, {kFire, fire}});
                EXPECT_EQ(missingRequirements(v, f.sheet(), f.state().points).met(),
                          level <= 1 && sila <= 7 && fire <= 0)
                    << level << ' ' << sila << ' ' << fire;
            }
}

TEST(MissingRequirements, ARefusedClickListsWhatIsLackingInTheSameBoxWhenAsked) {
    CatalogueBuilder b;
    const int ring = b.add(Category::Rings, t("Кольцо"), {{51, t("10")}, {58, t("2")}});
    PlannerFixture f(b.catalogue);
    f.planner.setRequirementCheckOn(true);
    f.planner.clickCatalogueItem(tab::Rings, ring);
    EXPECT_EQ(f.messages.shown, QStringList{t("Требования не выполнены.")}) << "as it always was";
    ASSERT_TRUE(f.planner.lastRequirementCheck());
    EXPECT_EQ(f.planner.lastRequirementCheck()->unmet.size(), 2);

    f.messages.shown.clear();
    f.planner.setRequirementListShown(true);
    f.planner.clickCatalogueItem(tab::Rings, ring);
    EXPECT_EQ(f.messages.shown,
              QStringList{t("Требования не выполнены.\r\rУровень: 2 (не хватает 1)\rСила: 10 (не хватает 7)\r"
                            "Можно надеть с 2 уровня\rНе хватит свободных параметров — характеристики: 2")});
    EXPECT_EQ(f.hiddenInfoPanels, 2);

    // Presets keep their own list of names.
    f.messages.shown.clear();
    f.planner.equipByName(Category::Rings, {}, t("nil"), Slot::Ring1, t("Кольцо"), 0);
    EXPECT_TRUE(f.messages.shown.isEmpty());
    // A click on a slot forgets the last check.
    f.planner.clickSlot(Slot::Ring1);
    EXPECT_FALSE(f.planner.lastRequirementCheck());
}
