// Pendants, amulets, rings and talismans.
#include "ShapeDrawers.h"
#include "Strokes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace picturegen {

// ---- pendants and amulets (60 x 20) ----

void drawPendant(QPainter &p, const PictureItem &, const Palette &pal) {
    const QPointF a(1, 1), c(30, 17), b(59, 1);
    for (int i = 0; i <= 26; ++i) {
        const qreal t = i / 26.0;
        if (t > 0.42 && t < 0.58) continue;
        const QPointF pt = onCurve(a, c, b, t);
        p.setBrush(i % 2 ? pal.metal : pal.metal.darker(125));
        p.setPen(QPen(outlineOf(pal.metal), 0.5));
        p.drawEllipse(pt, i % 2 ? 1.6 : 1.1, 1.1);
    }
    QPainterPath drop;
    drop.moveTo(30, 5.5);
    drop.cubicTo(37, 10, 36, 19, 30, 19);
    drop.cubicTo(24, 19, 23, 10, 30, 5.5);
    fillAcross(p, drop, pal.metal, 0.8);
    QPainterPath inner;
    inner.moveTo(30, 8.5);
    inner.cubicTo(34.5, 11.5, 33.5, 17, 30, 17);
    inner.cubicTo(26.5, 17, 25.5, 11.5, 30, 8.5);
    fillShaded(p, inner, pal.gem, 0.6);
    drawShine(p, QRectF(27.5, 10.5, 3.5, 3.5));
}

void drawAmulet(QPainter &p, const PictureItem &it, const Palette &pal) {
    QPainterPath cord;
    cord.moveTo(1, 1);
    cord.quadTo(30, 18, 59, 1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.main.darker(150), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cord);
    p.setPen(QPen(pal.main.lighter(130), 0.6, Qt::DotLine));
    p.drawPath(cord);
    QPainterPath disc;
    disc.addEllipse(QPointF(30, 11), 8, 8);
    fillAcross(p, disc, pal.metal);
    QPainterPath face;
    face.addEllipse(QPointF(30, 11), 5.3, 5.3);
    fillShaded(p, face, pal.main, 0.6);
    // Eight rays mark the sun amulets; a plain stone the rest.
    if (it.name.contains(QStringLiteral("рассвета")) || it.name.contains(QStringLiteral("лунного"))) {
        p.setPen(QPen(pal.gem.lighter(140), 0.8));
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            p.drawLine(QPointF(30 + 2.5 * std::cos(a), 11 + 2.5 * std::sin(a)),
                       QPointF(30 + 4.8 * std::cos(a), 11 + 4.8 * std::sin(a)));
        }
    }
    drawGem(p, QPointF(30, 11), 2.6, pal.gem);
}

// ---- rings and talismans (20 x 20) ----

void drawRing(QPainter &p, const PictureItem &, const Palette &pal) {
    QPainterPath band;
    band.addEllipse(QRectF(2.5, 7, 15, 11.5));
    QPainterPath hole;
    hole.addEllipse(QRectF(5.4, 9.6, 9.2, 6.4));
    fillAcross(p, band.subtracted(hole), pal.metal, 0.7);
    p.setPen(QPen(outlineOf(pal.metal), 0.6));
    p.drawLine(QPointF(7.5, 7.8), QPointF(8.6, 5.5));
    p.drawLine(QPointF(12.5, 7.8), QPointF(11.4, 5.5));
    drawGem(p, QPointF(10, 5.4), 3.4, pal.gem);
}

