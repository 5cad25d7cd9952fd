#pragma once

#include "customitems/CustomItemRecord.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

namespace veldora {

// The card of a custom item (`TForm20`): what it shows and where, computed here
// so that the window only places what this gives.

enum class CardColour { Black, Blue, Navy, Maroon };

// One value line: a caption label and its value label, named Label<stem>Const and
// Label<stem>Value. Lines 1..72 are effects, 73..93 requirements.
struct CardPair {
    const char *stem;
    const char *caption;  // UTF-8
    int column;           // the record field of the same meaning, by the column it fills
    CardColour colour;
};
constexpr int kCardPairCount = 93;
constexpr int kCardEffectPairCount = 72;
extern const std::array<CardPair, kCardPairCount> kCardPairs;

QString cardCaptionName(const CardPair &pair);
QString cardValueName(const CardPair &pair);
// 19; the magic requirement captions 17.
int cardCaptionLeft(int pair);

// Geometry the heights depend on.
constexpr int kCardTypeBarWidth = 754;     // PanelTop
constexpr int kCardNameBarWidth = 570;     // PanelRightTop
constexpr int kCardPictureFrameTop = 43;   // Panel3
constexpr int kCardNameFrameHeight = 31;   // Panel5

// What the card shows of one item.
struct ItemCard {
    QString type;
    QString name;
    QString cost;
    QString coin;        // "м." or "з.м."
    QString mass;
    QString durability;
    QString partOfSets;  // "Да" or "Нет"
    QString picturePath;  // as the record stores it
    std::array<QString, kCardPairCount> values;
    bool operator==(const ItemCard &) const = default;
};

// The name and type come from the list (the file name), everything else from the record.
ItemCard buildItemCard(const CustomItemRecord &record, const QString &name, const QString &type);

// Whether a value line shows: not when its value reads as the whole number 0 or
// is blank. A value that is no number at all is shown as it stands.
bool cardValueShows(const QString &value);

struct CardLine {
    bool visible = false;
    int top = 0;
    bool operator==(const CardLine &) const = default;
};

struct ItemCardLayout {
    std::array<CardLine, kCardPairCount> pairs;
    int requirementsTop = 0;  // "Требования:"
    int featuresTop = 0;      // "Особенности:"
    int partOfSetsTop = 0;    // "Часть комплектов:" and its value
    int buttonTop = 0;        // the put-on picture and button
    int bodyHeight = 0;       // PanelRightBottom
    int bodyFrameHeight = 0;  // Panel7
    int pictureColumnHeight = 0;  // PanelLeft
    int pictureFrameHeight = 0;   // Panel3
    int bottomLabelTop = 0;       // LabelBottom
    int scrollBoxHeight = 0;      // ScrollBox1
    int windowHeight = 0;
};

// Stacks the shown lines from top 75 down, 13 apart, with the section captions between.
ItemCardLayout layoutItemCard(const ItemCard &card);

// x / 2 taken to the nearest whole number, a half going to the even one.
int halfRoundedToEven(int x);

// Lefts of labels centred in a bar by their character count: the first at
// (bar width − 9 × (characters of `texts` + `extraCharacters`)) / 2, each next one
// `gaps[i]` after the right edge of the one before (`widths` as measured).
QVector<int> centredBarLefts(int barWidth, const QStringList &texts, int extraCharacters,
                             const QVector<int> &widths, const QVector<int> &gaps);

// "Тип:" and the type; widths of those two labels.
QVector<int> typeBarLefts(const QString &type, const QVector<int> &widths);
// "Название:", the name, "Цена:", the price, the coin; widths of those five labels.
QVector<int> nameBarLefts(const ItemCard &card, const QVector<int> &widths);

}  // namespace veldora
