#include "app/CatalogueTabs.h"
#include "app/ChoiceAdvisor.h"
#include "support/PlannerFixtures.h"

#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace veldora {
void PrintTo(const SheetChange &c, std::ostream *os) { *os << changeLineText(c).toStdString(); }
}  // namespace veldora

namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }

// Eleven items of the set "Стража", one per slot of the helmet .. trousers tabs,
// the weapon and the shield; the set needs all eleven (eleven beat ten empty slots).
// Besides: a two-handed axe, a dagger for the second hand, rings, a talisman.
struct Shop {
    CatalogueBuilder b;
    int axe, dagger, ring, strongRing;
    Shop() {
        for (int tab = 0; tab < 11; ++tab) {
            const CatalogueTab &info = kCatalogueTabs[tab];
            b.add(info.category, QStringLiteral("%1 стража").arg(t(info.caption)),
                  {{col::SetName, t("Стража")}, {28, QString::number(tab + 1)}, {col::Mass, t("0,1")},
                   {col::Price, t("м1,1")}});
        }
        axe = b.add(Category::Weapons, t("Секира"), {{col::TwoHanded, t("Да")}, {40, t("9")}, {col::Mass, t("0,3")}});
        dagger = b.add(Category::Weapons, t("Кинжал"), {{col::SecondWeapon, t("Да")}, {8, t("4")}});
        ring = b.add(Category::Rings, t("Кольцо"), {{45, t("2")}, {97, t("1")}, {col::Price, t("з2")}});
        strongRing = b.add(Category::Rings, t("Кольцо силача"), {{51, t("9")}, {58, t("4")}, {47, t("1")}});
        b.add(Category::Talismans, t("Талисман"), {{35, t("30")}});
        b.addSet(t("Стража"), 11, {{1, t("7")}, {30, t("2")}, {39, t("1")}});
    }
};

// What really clicking does, on a copy of the planner.
struct Clicked {
    PlannerState after;
    QStringList messages;
};
Clicked clickCopy(const Planner &planner, int tab, int row) {
    RecordedMessages messages;
    Planner copy = planner;
    copy.setMessages(&messages);
    copy.clickCatalogueItem(tab, row);
    return {copy.state(), messages.shown};
}

void expectAgreesWithClicks(Planner &planner, ChoiceAdvisor &advisor, const std::string &outfit) {
    const PlannerState before = planner.state();
    for (int tab = 0; tab < kCatalogueTabCount; ++tab) {
        const int n = before.catalogue.table(kCatalogueTabs[tab].category).rowCount() - 1;
        for (int row = 1; row <= n; ++row) {
            const ItemChoice choice = advisor.catalogueItem(tab, row);
            const Clicked real = clickCopy(planner, tab, row);
            EXPECT_EQ(choice.changes, sheetChanges(before, real.after)) << outfit << ", tab " << tab << " row " << row;
            EXPECT_EQ(choice.note, real.messages.value(0, real.after == before ? t("Ничего не изменится.") : QString()))
                << outfit << ", tab " << tab << " row " << row;
            ASSERT_EQ(planner.state(), before) << "the advisor changed the planner";
        }
    }
}

}  // namespace

TEST(ChoiceAdvisor, EveryItemChangesWhatPuttingItOnChangesWhateverIsWorn) {
    Shop shop;
    PlannerFixture f(shop.b.catalogue);
    ChoiceAdvisor advisor(f.planner);
    expectAgreesWithClicks(f.planner, advisor, "nothing worn");
    for (int tab = 0; tab < 10; ++tab) f.planner.clickCatalogueItem(tab, 1);  // ten of the set, shield included
    expectAgreesWithClicks(f.planner, advisor, "ten of the set");
    f.planner.clickCatalogueItem(tab::Weapons, shop.axe);
    for (int i = 0; i < 5; ++i) f.planner.clickCatalogueItem(tab::Rings, shop.ring);
    expectAgreesWithClicks(f.planner, advisor, "two-handed axe, five rings");
    EXPECT_TRUE(f.messages.shown.isEmpty());
}