void drawTalisman(QPainter &p, const PictureItem &it, const Palette &pal) {
    const QString w = firstWord(it.name);
    if (w == QStringLiteral("руна")) {
        fillShaded(p, roundRect(3, 2.5, 14, 15, 4), mix(pal.main, QColor(120, 116, 110), 0.6), 0.7);
        drawGlow(p, QPointF(10, 10), 6, pal.gem);
        p.setPen(QPen(pal.gem.lighter(150), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 5.5), QPointF(8, 14.5));
        p.drawLine(QPointF(8, 5.5), QPointF(12.5, 8.5));
        p.drawLine(QPointF(8, 9.5), QPointF(12.5, 12.5));
        return;
    }
    if (w == QStringLiteral("снежинка")) {
        drawGlow(p, QPointF(10, 10), 8, QColor(170, 210, 255));
        p.setPen(QPen(QColor(70, 120, 200), 1.1, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 6; ++i) {
            const qreal a = i * M_PI / 3;
            const QPointF tip(10 + 7.5 * std::cos(a), 10 + 7.5 * std::sin(a));
            p.drawLine(QPointF(10, 10), tip);
            const QPointF mid(10 + 4.5 * std::cos(a), 10 + 4.5 * std::sin(a));
            p.drawLine(mid, mid + QPointF(2.2 * std::cos(a + 0.9), 2.2 * std::sin(a + 0.9)));
            p.drawLine(mid, mid + QPointF(2.2 * std::cos(a - 0.9), 2.2 * std::sin(a - 0.9)));
        }
        return;
    }
    if (w == QStringLiteral("клык")) {
        p.setPen(QPen(QColor(110, 80, 50), 0.9));
        p.drawLine(QPointF(3, 3), QPointF(17, 3));
        QPainterPath fang;
        fang.moveTo(6, 4);
        fang.cubicTo(7, 11, 10, 15, 15, 18);
        fang.cubicTo(14, 12, 14, 7, 13, 4);
        fang.closeSubpath();
        fillShaded(p, fang, QColor(238, 230, 208), 0.7);
        drawGem(p, QPointF(9.5, 4), 1.6, pal.gem);
        return;
    }
    if (w == QStringLiteral("оберег") || w == QStringLiteral("щит-оберег")) {
        QPainterPath disc;
        disc.addEllipse(QPointF(10, 10), 7.8, 7.8);
        QPainterPath hole;
        hole.addEllipse(QPointF(10, 10), 4.8, 4.8);
        fillAcross(p, disc.subtracted(hole), w == QStringLiteral("оберег") ? QColor(150, 104, 60) : pal.metal, 0.6);
        p.setPen(QPen(pal.main, 1.1));
        p.drawLine(QPointF(10, 5.5), QPointF(10, 14.5));
        p.drawLine(QPointF(5.5, 10), QPointF(14.5, 10));
        drawGem(p, QPointF(10, 10), 2.2, pal.gem);
        return;
    }
    if (w == QStringLiteral("камень") || w == QStringLiteral("солнечный")) {
        QPainterPath stone;
        stone.moveTo(10, 2);
        stone.lineTo(17, 7);
        stone.lineTo(15, 17);
        stone.lineTo(5, 17);
        stone.lineTo(3, 7);
        stone.closeSubpath();
        drawGlow(p, QPointF(10, 10), 9, pal.gem);
        fillShaded(p, stone, pal.gem, 0.7);
        p.setPen(QPen(pal.gem.lighter(160), 0.5));
        p.drawLine(QPointF(10, 2), QPointF(10, 10));
        p.drawLine(QPointF(3, 7), QPointF(10, 10));
        p.drawLine(QPointF(17, 7), QPointF(10, 10));
        p.drawLine(QPointF(10, 10), QPointF(5, 17));
        p.drawLine(QPointF(10, 10), QPointF(15, 17));
        return;
    }
    QPainterPath diamond;
    diamond.moveTo(10, 1.5);
    diamond.lineTo(18, 10);
    diamond.lineTo(10, 18.5);
    diamond.lineTo(2, 10);
    diamond.closeSubpath();
    fillAcross(p, diamond, pal.metal, 0.7);
    QPainterPath inner;
    inner.moveTo(10, 5);
    inner.lineTo(14.5, 10);
    inner.lineTo(10, 15);
    inner.lineTo(5.5, 10);
    inner.closeSubpath();
    fillShaded(p, inner, pal.main, 0.5);
    drawGem(p, QPointF(10, 10), 2.3, pal.gem);
}

}  // namespace picturegen
