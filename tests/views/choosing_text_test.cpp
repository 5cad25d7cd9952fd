#include "app/CatalogueTabs.h"
#include "views/ChoiceText.h"
#include "views/ItemSearch.h"
#include "support/PlannerFixtures.h"

#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace {
QString t(const char *utf8) { return QString::fromUtf8(utf8); }
}  // namespace

namespace veldora {
void PrintTo(const ToneLine &l, std::ostream *os) { *os << l.text.toStdString() << " [" << int(l.tone) << "]"; }
}  // namespace veldora

TEST(ItemSearch, MatchesPartsOfNamesIgnoringCaseYoAndSpacing) {
    EXPECT_TRUE(nameMatches(t("Шлем ангела"), t("ангел")));
    EXPECT_TRUE(nameMatches(t("Шлем ангела"), t("ШЛЕМ  АН")));
    EXPECT_TRUE(nameMatches(t("Ёлочный шлем"), t("елоч")));
    EXPECT_TRUE(nameMatches(t("Елочный шлем"), t("ЁЛОЧ")));
    EXPECT_TRUE(nameMatches(t("Кольцо  тёмное"), t(" кольцо темн ")));
    EXPECT_TRUE(nameMatches(t("Шлем"), t("   "))) << "spaces alone match every name";
    EXPECT_FALSE(nameMatches(t("Шлем ангела"), t("ангелы")));
    EXPECT_FALSE(nameMatches(t("Шлемангела"), t("шлем ангела")));

    CatalogueBuilder b;
    b.add(Category::Helmets, t("Шлем ангела"));
    b.add(Category::Helmets, t("Шлем тьмы"));
    b.add(Category::Rings, t("Кольцо Ангела"));
    // A forged copy lies beyond the catalogue rows and is no picture of the browser.
    b.catalogue.table(Category::Helmets).appendRow(itemRow(t("Шлем ангела (кованый)")));
    const CatalogueSearch search(b.catalogue);
    EXPECT_EQ(search.matches(0, t("ангел")), QVector<int>{1});
    EXPECT_EQ(search.matches(0, t("")), (QVector<int>{1, 2}));
    EXPECT_EQ(search.matches(tab::Rings, t("АНГЕЛ")), QVector<int>{1});
    EXPECT_TRUE(search.matches(tab::Weapons, t("ангел")).isEmpty());
    EXPECT_EQ(search.itemCount(0), 2);
}

TEST(ChoiceText, MarksThePanelsOwnRequirementLinesAndListsTheChanges) {
    CatalogueBuilder b;
    // Shown requirement lines: level, Сила, alignment, dark magic (the panel's own
    // spelling), sex; the alignment and sex are not checked.
    const int row = b.add(Category::Helmets, t("Шлем"),
                          {{58, t("3")}, {51, t("3")}, {59, t("Свет")}, {83, t("2")}, {117, t("М")}});
    PlannerFixture f(b.catalogue);
    const CategoryTable &table = f.state().catalogue.table(Category::Helmets);
    const ItemInfoText info = buildItemInfo(table, row, InfoSource::CatalogueItem);
    ItemChoice choice;
    choice.heading = t("Если надеть:");
    choice.missing = missingRequirements(std::get<ItemValues>(readItem(table, row)), f.sheet(), f.state().points);
    choice.changes = {{QString(), {{t("Сила"), t("+2"), Trend::Gain}}},
                      {t("Бонус за комплект"), {{t("Комплект «Ангела»"), t("потерян"), Trend::Loss}}}};

    const ChoiceText text = buildChoiceText(info, choice);
    EXPECT_EQ(text.requirements, (QVector<ToneLine>{{t("Уровень: 3 (не хватает 2)"), Tone::Unmet},
                                                    {t("Сила: 3"), Tone::Plain},
                                                    {t("Склонность: Свет"), Tone::Plain},
                                                    {t("Магия Тьмв: 2 (не хватает 2)"), Tone::Unmet},
                                                    {t("Пол: М"), Tone::Plain}}));
    EXPECT_EQ(text.summary, (QVector<ToneLine>{{t("Можно надеть с 3 уровня"), Tone::Unmet},
                                               {t("Не хватит свободных параметров — магия: 1"), Tone::Unmet}}));
    EXPECT_EQ(text.changeHeading, t("Если надеть:"));
    EXPECT_EQ(text.changes, (QVector<ToneLine>{{t("Сила: +2"), Tone::Gain},
                                               {t("Бонус за комплект"), Tone::Heading},
                                               {t("Комплект «Ангела»: потерян"), Tone::Loss}}));

    // Nothing lacking leaves the requirement block alone; a note comes first.
    choice.missing->unmet.clear();
    choice.missing->needed = {};
    choice.changes.clear();
    choice.note = t("Все слоты для колец заняты.");
    const ChoiceText met = buildChoiceText(info, choice);
    EXPECT_TRUE(met.requirements.isEmpty());
    EXPECT_TRUE(met.summary.isEmpty());
    EXPECT_EQ(met.changes, (QVector<ToneLine>{{t("Все слоты для колец заняты."), Tone::Plain}}));
}