TEST(ChoiceAdvisor, SaysWhatChangesInTheOrderOfTheSheetWithTheSetGainedAndLost) {
    Shop shop;
    PlannerFixture f(shop.b.catalogue);
    ChoiceAdvisor advisor(f.planner);

    const ItemChoice ring = advisor.catalogueItem(tab::Rings, shop.ring);
    EXPECT_EQ(ring.heading, t("Если надеть:"));
    EXPECT_EQ(ring.note, QString());
    ASSERT_EQ(ring.changes.size(), 1);
    EXPECT_EQ(ring.changes[0].heading, QString());
    // The aura counted once, by its icon; the price in gold.
    EXPECT_EQ(ring.changes[0].changes,
              (QVector<SheetChange>{{t("Сила"), t("+2"), Trend::Gain},
                                    {t("Аура вампирическая"), t("+1"), Trend::Gain},
                                    {t("Размер рюкзака"), t("+8"), Trend::Gain},
                                    {t("Золотых"), t("+2"), Trend::Loss}}));

    for (int tab = 0; tab < 10; ++tab) f.planner.clickCatalogueItem(tab, 1);
    const ItemChoice last = advisor.catalogueItem(10, 1);  // the eleventh: the set bonus applies
    ASSERT_EQ(last.changes.size(), 2);
    EXPECT_EQ(last.changes[0].changes,
              (QVector<SheetChange>{{t("Сила"), t("+2"), Trend::Gain},
                                    {t("Броня тела"), t("+11"), Trend::Gain},
                                    {t("Аура вампирическая"), t("+1"), Trend::Gain},
                                    {t("Общая масса"), t("+0,1"), Trend::Loss},
                                    {t("Монет"), t("+1,1"), Trend::Loss}}));
    EXPECT_EQ(last.changes[1].heading, t("Бонус за комплект"));
    EXPECT_EQ(last.changes[1].changes, (QVector<SheetChange>{{t("Комплект «Стража»"), t("получен"), Trend::Gain},
                                                             {t("Критический удар"), t("+7"), Trend::Gain}}));

    f.planner.clickCatalogueItem(10, 1);
    const ItemChoice off = advisor.wornItem(Slot::Helmet);
    EXPECT_EQ(off.heading, t("Если снять:"));
    EXPECT_EQ(off.changes.back().changes.front(), (SheetChange{t("Комплект «Стража»"), t("потерян"), Trend::Loss}));
    EXPECT_EQ(off.changes.front().changes.back(), (SheetChange{t("Монет"), t("-1,1"), Trend::Gain}))
        << "eleven prices of 1,1 less one is 11 − 1,1 exactly";
    EXPECT_TRUE(off.missing && off.missing->met());
}

TEST(ChoiceAdvisor, TheSecondHandAndTheTwoHandedWeaponFollowTheClickRules) {
    Shop shop;
    PlannerFixture f(shop.b.catalogue);
    ChoiceAdvisor advisor(f.planner);
    // Both hands empty: the dagger goes to the second hand.
    EXPECT_EQ(advisor.catalogueItem(tab::Weapons, shop.dagger).changes[0].changes,
              (QVector<SheetChange>{{t("Уворот"), t("+4"), Trend::Gain}}));
    f.planner.clickCatalogueItem(tab::Shields, 1);
    EXPECT_EQ(advisor.catalogueItem(tab::Weapons, shop.axe).changes[0].changes,
              (QVector<SheetChange>{{t("Броня тела"), t("-10"), Trend::Loss},
                                    {t("Минимальный удар"), t("+9"), Trend::Gain},
                                    {t("Общая масса"), t("+0,2"), Trend::Loss},
                                    {t("Монет"), t("-1,1"), Trend::Gain}}))
        << "the two-handed axe takes the shield off";
    EXPECT_EQ(advisor.catalogueItem(tab::Talismans, 1).changes[0].changes.front(),
              (SheetChange{t("Здоровье (HP)"), t("+30"), Trend::Gain}));
}

TEST(ChoiceAdvisor, ARefusedItemShowsWhatWearingItWouldGiveAndWhatItLacks) {
    Shop shop;
    PlannerFixture f(shop.b.catalogue);
    f.planner.setRequirementCheckOn(true);
    ChoiceAdvisor advisor(f.planner);
    const PlannerState before = f.state();
    const ItemChoice strong = advisor.catalogueItem(tab::Rings, shop.strongRing);
    EXPECT_EQ(strong.note, t("Требования не выполнены."));
    EXPECT_EQ(strong.changes[0].changes.front(), (SheetChange{t("Интуиция"), t("+1"), Trend::Gain}));
    ASSERT_TRUE(strong.missing);
    EXPECT_EQ(strong.missing->unmet.size(), 2);
    EXPECT_EQ(strong.missing->levelAbove(), 4);
    EXPECT_FALSE(advisor.wearable(tab::Rings, shop.strongRing));
    EXPECT_EQ(f.state(), before);
    EXPECT_TRUE(f.messages.shown.isEmpty());
    EXPECT_EQ(f.hiddenInfoPanels, 0);

    // Without the check the click puts it on: no refusal to tell.
    f.planner.setRequirementCheckOn(false);
    const ItemChoice unchecked = advisor.catalogueItem(tab::Rings, shop.strongRing);
    EXPECT_EQ(unchecked.note, QString());
    EXPECT_EQ(unchecked.changes, strong.changes);
    EXPECT_EQ(unchecked.missing, strong.missing);
}

