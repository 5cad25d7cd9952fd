#pragma once

#include "catalogue/CategoryTable.h"

#include <QString>
#include <QVector>

namespace veldora {

// A line of the "Требования:" block and the item column it shows.
struct RequirementLine {
    int column;
    QString text;  // without the line break
    bool operator==(const RequirementLine &) const = default;
};

// The text of the floating item information panel, built from one row of a
// category table. Every value is shown exactly as its cell holds it; each line of
// a block ends with a carriage return (the panel's line break).
struct ItemInfoText {
    QString name;          // Label_info_name
    QString head;          // Label_info1: price, quest points, mass, durability, lifetime
    QString action;        // Label_info2: the "Действие:" block
    QString features;      // Label_info4: the "Особенности:" block
    QString requirements;  // Label_info3: the "Требования:" block
    QVector<RequirementLine> requirementLines;  // the same block line by line

    bool operator==(const ItemInfoText &) const = default;
};

// Worn items also show their forge count and enchantment; catalogue pictures don't.
enum class InfoSource { WornItem, CatalogueItem };

ItemInfoText buildItemInfo(const CategoryTable &table, int row, InfoSource source);

// The "Требования:" block line by line, as buildItemInfo joins it.
QVector<RequirementLine> requirementLines(const CategoryTable &table, int row, InfoSource source);

// "м150" -> "150 м.", "з12" -> "12 з.м.", "0" -> "0".
QString infoPriceText(const QString &priceCell);

struct PanelPosition {
    int left;
    int top;
    bool operator==(const PanelPosition &) const = default;
};

// A worn item's panel sits right of its slot; the slot's rectangle is taken
// within the character panel and used as client coordinates as it stands.
PanelPosition wornInfoPanelPosition(int slotLeft, int slotTop, int slotWidth);

// A catalogue picture's panel goes left of pictures in the right half and hangs
// from a fixed bottom line for pictures in the lower half.
PanelPosition catalogueInfoPanelPosition(int pictureLeft, int pictureTop, int pictureWidth,
                                         int panelWidth, int panelHeight);

}  // namespace veldora
