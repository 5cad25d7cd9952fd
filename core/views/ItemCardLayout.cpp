#include "views/ItemCardLayout.h"

#include "character/NumberText.h"

namespace veldora {

namespace {
constexpr auto K = CardColour::Black;
constexpr auto B = CardColour::Blue;
constexpr auto N = CardColour::Navy;
constexpr auto M = CardColour::Maroon;
}  // namespace

// clang-format off
const std::array<CardPair, kCardPairCount> kCardPairs = {{
    {"Crit", "Критический удар:", 6, K},
    {"AntiCrit", "Защита от критического удара:", 7, K},
    {"Uvorot", "Уворот:", 8, K},
    {"AntiUvorot", "Противоуворот:", 9, K},
    {"Kontr", "Контр-удар:", 10, K},
    {"AntiKontr", "Защита от контр-удара:", 11, K},
    {"Yarost", "Ярость:", 12, K},
    {"PoglotUdara", "Поглощение удара:", 13, K},
    {"ProboyBroni", "Пробой брони:", 14, K},
    {"UkreplenieBroni", "Укрепление брони:", 15, K},
    {"Provornost", "Проворность:", 16, K},
    {"Intensivnost", "Интенсивность:", 17, K},
    {"PoglotWater", "Поглощение воды:", 19, K},
    {"PoglotAir", "Поглощение воздуха:", 18, K},
    {"PoglotFire", "Поглощение огня:", 20, K},
    {"PoglotEarth", "Поглощение земли:", 21, K},
    {"Moshnost", "Мощность:", 22, K},
    {"CritMoshnost", "Критическая мощность:", 23, K},
    {"ZawOtMagCrit", "Защита от магического критического удара:", 24, K},
    {"MagCrit", "Магический критический удар:", 25, K},
    {"MagUvorot", "Магический уворот:", 26, K},
    {"MagAntiUvorot", "Магический противоуворот:", 95, K},
    {"BronGolovi", "Броня головы:", 27, K},
    {"BronTela", "Броня тела:", 28, K},
    {"BronPoyasa", "Броня пояса:", 29, K},
    {"BronNog", "Броня ног:", 30, K},
    {"ZawOtMagEarth", "Защита от магии земли:", 31, K},
    {"ZawOtMagFire", "Защита от магии огня:", 32, K},
    {"ZawOtMagWater", "Защита от магии воды:", 33, K},
    {"ZawOtMagAir", "Защита от магии воздуха:", 34, K},
    {"LvlHp", "Уровень здоровья:", 35, K},
    {"LvlMp", "Уровень маны:", 36, K},
    {"RegenHp", "Скорость восполнения здоровья:", 37, K},
    {"RegenMp", "Скорость восполнения маны:", 38, K},
    {"RegenUstalost", "Скорость уменьшения усталости:", 39, K},
    {"Min", "Минимальный удар:", 40, K},
    {"Max", "Максимальный удар:", 41, K},
    {"Rukzak", "Изменение размеров рюкзака:", 42, K},
    {"Bonus", "Дополнительный бонус к опыту:", 43, K},
    {"VmestimostPoyasa", "Вместимость пояса:", 44, K},
    {"StatSila", "Сила:", 45, B},
    {"StatLovkost", "Ловкость:", 46, B},
    {"StatIntuiciya", "Интуиция:", 47, B},
    {"StatIntellekt", "Интеллект:", 48, B},
    {"StatHarizma", "Харизма:", 49, B},
    {"StatUda4a", "Удача:", 50, B},
    {"WeaponKnife", "Владение ножами:", 63, N},
    {"WeaponSword", "Владение мечами:", 64, N},
    {"WeaponAxe", "Владение топорами:", 65, N},
    {"WeaponDubina", "Владение дубинами:", 66, N},
    {"WeaponKopya", "Владение копьями:", 68, N},
    {"WeaponStaf", "Владение посохами:", 67, N},
    {"MagicObw", "Магия общая:", 69, N},
    {"MagicDark", "Магия тьмы:", 70, N},
    {"MagicLight", "Магия света:", 71, N},
    {"MagicChaos", "Магия хаоса:", 72, N},
    {"MagicEarth", "Магия земли:", 73, N},
    {"MagicWater", "Магия воды:", 75, N},
    {"MagicAir", "Магия воздуха:", 76, N},
    {"MagicFire", "Магия огня:", 74, N},
    {"MagicMetall", "Магия металла:", 77, N},
    {"MagicTime", "Магия времени:", 78, N},
    {"MagicProstranstvo", "Магия пространства:", 79, N},
    {"MagicFiz", "Магия физической материи:", 80, N},
    {"MagicMental", "Магия ментальной материи:", 81, N},
    {"AuraVampir", "Аура вампирическая:", 97, M},
    {"AuraPoglot", "Аура поглощения:", 98, M},
    {"AuraEconom", "Аура экономии:", 99, M},
    {"AuraOtvet", "Аура ответа:", 100, M},
    {"AuraChaos", "Аура противоречий:", 101, M},
    {"AuraStih", "Аура стихийной защиты:", 102, M},
    {"AuraSun", "Аура солнечная:", 103, M},
    {"TrebLvl", "Уровень:", 58, K},
    {"TrebSila", "Сила:", 51, K},
    {"TrebLovkost", "Ловкость:", 52, K},
    {"TrebIntuiciya", "Интуиция:", 53, K},
    {"TrebHp", "Здоровье:", 54, K},
    {"TrebMp", "Мана:", 55, K},
    {"TrebIntellekt", "Интеллект:", 56, K},
    {"TrebHarizma", "Харизма:", 57, K},
    {"MagicTrebObw", "Магия общая:", 82, K},
    {"MagicTrebDark", "Магия тьмы:", 83, K},
    {"MagicTrebLight", "Магия света:", 84, K},
    {"MagicTrebChaos", "Магия хаоса:", 85, K},
    {"MagicTrebEarth", "Магия земли:", 86, K},
    {"MagicTrebWater", "Магия воды:", 88, K},
    {"MagicTrebAir", "Магия воздуха:", 89, K},
    {"MagicTrebFire", "Магия огня:", 87, K},
    {"MagicTrebMetall", "Магия металла:", 90, K},
    {"MagicTrebTime", "Магия времени:", 91, K},
    {"MagicTrebProstranstvo", "Магия пространства:", 92, K},
    {"MagicTrebFiz", "Магия физической материи:", 93, K},
    {"MagicTrebMental", "Магия ментальной материи:", 94, K},
}};
// clang-format on

namespace {
constexpr int kFirstMagicRequirementPair = 80;  // pair 81, counted from 0
constexpr int kLineStep = 13;
}  // namespace

QString cardCaptionName(const CardPair &pair) {
    return QStringLiteral("Label") + QLatin1String(pair.stem) + QStringLiteral("Const");
}

QString cardValueName(const CardPair &pair) {
    return QStringLiteral("Label") + QLatin1String(pair.stem) + QStringLiteral("Value");
}

int cardCaptionLeft(int pair) { return pair >= kFirstMagicRequirementPair ? 17 : 19; }

ItemCard buildItemCard(const CustomItemRecord &record, const QString &name, const QString &type) {
    ItemCard card;
    card.type = type;
    card.name = name;
    card.cost = record.text(field::Price);
    card.coin = record.flag(field::Coins) ? QStringLiteral("м.") : QStringLiteral("з.м.");
    card.mass = record.text(field::Mass);
    card.durability = record.text(field::Durability);
    card.partOfSets = record.flag(field::PartOfSets) ? QStringLiteral("Да") : QStringLiteral("Нет");
    card.picturePath = record.text(field::Picture);
    for (int p = 0; p < kCardPairCount; ++p)
        if (const auto f = fieldByColumn(kCardPairs[p].column)) card.values[p] = record.text(*f);
    return card;
}

bool cardValueShows(const QString &value) {
    if (value.trimmed().isEmpty()) return false;
    const auto n = parseInt32(value);
    return !n || *n != 0;
}

ItemCardLayout layoutItemCard(const ItemCard &card) {
    ItemCardLayout l;
    int y = 75;
    const auto stack = [&](int from, int to) {
        for (int p = from; p < to; ++p) {
            if (!cardValueShows(card.values[p])) continue;
            l.pairs[p] = {true, y};
            y += kLineStep;
        }
    };
    stack(0, kCardEffectPairCount);
    y += 5;
    l.requirementsTop = y;
    y += 18;
    stack(kCardEffectPairCount, kCardPairCount);
    y += 5;
    l.featuresTop = y;
    y += 18;
    l.partOfSetsTop = y;
    y += 20;
    l.buttonTop = y;
    y += 45;

    l.bodyHeight = y;
    l.bodyFrameHeight = y + 1;
    l.pictureColumnHeight = y + kCardNameFrameHeight;
    l.pictureFrameHeight = l.pictureColumnHeight + 1;
    l.bottomLabelTop = kCardPictureFrameTop + l.pictureFrameHeight;
    l.scrollBoxHeight = l.bottomLabelTop + 18;
    l.windowHeight = l.scrollBoxHeight + 29;
    return l;
}

int halfRoundedToEven(int x) {
    // x / 2 is whole or lies halfway; only the halfway case needs a choice.
    const int down = x >= 0 ? x / 2 : -((-x + 1) / 2);
    if (x % 2 == 0) return down;
    return down % 2 == 0 ? down : down + 1;
}

QVector<int> centredBarLefts(int barWidth, const QStringList &texts, int extraCharacters, const QVector<int> &widths,
                             const QVector<int> &gaps) {
    int characters = extraCharacters;
    for (const QString &t : texts) characters += static_cast<int>(t.size());
    QVector<int> lefts;
    lefts.append(halfRoundedToEven(barWidth - 9 * characters));
    for (int i = 1; i < widths.size(); ++i) lefts.append(lefts[i - 1] + widths[i - 1] + gaps.value(i - 1));
    return lefts;
}

QVector<int> typeBarLefts(const QString &type, const QVector<int> &widths) {
    return centredBarLefts(kCardTypeBarWidth, {QStringLiteral("Тип:"), type}, 1, widths, {5});
}

QVector<int> nameBarLefts(const ItemCard &card, const QVector<int> &widths) {
    return centredBarLefts(kCardNameBarWidth,
                           {QStringLiteral("Название:"), card.name, QStringLiteral("Цена:"), card.cost, card.coin}, 4,
                           widths, {5, 5, 5, 3});
}

}  // namespace veldora
