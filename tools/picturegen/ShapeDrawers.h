#pragma once

#include "Drawing.h"

class QPainter;

// One drawer per category, painting in the category's browser size.
namespace picturegen {

void drawHelmet(QPainter &p, const PictureItem &item, const Palette &pal);
void drawArmour(QPainter &p, const PictureItem &item, const Palette &pal);
void drawBelt(QPainter &p, const PictureItem &item, const Palette &pal);
void drawBoots(QPainter &p, const PictureItem &item, const Palette &pal);
void drawBracelets(QPainter &p, const PictureItem &item, const Palette &pal);
void drawGloves(QPainter &p, const PictureItem &item, const Palette &pal);
void drawTrousers(QPainter &p, const PictureItem &item, const Palette &pal);
void drawShield(QPainter &p, const PictureItem &item, const Palette &pal);
void drawPendant(QPainter &p, const PictureItem &item, const Palette &pal);
void drawAmulet(QPainter &p, const PictureItem &item, const Palette &pal);
void drawRing(QPainter &p, const PictureItem &item, const Palette &pal);
void drawTalisman(QPainter &p, const PictureItem &item, const Palette &pal);
void drawWeapon(QPainter &p, const PictureItem &item, const Palette &pal);

}  // namespace picturegen
