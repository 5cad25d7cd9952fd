// Weapons: drawn upright, then turned onto the diagonal.
#include "ShapeDrawers.h"
#include "Strokes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace picturegen {

// ---- weapons (60 x 60, drawn upright and turned onto the diagonal) ----

namespace {

void drawGrip(QPainter &p, qreal top, qreal length, const Palette &pal) {
    fillAcross(p, roundRect(-1.7, top, 3.4, length, 1), mix(pal.main, QColor(70, 46, 30), 0.5), 0.7);
    p.setPen(QPen(pal.main.lighter(130), 0.6));
    for (qreal y = top + 1.5; y < top + length; y += 2.2) p.drawLine(QPointF(-1.6, y), QPointF(1.6, y + 1));
}

}  // namespace

namespace {

void drawHaft(QPainter &p, qreal top, qreal bottom, qreal half, const Palette &pal) {
    const QColor wood(128, 88, 52);
    fillAcross(p, roundRect(-half, top, 2 * half, bottom - top, half), wood, 0.8);
    fillAcross(p, roundRect(-half - 0.4, bottom - 9, 2 * half + 0.8, 5, 1), pal.main, 0.6);
}

}  // namespace

namespace {

void drawSword(QPainter &p, const PictureItem &it, const Palette &pal, qreal tip, qreal half) {
    const bool twoHanded = it.twoHanded;
    QPainterPath blade;
    blade.moveTo(0, tip);
    blade.lineTo(half, tip + 5);
    blade.lineTo(half, 7);
    blade.lineTo(-half, 7);
    blade.lineTo(-half, tip + 5);
    blade.closeSubpath();
    const QColor steel = mix(pal.metal, QColor(214, 222, 232), 0.5);
    fillAcross(p, blade, steel, 0.8);
    p.setPen(QPen(steel.darker(150), 0.8));
    p.drawLine(QPointF(0, tip + 5), QPointF(0, 5));
    const qreal guard = twoHanded ? 12 : 9.5;
    fillAcross(p, roundRect(-guard, 7, 2 * guard, 3.6, 1.6), pal.metal.darker(105), 0.8);
    drawGem(p, QPointF(0, 8.8), 1.7, pal.gem);
    const qreal grip = twoHanded ? 12 : 9;
    drawGrip(p, 10.6, grip, pal);
    drawGem(p, QPointF(0, 10.6 + grip + 2.2), 2.6, pal.metal);
}

}  // namespace

namespace {

void drawKnife(QPainter &p, const Palette &pal) {
    QPainterPath blade;
    blade.moveTo(-2.2, -15);
    blade.quadTo(3.6, -10, 3.2, 6);
    blade.lineTo(-2.2, 6);
    blade.closeSubpath();
    fillAcross(p, blade, mix(pal.metal, QColor(214, 222, 232), 0.5), 0.8);
    fillAcross(p, roundRect(-5, 6, 10, 2.6, 1), pal.metal.darker(110), 0.7);
    drawGrip(p, 8.6, 9, pal);
    drawGem(p, QPointF(0, 19.5), 1.8, pal.gem);
}

}  // namespace

namespace {

void drawAxe(QPainter &p, const PictureItem &it, const Palette &pal) {
    drawHaft(p, -24, 25, 1.8, pal);
    QPainterPath head;
    head.moveTo(1.5, -20);
    head.lineTo(7, -20);
    head.cubicTo(10, -23, 13, -26, 15, -28);
    head.cubicTo(19, -19, 19, -10, 15, -2);
    head.cubicTo(13, -5, 10, -9, 7, -11);
    head.lineTo(1.5, -11);
    head.closeSubpath();
    const QColor steel = mix(pal.metal, QColor(206, 214, 224), 0.4);
    fillAcross(p, head, steel, 0.9);
    if (it.twoHanded) fillAcross(p, mirrored(head, 0), steel.darker(108), 0.9);
    else {
        QPainterPath spike;
        spike.moveTo(-1.5, -19);
        spike.lineTo(-8, -15.5);
        spike.lineTo(-1.5, -12);
        spike.closeSubpath();
        fillAcross(p, spike, steel.darker(110), 0.8);
    }
    fillAcross(p, roundRect(-2.6, -22, 5.2, 12, 1.2), pal.main, 0.7);
    drawGem(p, QPointF(0, -16), 1.6, pal.gem);
}

}  // namespace

namespace {

void drawMace(QPainter &p, const Palette &pal) {
    drawHaft(p, -14, 25, 1.7, pal);
    const QColor steel = mix(pal.metal, QColor(200, 205, 214), 0.4);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        QPainterPath spike;
        spike.moveTo(8.5 * std::sin(a), -18 - 8.5 * std::cos(a));
        spike.lineTo(5 * std::sin(a + 0.35), -18 - 5 * std::cos(a + 0.35));
        spike.lineTo(5 * std::sin(a - 0.35), -18 - 5 * std::cos(a - 0.35));
        spike.closeSubpath();
        fillAcross(p, spike, steel.darker(110), 0.6);
    }
    QPainterPath ball;
    ball.addEllipse(QPointF(0, -18), 6.3, 6.3);
    fillAcross(p, ball, steel);
    drawGem(p, QPointF(0, -18), 2.2, pal.gem);
}

}  // namespace

