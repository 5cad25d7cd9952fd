#include "views/ItemInfoText.h"

#include <gtest/gtest.h>

using namespace veldora;

namespace {

// A catalogue row with "0" in every column, as the database keeps items that give nothing.
CategoryTable tableWithPlainItem() {
    CategoryTable t(Category::Helmets);
    for (int c = 1; c < kItemColumnCount; ++c) t.setCell(c, 1, QStringLiteral("0"));
    t.setCell(col::Name, 1, QStringLiteral("Шлем стража"));
    t.setCell(col::Price, 1, QStringLiteral("м150"));
    t.setCell(col::Mass, 1, QStringLiteral("2,5"));
    t.setCell(col::Durability, 1, QStringLiteral("0/40"));
    t.setCell(col::Repair, 1, QStringLiteral("Да"));
    t.setCell(col::SetName, 1, QStringLiteral("NoFull"));
    t.setRowCount(2);
    return t;
}

const QString cr = QString(QChar(13));

}  // namespace

TEST(ItemInfoText, PriceTextFollowsTheCurrencyLetter) {
    EXPECT_EQ(infoPriceText(QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_EQ(infoPriceText(QStringLiteral("м150")), QStringLiteral("150 м."));
    EXPECT_EQ(infoPriceText(QStringLiteral("з12")), QStringLiteral("12 з.м."));
    EXPECT_EQ(infoPriceText(QString()), QStringLiteral(" з.м."));
}

TEST(ItemInfoText, PlainItemShowsOnlyAlwaysPresentLines) {
    const CategoryTable t = tableWithPlainItem();
    const ItemInfoText info = buildItemInfo(t, 1, InfoSource::WornItem);
    EXPECT_EQ(info.name, QStringLiteral("Шлем стража"));
    EXPECT_EQ(info.head, QStringLiteral("Стоимость: 150 м.") + cr + QStringLiteral("Масса: 2,5") + cr +
                             QStringLiteral("Долговечность: 0/40") + cr);
    EXPECT_EQ(info.action, QString());  // nothing given: the block is empty
    EXPECT_EQ(info.features, QStringLiteral("Ремонт: Да") + cr);  // "NoFull" hides the set line
    EXPECT_EQ(info.requirements, QString());
}

TEST(ItemInfoText, LinesKeepTheirOrderAndCellsAreShownVerbatim) {
    CategoryTable t = tableWithPlainItem();
    t.setCell(109, 1, QStringLiteral("3"));   // swords resistance
    t.setCell(110, 1, QStringLiteral("4"));   // knives resistance comes first
    t.setCell(69, 1, QStringLiteral("2"));    // general magic has no space before the value
    t.setCell(97, 1, QStringLiteral("2"));    // an aura reads as a multiplier
    t.setCell(40, 1, QString());              // empty is not "0": the line shows, empty
    const QString action = buildItemInfo(t, 1, InfoSource::CatalogueItem).action;
    EXPECT_EQ(action, QStringLiteral("Минимальный удар: ") + cr + QStringLiteral("Сопротивление ножам (%): 4") + cr +
                          QStringLiteral("Сопротивление мечам (%): 3") + cr + QStringLiteral("Магия общая:2") + cr +
                          QStringLiteral("Аура вампирическая: х2") + cr);
}

TEST(ItemInfoText, LifetimeSetAndFlagsInHeadAndFeatures) {
    CategoryTable t = tableWithPlainItem();
    t.setCell(col::Lifetime, 1, QStringLiteral("Нет"));
    t.setCell(col::SetName, 1, QStringLiteral("0"));
    t.setCell(col::Artefact, 1, QStringLiteral("Да"));
    t.setCell(col::TwoHanded, 1, QStringLiteral("нет"));
    ItemInfoText info = buildItemInfo(t, 1, InfoSource::CatalogueItem);
    EXPECT_TRUE(info.head.endsWith(QStringLiteral("Время жизни: Нетчасов") + cr));
    EXPECT_EQ(info.features, QStringLiteral("Ремонт: Да") + cr + QStringLiteral("Комплект: 0") + cr +
                                 QStringLiteral("Артефакт") + cr);

    t.setCell(col::Lifetime, 1, QStringLiteral("24"));
    info = buildItemInfo(t, 1, InfoSource::CatalogueItem);
    EXPECT_TRUE(info.head.endsWith(QStringLiteral("Время жизни: 24часов") + cr));
    EXPECT_TRUE(info.features.contains(QStringLiteral("Время жизни: 24ч.") + cr));
}

TEST(ItemInfoText, ForgeAndEnchantLinesOnlyForWornItems) {
    CategoryTable t = tableWithPlainItem();
    t.setCell(col::ForgeCount, 1, QStringLiteral("2"));
    t.setCell(col::Enchanted, 1, QStringLiteral("1"));
    const QString worn = buildItemInfo(t, 1, InfoSource::WornItem).features;
    EXPECT_TRUE(worn.endsWith(QStringLiteral("Предмет закован: х2") + cr + QStringLiteral("Предмет зачарован") + cr));
    EXPECT_EQ(buildItemInfo(t, 1, InfoSource::CatalogueItem).features, QStringLiteral("Ремонт: Да") + cr);
}

TEST(ItemInfoText, RequirementsSkipZerosAndShowOnlyRealSexes) {
    CategoryTable t = tableWithPlainItem();
    t.setCell(col::ReqStrength, 1, QStringLiteral("10"));
    t.setCell(col::ReqAlignment, 1, QStringLiteral("Свет"));
    t.setCell(83, 1, QStringLiteral("5"));
    t.setCell(col::Sex, 1, QStringLiteral("М"));
    EXPECT_EQ(buildItemInfo(t, 1, InfoSource::CatalogueItem).requirements,
              QStringLiteral("Сила: 10") + cr + QStringLiteral("Склонность: Свет") + cr + QStringLiteral("Магия Тьмв: 5") +
                  cr + QStringLiteral("Пол: М") + cr);
    // The same lines with the column each shows, which marks what the character lacks.
    EXPECT_EQ(buildItemInfo(t, 1, InfoSource::CatalogueItem).requirementLines,
              (QVector<RequirementLine>{{col::ReqStrength, QStringLiteral("Сила: 10")},
                                        {col::ReqAlignment, QStringLiteral("Склонность: Свет")},
                                        {83, QStringLiteral("Магия Тьмв: 5")},
                                        {col::Sex, QStringLiteral("Пол: М")}}));
    t.setCell(col::Sex, 1, QStringLiteral("0"));
    EXPECT_FALSE(buildItemInfo(t, 1, InfoSource::CatalogueItem).requirements.contains(QStringLiteral("Пол")));
    EXPECT_EQ(requirementLines(t, 1, InfoSource::CatalogueItem).size(), 3);
}

TEST(ItemInfoText, PanelPlacement) {
    EXPECT_EQ(wornInfoPanelPosition(3, 82, 63), (PanelPosition{76, 90}));
    // Right half: the panel's right edge ends 14 pixels past the picture's left.
    EXPECT_EQ(catalogueInfoPanelPosition(320, 0, 60, 302, 200), (PanelPosition{32, 46}));
    EXPECT_EQ(catalogueInfoPanelPosition(300, 240, 60, 302, 200), (PanelPosition{403, 286}));
    // Lower half: the panel's bottom sits at 570.
    EXPECT_EQ(catalogueInfoPanelPosition(0, 250, 60, 302, 200), (PanelPosition{103, 370}));
}
