#include "support/QStringPrinter.h"
#include "views/ItemCardLayout.h"

#include <gtest/gtest.h>

using namespace veldora;

namespace {

// Every number field "0", then the given inputs.
CustomItemRecord zeros(std::initializer_list<std::pair<const char *, const char *>> inputs = {}) {
    CustomItemRecord r;
    for (int i = 0; i < kCustomItemFieldCount; ++i)
        if (kCustomItemFields[i].kind == FieldKind::Whole) r.setText(i, QStringLiteral("0"));
    for (const auto &[input, text] : inputs) r.setText(*fieldByInput(QString::fromLatin1(input)), QString::fromUtf8(text));
    return r;
}

int pairOf(const char *stem) {
    for (int p = 0; p < kCardPairCount; ++p)
        if (QLatin1String(kCardPairs[p].stem) == QLatin1String(stem)) return p;
    return -1;
}

}  // namespace

TEST(ItemCardLayout, ShownLinesStackFromTheTopWithTheSectionsAndHeightsBelow) {
    const ItemCard card = buildItemCard(zeros({{"EditCrit", "5"}, {"EditTrebLvl", "3"}}), QStringLiteral("Меч"),
                                        QStringLiteral("Мечи"));
    const ItemCardLayout l = layoutItemCard(card);
    int shown = 0;
    for (const CardLine &line : l.pairs) shown += line.visible;
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(l.pairs[pairOf("Crit")], (CardLine{true, 75}));
    EXPECT_EQ(l.requirementsTop, 93);
    EXPECT_EQ(l.pairs[pairOf("TrebLvl")], (CardLine{true, 111}));
    EXPECT_EQ(l.featuresTop, 129);
    EXPECT_EQ(l.partOfSetsTop, 147);
    EXPECT_EQ(l.buttonTop, 167);
    EXPECT_EQ(l.bodyHeight, 212);
    EXPECT_EQ(l.bodyFrameHeight, 213);
    EXPECT_EQ(l.pictureColumnHeight, 243);
    EXPECT_EQ(l.pictureFrameHeight, 244);
    EXPECT_EQ(l.bottomLabelTop, 287);
    EXPECT_EQ(l.scrollBoxHeight, 305);
    EXPECT_EQ(l.windowHeight, 334);

    const ItemCardLayout empty = layoutItemCard(buildItemCard(zeros(), QStringLiteral("x"), QStringLiteral("y")));
    EXPECT_EQ(empty.requirementsTop, 80);
    EXPECT_EQ(empty.featuresTop, 103);
    EXPECT_EQ(empty.bodyHeight, 80 + 23 + 18 + 20 + 45);

    // Every line shown: 72 effects and 21 requirements, 13 apart.
    CustomItemRecord all = zeros();
    for (int i = 0; i < kCustomItemFieldCount; ++i)
        if (kCustomItemFields[i].kind == FieldKind::Whole) all.setText(i, QStringLiteral("-1"));
    const ItemCardLayout full = layoutItemCard(buildItemCard(all, QStringLiteral("x"), QStringLiteral("y")));
    EXPECT_EQ(full.pairs[71].top, 75 + 71 * 13);
    EXPECT_EQ(full.requirementsTop, 75 + 72 * 13 + 5);
    EXPECT_EQ(full.pairs[92].top, full.requirementsTop + 18 + 20 * 13);
}

TEST(ItemCardLayout, ValuesComeFromTheFieldOfTheSameMeaningAndOnlyZeroOrBlankHide) {
    CustomItemRecord r = zeros({{"EditMagicWater", "7"}, {"EditMagicFire", "3"}, {"EditTrebMagicAir", "4"},
                                {"EditPoglotWater", "abc"}, {"EditPoglotAir", " "}, {"EditUvorot", "-0"},
                                {"LabeledEditCost", "15"}, {"LabeledEditMassa", "2"}});
    r.setFlag(field::Coins, false);
    r.setFlag(field::PartOfSets, true);
    const ItemCard card = buildItemCard(r, QStringLiteral("Посох ст. мага"), QStringLiteral("Посохи"));
    EXPECT_EQ(card.values[pairOf("MagicWater")], QStringLiteral("7"));
    EXPECT_EQ(card.values[pairOf("MagicFire")], QStringLiteral("3"));
    EXPECT_EQ(card.values[pairOf("MagicTrebAir")], QStringLiteral("4"));
    EXPECT_EQ(card.coin, QStringLiteral("з.м."));
    EXPECT_EQ(card.cost, QStringLiteral("15"));
    EXPECT_EQ(card.partOfSets, QStringLiteral("Да"));
    EXPECT_EQ(card.name, QStringLiteral("Посох ст. мага"));

    const ItemCardLayout l = layoutItemCard(card);
    EXPECT_TRUE(l.pairs[pairOf("PoglotWater")].visible) << "not a number: shown as it stands";
    EXPECT_FALSE(l.pairs[pairOf("PoglotAir")].visible);
    EXPECT_FALSE(l.pairs[pairOf("Uvorot")].visible);
    // Effects in the card's order: water absorption before fire magic's block.
    EXPECT_LT(l.pairs[pairOf("PoglotWater")].top, l.pairs[pairOf("MagicWater")].top);
    EXPECT_LT(l.pairs[pairOf("MagicWater")].top, l.pairs[pairOf("MagicFire")].top);
    EXPECT_EQ(cardCaptionName(kCardPairs[pairOf("MagicTrebAir")]), QStringLiteral("LabelMagicTrebAirConst"));
    EXPECT_EQ(cardCaptionLeft(pairOf("MagicTrebObw")), 17);
    EXPECT_EQ(cardCaptionLeft(pairOf("TrebHarizma")), 19);
}

TEST(ItemCardLayout, BarsCentreByCharacterCountRoundingHalvesToEven) {
    EXPECT_EQ(halfRoundedToEven(5), 2);
    EXPECT_EQ(halfRoundedToEven(7), 4);
    EXPECT_EQ(halfRoundedToEven(8), 4);
    EXPECT_EQ(halfRoundedToEven(-3), -2);
    EXPECT_EQ(halfRoundedToEven(-5), -2);
    EXPECT_EQ(halfRoundedToEven(-69), -34);

    // 754 − 9 × (4 + 4 + 1) = 673: "Тип:" at 336, the type 5 after its right edge.
    EXPECT_EQ(typeBarLefts(QStringLiteral("Мечи"), {26, 30}), (QVector<int>{336, 367}));

    ItemCard card;
    card.name = QString(50, QLatin1Char('W'));
    card.cost = QStringLiteral("5");
    card.coin = QStringLiteral("м.");
    // 570 − 9 × (9 + 50 + 5 + 1 + 2 + 4) = −69: the captions start left of the bar.
    EXPECT_EQ(nameBarLefts(card, {60, 300, 30, 8, 14}), (QVector<int>{-34, 31, 336, 371, 382}));
}
