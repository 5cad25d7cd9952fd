#include "Drawing.h"
#include "ShapeDrawers.h"
#include "Strokes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>

namespace picturegen {

namespace {

struct ShapeInfo {
    Shape shape;
    const char *type;
    int tabW, tabH;
    int slotW, slotH;
};

// Browser picture sizes and equipment slot sizes of the thirteen categories.
const std::array<ShapeInfo, 13> kShapes = {{
    {Shape::Helmet, "Шлемы", 60, 60, 63, 63},
    {Shape::Pendant, "Кулоны", 60, 20, 63, 24},
    {Shape::Armour, "Броня", 60, 80, 63, 82},
    {Shape::Belt, "Пояса", 60, 40, 63, 42},
    {Shape::Amulet, "Амулеты", 60, 20, 63, 24},
    {Shape::Boots, "Обувь", 60, 40, 63, 42},
    {Shape::Bracelets, "Браслеты", 60, 40, 63, 42},
    {Shape::Gloves, "Перчатки", 60, 40, 63, 43},
    {Shape::Weapon, "Оружия", 60, 60, 63, 63},
    {Shape::Shield, "Щиты", 60, 60, 63, 61},
    {Shape::Trousers, "Штаны", 60, 60, 63, 63},
    {Shape::Ring, "Кольца", 20, 20, 22, 24},
    {Shape::Talisman, "Талисманы", 20, 20, 22, 24},
}};

const ShapeInfo &info(Shape s) { return kShapes[static_cast<int>(s)]; }


struct ElementHue {
    const char *element;
    int hue, sat, val;
};

const std::array<ElementHue, 9> kElementHues = {{
    {"fire", 14, 220, 235},
    {"water", 212, 200, 215},
    {"air", 192, 110, 235},
    {"earth", 85, 150, 165},
    {"general", 275, 140, 205},
    {"chaos", 320, 190, 200},
    {"dark", 265, 150, 120},
    {"light", 50, 120, 245},
    {"mental", 240, 150, 210},
}};

const ElementHue *elementHue(const QString &element) {
    for (const ElementHue &e : kElementHues)
        if (element == QLatin1String(e.element)) return &e;
    return nullptr;
}

// Sets whose look is fixed by their theme; every other set takes its colour from its name.
struct SetColour {
    const char *set;
    int hue, sat, val;
};

const std::array<SetColour, 8> kSetColours = {{
    {"Деда Мороза", 358, 205, 205},
    {"Снегурочки", 205, 110, 235},
    {"Невесты", 340, 45, 245},
    {"Жениха", 230, 40, 70},
    {"Лесного духа", 110, 150, 150},
    {"Ангела", 45, 70, 245},
    {"Крови", 355, 220, 150},
    {"Призрака", 250, 35, 125},
}};

bool outsideSets(const QString &set) {
    return set.isEmpty() || set == QStringLiteral("NoFull") || set == QStringLiteral("Нет") ||
           set == QStringLiteral("0");
}

void drawBackground(QPainter &p, const QSizeF &size, const Palette &pal) {
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, pal.back.lighter(106));
    g.setColorAt(1, pal.back.darker(109));
    p.fillRect(QRectF(QPointF(0, 0), size), g);
    if (pal.glow) {
        const QPointF c(size.width() / 2, size.height() / 2);
        drawGlow(p, c, std::max(size.width(), size.height()) * 0.6, QColor(255, 214, 110));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.back.darker(128), 1));
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
}



}  // namespace

quint32 stableHash(const QString &text) {
    quint32 h = 2166136261u;
    for (const char c : text.toUtf8()) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h;
}

std::optional<Shape> shapeForType(const QString &type) {
    for (const ShapeInfo &s : kShapes)
        if (type == QString::fromUtf8(s.type)) return s.shape;
    return std::nullopt;
}

QSize tabSize(Shape shape) { return QSize(info(shape).tabW, info(shape).tabH); }
QSize slotSize(Shape shape) { return QSize(info(shape).slotW, info(shape).slotH); }
QSize pictureSize(Shape shape, bool artefact) { return artefact ? slotSize(shape) : tabSize(shape); }