namespace {

void drawClub(QPainter &p, const Palette &pal, int level) {
    QPainterPath club;
    club.moveTo(-2, 25);
    club.lineTo(2, 25);
    club.lineTo(6, -17);
    club.quadTo(0, -29, -6, -17);
    club.closeSubpath();
    const QColor wood(140, 96, 56);
    fillAcross(p, club, wood);
    p.save();
    p.setClipPath(club);
    p.fillRect(QRectF(-8, -6, 16, 3), pal.main);
    p.fillRect(QRectF(-8, 12, 16, 2.5), pal.main);
    p.restore();
    p.setBrush(wood.darker(160));
    p.setPen(Qt::NoPen);
    for (const QPointF &k : {QPointF(-2.5, -14), QPointF(2.2, -9), QPointF(-1.6, 4)}) p.drawEllipse(k, 0.9, 0.7);
    if (level >= 10)
        for (const QPointF &s : {QPointF(-4.4, -19), QPointF(4.4, -19), QPointF(0, -24), QPointF(-3.6, -12),
                                 QPointF(3.6, -12)})
            drawGem(p, s, 1.2, pal.metal);
}

}  // namespace

namespace {

void drawHammer(QPainter &p, const PictureItem &it, const Palette &pal) {
    drawHaft(p, -17, 25, 1.7, pal);
    const qreal hw = it.twoHanded ? 11 : 9;
    const QColor steel = mix(pal.metal, QColor(200, 205, 214), 0.35);
    fillAcross(p, roundRect(-hw, -26, 2 * hw, 11, 1.8), steel);
    p.fillRect(QRectF(-hw + 0.8, -22.5, 2 * hw - 1.6, 3.2), pal.main);
    drawGem(p, QPointF(0, -21), 2, pal.gem);
}

}  // namespace

namespace {

void drawStaff(QPainter &p, const PictureItem &it, const Palette &pal) {
    const QColor shaft = mix(pal.main, QColor(96, 64, 40), 0.55);
    fillAcross(p, roundRect(-1.5, -18, 3, 45, 1.5), shaft, 0.7);
    if (it.twoHanded)
        for (qreal y : {-4.0, 8.0}) fillAcross(p, roundRect(-2.3, y, 4.6, 2.2, 1), pal.metal, 0.5);
    QPainterPath claws;
    claws.moveTo(-1.5, -16);
    claws.quadTo(-7, -20, -4.5, -27);
    claws.lineTo(-3, -21);
    claws.lineTo(0, -17);
    claws.lineTo(3, -21);
    claws.lineTo(4.5, -27);
    claws.quadTo(7, -20, 1.5, -16);
    claws.closeSubpath();
    fillAcross(p, claws, pal.metal, 0.7);
    const qreal r = it.twoHanded ? 5.8 : 4.8;
    drawGlow(p, QPointF(0, -22), r * 2.2, pal.gem);
    drawGem(p, QPointF(0, -22), r, pal.gem);
}

}  // namespace

namespace {

void drawCane(QPainter &p, const Palette &pal) {
    const QColor black(40, 38, 44);
    fillAcross(p, roundRect(-1.2, -16, 2.4, 42, 1.2), black, 0.6);
    QPainterPath crook;
    crook.moveTo(-1.2, -15);
    crook.cubicTo(-1.2, -27, 10, -27, 9, -18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outlineOf(pal.metal), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(crook);
    p.setPen(QPen(pal.metal.lighter(120), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(crook);
    fillAcross(p, roundRect(-1.8, -12, 3.6, 3, 1), pal.main, 0.5);
    fillAcross(p, roundRect(-1.5, 23, 3, 3, 1), pal.metal, 0.5);
}

}  // namespace

void drawWeapon(QPainter &p, const PictureItem &it, const Palette &pal) {
    QString kind;
    for (const QString &word : it.name.toLower().split(QLatin1Char(' '))) {
        if (word == QStringLiteral("меч") || word == QStringLiteral("кинжал") || word == QStringLiteral("нож") ||
            word == QStringLiteral("топор") || word == QStringLiteral("булава") ||
            word == QStringLiteral("дубина") || word == QStringLiteral("молот") ||
            word == QStringLiteral("посох") || word == QStringLiteral("трость")) {
            kind = word;
            break;
        }
    }
    p.save();
    p.translate(30, 30);
    p.rotate(45);
    p.scale(0.92, 0.92);
    if (kind == QStringLiteral("кинжал")) drawSword(p, it, pal, -14, 2.4);
    else if (kind == QStringLiteral("нож")) drawKnife(p, pal);
    else if (kind == QStringLiteral("топор")) drawAxe(p, it, pal);
    else if (kind == QStringLiteral("булава")) drawMace(p, pal);
    else if (kind == QStringLiteral("дубина")) drawClub(p, pal, it.level);
    else if (kind == QStringLiteral("молот")) drawHammer(p, it, pal);
    else if (kind == QStringLiteral("посох")) drawStaff(p, it, pal);
    else if (kind == QStringLiteral("трость")) drawCane(p, pal);
    else drawSword(p, it, pal, it.twoHanded ? -28 : -25, it.twoHanded ? 3.6 : 2.9);
    p.restore();
}

}  // namespace picturegen
