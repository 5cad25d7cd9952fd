#pragma once

#include "ItemList.h"

#include <QColor>
#include <QImage>
#include <QSize>

#include <optional>

namespace picturegen {

// What kind of thing a category's pictures show.
enum class Shape { Helmet, Pendant, Armour, Belt, Amulet, Boots, Bracelets, Gloves, Weapon, Shield, Trousers, Ring, Talisman };

std::optional<Shape> shapeForType(const QString &type);

// The size the item browser gives the category's pictures, and the size of the
// equipment slot the item is worn in (artefacts are drawn at the slot's size).
QSize tabSize(Shape shape);
QSize slotSize(Shape shape);
QSize pictureSize(Shape shape, bool artefact);

// Colours of one item: from its set, or from its level when it belongs to none;
// its strongest magic school colours the gems.
struct Palette {
    QColor main;    // cloth, leather, paint
    QColor metal;   // fittings and plates
    QColor gem;     // stones and glows
    QColor back;    // background tile
    bool glow = false;  // artefacts shine
};

Palette paletteFor(const PictureItem &item);

// Stable across runs and machines: the colour of a set must not change between builds.
quint32 stableHash(const QString &text);

// The item's picture at pictureSize(); a null image when its type is not a category.
QImage drawItem(const PictureItem &item);

// The stand-in shown where an item's picture is missing: 60 x 60.
QImage drawNoImage();

}  // namespace picturegen