TEST(ChoiceAdvisor, KeepsResultsUntilTheStateChangesInAnyWay) {
    Shop shop;
    PlannerFixture f(shop.b.catalogue);
    ChoiceAdvisor advisor(f.planner);
    const PlannerState start = f.state();
    const auto tried = [&] {
        const int before = advisor.trials();
        advisor.catalogueItem(0, 1);
        advisor.wornItem(Slot::Helmet);
        return advisor.trials() - before;
    };
    EXPECT_EQ(tried(), 2);
    EXPECT_EQ(tried(), 0);
    const std::vector<std::pair<const char *, std::function<void()>>> changes{
        {"a plus button", [&] { f.planner.plus(PointTable::Stats, 0); }},
        {"the requirement check", [&] { f.planner.setRequirementCheckOn(true); }},
        {"an item put on", [&] { f.planner.clickCatalogueItem(tab::Rings, shop.ring); }},
        {"a row appended", [&] { f.planner.appendRow(Category::Helmets, itemRow(t("Копия"))); }},
        {"a snapshot put back", [&] { f.planner.restore(start); }},
        {"the separator", [&] { f.planner.setDecimalSeparator(t(".")); }},
        {"nothing", [] {}},
    };
    for (const auto &[what, change] : changes) {
        change();
        EXPECT_EQ(tried(), std::string(what) == "nothing" ? 0 : 2) << what;
        EXPECT_EQ(tried(), 0) << what;
    }
    const ItemChoice helmet = advisor.catalogueItem(0, 1);
    EXPECT_EQ(helmet.changes[0].changes.back(), (SheetChange{t("Монет"), t("+1.1"), Trend::Loss}))
        << "decimals follow the sheet's separator";
}

TEST(ChoiceAdvisor, WearableMeansTheCheckAtTheClickWithTheSlotItFillsEmptied) {
    CatalogueBuilder b;
    const int strong = b.add(Category::Helmets, t("Шлем силы"), {{45, t("5")}});
    const int heavy = b.add(Category::Helmets, t("Тяжёлый шлем"), {{51, t("8")}});
    const int high = b.add(Category::Helmets, t("Высокий шлем"), {{58, t("2")}});
    const int ring8 = b.add(Category::Rings, t("Кольцо"), {{51, t("8")}});
    const int ring9 = b.add(Category::Rings, t("Кольцо покрепче"), {{51, t("9")}});
    const int axe = b.add(Category::Weapons, t("Секира"), {{col::TwoHanded, t("Да")}, {51, t("8")}});
    b.add(Category::Shields, t("Щит"), {{51, t("8")}, {46, t("2")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(0, strong);  // own 3 + 5
    f.planner.clickCatalogueItem(tab::Shields, 1);
    ChoiceAdvisor advisor(f.planner);
    EXPECT_FALSE(advisor.wearable(0, heavy)) << "the worn helmet's strength goes with it";
    EXPECT_FALSE(advisor.wearable(0, high));
    EXPECT_TRUE(advisor.wearable(tab::Rings, ring8)) << "a free ring slot takes nothing off";
    EXPECT_FALSE(advisor.wearable(tab::Rings, ring9));
    EXPECT_TRUE(advisor.wearable(tab::Weapons, axe)) << "the shield goes only after the axe is on";
    EXPECT_TRUE(advisor.wearable(tab::Shields, 1)) << "the same shield is worn already";

    // Whatever is worn, the same as trying each click.
    for (int outfit = 0; outfit < 3; ++outfit) {
        ChoiceAdvisor fresh(f.planner), trying(f.planner);
        for (int tab = 0; tab < kCatalogueTabCount; ++tab)
            for (int row = 1; row < f.state().catalogue.table(kCatalogueTabs[tab].category).rowCount(); ++row) {
                const ItemChoice choice = trying.catalogueItem(tab, row);
                EXPECT_EQ(fresh.wearable(tab, row), choice.missing && choice.missing->met())
                    << "outfit " << outfit << ", tab " << tab << " row " << row;
            }
        f.planner.clickCatalogueItem(tab::Rings, ring8);
        f.planner.clickSlot(outfit == 0 ? Slot::OffHand : Slot::Helmet);
    }
}