Palette paletteFor(const PictureItem &item) {
    Palette pal;
    const quint32 h = stableHash(item.set);
    const ElementHue *element = elementHue(item.element);
    if (outsideSets(item.set)) {
        // Loose items: leather and bronze when young, iron, steel, then gold with level.
        struct Tier {
            int below;
            QColor main, metal;
        };
        const Tier tiers[] = {{6, QColor(140, 96, 62), QColor(184, 128, 74)},
                              {12, QColor(112, 104, 94), QColor(158, 162, 168)},
                              {20, QColor(70, 92, 124), QColor(188, 198, 212)},
                              {1000, QColor(128, 42, 44), QColor(218, 182, 92)}};
        for (const Tier &t : tiers) {
            if (item.level < t.below) {
                pal.main = t.main;
                pal.metal = t.metal;
                break;
            }
        }
    } else {
        int hue = int(h % 360);
        int sat = 120 + int((h >> 9) % 90);
        int val = 140 + int((h >> 17) % 70);
        if (element) hue = (element->hue + int((h >> 12) % 25) - 12 + 360) % 360;
        for (const SetColour &c : kSetColours) {
            if (item.set == QString::fromUtf8(c.set)) {
                hue = c.hue;
                sat = c.sat;
                val = c.val;
            }
        }
        pal.main = QColor::fromHsv(hue, sat, val);
        pal.metal = item.level < 10 ? QColor(164, 166, 170) : item.level < 20 ? QColor(192, 200, 212)
                                                                                : QColor(214, 190, 120);
    }
    if (item.artefact) pal.metal = QColor(226, 186, 78);
    pal.gem = element ? QColor::fromHsv(element->hue, element->sat, element->val)
                      : QColor::fromHsv(pal.main.hsvHue() < 0 ? 0 : pal.main.hsvHue(),
                                        std::min(255, pal.main.hsvSaturation() + 60), 235);
    pal.back = item.artefact ? QColor(242, 230, 196) : QColor(232, 226, 212);
    pal.glow = item.artefact;
    return pal;
}

QImage drawItem(const PictureItem &item) {
    const std::optional<Shape> shape = shapeForType(item.type);
    if (!shape) return {};
    const QSize size = pictureSize(*shape, item.artefact);
    const QSize design = tabSize(*shape);
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(size.width()) / design.width(), qreal(size.height()) / design.height());
    const Palette pal = paletteFor(item);
    drawBackground(p, design, pal);
    switch (*shape) {
    case Shape::Helmet: drawHelmet(p, item, pal); break;
    case Shape::Pendant: drawPendant(p, item, pal); break;
    case Shape::Armour: drawArmour(p, item, pal); break;
    case Shape::Belt: drawBelt(p, item, pal); break;
    case Shape::Amulet: drawAmulet(p, item, pal); break;
    case Shape::Boots: drawBoots(p, item, pal); break;
    case Shape::Bracelets: drawBracelets(p, item, pal); break;
    case Shape::Gloves: drawGloves(p, item, pal); break;
    case Shape::Weapon: drawWeapon(p, item, pal); break;
    case Shape::Shield: drawShield(p, item, pal); break;
    case Shape::Trousers: drawTrousers(p, item, pal); break;
    case Shape::Ring: drawRing(p, item, pal); break;
    case Shape::Talisman: drawTalisman(p, item, pal); break;
    }
    if (pal.glow) {
        // Artefacts sparkle in two corners.
        for (const QPointF &c : {QPointF(design.width() * 0.12, design.height() * 0.15),
                                 QPointF(design.width() * 0.88, design.height() * 0.82)}) {
            p.setPen(QPen(QColor(255, 250, 220), 0.8));
            const qreal r = design.height() <= 20 ? 1.6 : 3;
            p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
            p.drawLine(c - QPointF(0, r), c + QPointF(0, r));
        }
    }
    return img;
}

QImage drawNoImage() {
    QImage img(60, 60, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 60);
    g.setColorAt(0, QColor(240, 240, 240));
    g.setColorAt(1, QColor(218, 218, 220));
    p.fillRect(QRect(0, 0, 60, 60), g);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(160, 160, 166), 1.2, Qt::DashLine));
    p.drawRoundedRect(QRectF(4.5, 4.5, 51, 51), 5, 5);
    // A framed landscape, struck through.
    const QColor grey(150, 150, 156);
    p.setPen(QPen(grey, 1.6));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(14, 17, 32, 26), 2, 2);
    QPainterPath hills;
    hills.moveTo(15, 42);
    hills.lineTo(24, 30);
    hills.lineTo(30, 36);
    hills.lineTo(35, 29);
    hills.lineTo(45, 42);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(186, 186, 192));
    p.drawPath(hills);
    p.drawEllipse(QPointF(21, 24), 3, 3);
    p.setPen(QPen(QColor(250, 250, 250), 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 47), QPointF(47, 13));
    p.setPen(QPen(QColor(196, 72, 62), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 47), QPointF(47, 13));
    return img;
}

}  // namespace picturegen
