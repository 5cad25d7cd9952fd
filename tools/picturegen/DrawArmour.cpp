// Helmets, armour, belts, boots, bracelets, gloves, trousers and shields.
#include "ShapeDrawers.h"
#include "Strokes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace picturegen {

// ---- helmets (60 x 60) ----

void drawHelmet(QPainter &p, const PictureItem &it, const Palette &pal) {
    const QString w = firstWord(it.name);
    if (w == QStringLiteral("венец")) {
        QPainterPath crown;
        crown.moveTo(10, 44);
        crown.lineTo(10, 26);
        for (int i = 0; i < 5; ++i) {
            const qreal x = 10 + i * 8;
            crown.lineTo(x + 4, i % 2 ? 22 : 14);
            crown.lineTo(x + 8, 28);
        }
        crown.lineTo(50, 44);
        crown.closeSubpath();
        fillAcross(p, crown, pal.metal);
        fillAcross(p, roundRect(8, 38, 44, 8, 3), pal.metal.darker(115));
        for (int i = 0; i < 5; ++i) drawGem(p, QPointF(14 + i * 8, i % 2 ? 24 : 16.5), 2, pal.main);
        drawGem(p, QPointF(30, 42), 3.6, pal.gem);
        return;
    }
    if (w == QStringLiteral("шапка")) {
        QPainterPath cap;
        cap.moveTo(11, 42);
        cap.cubicTo(10, 14, 50, 12, 49, 42);
        cap.closeSubpath();
        fillShaded(p, cap, pal.main);
        fillShaded(p, roundRect(7, 36, 46, 13, 6), QColor(246, 246, 250));
        drawGem(p, QPointF(30, 12), 5, QColor(250, 250, 255));
        for (int i = 0; i < 4; ++i) drawGem(p, QPointF(14 + i * 11, 42.5), 1.4, pal.gem);
        return;
    }
    if (w == QStringLiteral("венок")) {
        const QColor leaf = mix(pal.main, QColor(70, 140, 60), 0.6);
        for (int i = 0; i < 14; ++i) {
            const qreal a = i * 2 * M_PI / 14;
            p.save();
            p.translate(30 + 19 * std::cos(a), 31 + 13 * std::sin(a));
            p.rotate(qRadiansToDegrees(a) + 90);
            QPainterPath l;
            l.addEllipse(QRectF(-3, -6, 6, 12));
            fillShaded(p, l, i % 2 ? leaf : leaf.lighter(120), 0.7);
            p.restore();
        }
        for (int i = 0; i < 5; ++i) drawGem(p, QPointF(14 + i * 8, 19 + (i % 2) * 2.5), 2.4, pal.gem.lighter(115));
        return;
    }
    if (w == QStringLiteral("фата")) {
        QPainterPath veil;
        veil.moveTo(18, 18);
        veil.cubicTo(6, 30, 6, 48, 4, 57);
        veil.lineTo(56, 57);
        veil.cubicTo(54, 48, 54, 30, 42, 18);
        veil.closeSubpath();
        QLinearGradient g(0, 18, 0, 57);
        g.setColorAt(0, QColor(255, 255, 255, 235));
        g.setColorAt(1, QColor(225, 232, 245, 200));
        fillPath(p, veil, g, QColor(170, 180, 200), 0.8);
        QPainterPath tiara;
        tiara.moveTo(16, 22);
        tiara.quadTo(30, 4, 44, 22);
        tiara.quadTo(30, 14, 16, 22);
        fillAcross(p, tiara, pal.metal);
        drawGem(p, QPointF(30, 11), 3, pal.gem);
        return;
    }
    if (w == QStringLiteral("цилиндр")) {
        const QColor black(48, 46, 52);
        fillAcross(p, roundRect(17, 10, 26, 33, 2), black);
        fillAcross(p, roundRect(17, 34, 26, 6, 1), pal.main);
        QPainterPath brim;
        brim.addEllipse(QRectF(7, 40, 46, 9));
        fillShaded(p, brim, black);
        return;
    }

    // A knight's helm: dome, crest stripe in the set's colour, rim, cheek guards.
    QPainterPath dome;
    dome.moveTo(12, 44);
    dome.cubicTo(10, 9, 50, 9, 48, 44);
    dome.closeSubpath();
    fillAcross(p, dome, pal.metal);
    p.save();
    p.setClipPath(dome);
    p.fillRect(QRectF(26.5, 8, 7, 36), pal.main);
    p.fillRect(QRectF(26.5, 8, 2, 36), pal.main.lighter(135));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outlineOf(pal.metal), 1));
    p.drawPath(dome);
    QPainterPath cheek;
    cheek.moveTo(11, 44);
    cheek.lineTo(21, 44);
    cheek.lineTo(20, 55);
    cheek.quadTo(14, 56, 11, 51);
    cheek.closeSubpath();
    fillAcross(p, cheek, pal.metal.darker(110));
    fillAcross(p, mirrored(cheek, 30), pal.metal.darker(115));
    fillAcross(p, roundRect(9, 39, 42, 7, 3), pal.metal.darker(108));
    const QColor slit(34, 30, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(slit);
    p.drawRoundedRect(QRectF(15, 32, 12, 4), 1.5, 1.5);
    p.drawRoundedRect(QRectF(33, 32, 12, 4), 1.5, 1.5);
    fillAcross(p, roundRect(28, 30, 4, 20, 1.5), pal.metal);
    drawShine(p, QRectF(15, 14, 12, 10));

    if (it.name.contains(QStringLiteral("Рогатый"))) {
        QPainterPath horn;
        horn.moveTo(14, 26);
        horn.cubicTo(4, 24, 2, 12, 6, 4);
        horn.cubicTo(8, 13, 12, 18, 18, 19);
        horn.closeSubpath();
        fillShaded(p, horn, QColor(232, 222, 196), 0.8);
        fillShaded(p, mirrored(horn, 30), QColor(232, 222, 196), 0.8);
    } else if (it.level >= 15) {
        QPainterPath plume;
        plume.moveTo(30, 12);
        plume.cubicTo(36, 0, 52, 0, 58, 10);
        plume.cubicTo(50, 6, 42, 8, 34, 16);
        plume.closeSubpath();
        fillShaded(p, plume, pal.gem, 0.8);
    }
    if (it.artefact || it.level >= 20) drawGem(p, QPointF(30, 20), 2.8, pal.gem);
}

// ---- armour (60 x 80) ----

namespace {

QPainterPath torsoPath() {
    QPainterPath t;
    t.moveTo(5, 21);
    t.quadTo(7, 10, 20, 9);
    t.lineTo(23, 9);
    t.quadTo(30, 17, 37, 9);
    t.lineTo(40, 9);
    t.quadTo(53, 10, 55, 21);
    t.lineTo(53, 40);
    t.lineTo(46, 40);
    t.lineTo(46, 70);
    t.quadTo(30, 76, 14, 70);
    t.lineTo(14, 40);
    t.lineTo(7, 40);
    t.closeSubpath();
    return t;
}

}  // namespace

namespace {

void drawBeltLine(QPainter &p, qreal y, const Palette &pal) {
    fillAcross(p, roundRect(13.5, y, 33, 5, 1.5), pal.main.darker(150), 0.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.metal.lighter(115), 1.3));
    p.drawRoundedRect(QRectF(27, y - 0.5, 6, 6), 1, 1);
}

}  // namespace

void drawArmour(QPainter &p, const PictureItem &it, const Palette &pal) {
    const QString &n = it.name;
    const auto has = [&](const char *s) { return n.contains(QString::fromUtf8(s)); };
    const bool robe = has("Мантия") || has("Платье") || has("Шуба") || has("Накидка") || has("Фрак");
    const bool plate = has("Латы") || has("Панцирь") || has("Чешуй") || has("пограничника");
    const bool mail = has("Кольч");

    if (robe) {
        QPainterPath r;
        r.moveTo(6, 22);
        r.quadTo(8, 10, 21, 9);
        r.lineTo(23, 9);
        r.quadTo(30, 16, 37, 9);
        r.lineTo(39, 9);
        r.quadTo(52, 10, 54, 22);
        r.lineTo(57, 48);
        r.lineTo(48, 48);
        r.lineTo(52, 77);
        r.quadTo(30, 80, 8, 77);
        r.lineTo(12, 48);
        r.lineTo(3, 48);
        r.closeSubpath();
        const bool fur = has("Шуба");
        const bool tails = has("Фрак");
        const QColor cloth = tails ? QColor(44, 44, 52) : pal.main;
        fillAcross(p, r, cloth);
        const QColor trim = fur ? QColor(246, 246, 250) : pal.metal;
        p.save();
        p.setClipPath(r);
        p.fillRect(QRectF(0, fur ? 70 : 73, 60, 8), trim);
        p.fillRect(QRectF(fur ? 26 : 28.5, 12, fur ? 8 : 3, 66), trim);
        p.fillRect(QRectF(0, 45, 60, fur ? 4 : 2.5), trim);
        if (tails) p.fillRect(QRectF(24, 12, 12, 20), QColor(245, 245, 248));
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(outlineOf(cloth), 1));
        p.drawPath(r);
        fillAcross(p, roundRect(14, 38, 32, 4, 1.5), tails ? pal.main : pal.gem.darker(115), 0.7);
        drawGem(p, QPointF(30, 40), 2.6, pal.gem);
        if (!fur && !tails) {
            for (int i = 0; i < 3; ++i) drawGem(p, QPointF(20 + i * 10, 60 + (i % 2) * 3), 1.3, pal.gem.lighter(120));
        }
        return;
    }

    const QPainterPath torso = torsoPath();
    if (plate || mail) {
        fillAcross(p, torso, pal.metal);
        p.save();
        p.setClipPath(torso);
        if (mail) {
            p.setPen(QPen(pal.metal.darker(150), 0.7));
            for (int y = 12; y < 74; y += 3)
                for (int x = 4 + (y / 3) % 2 * 2; x < 58; x += 4) p.drawArc(QRectF(x, y, 3, 3), 0, -180 * 16);
        } else {
            p.setPen(QPen(pal.metal.darker(160), 0.9));
            for (qreal y : {48.0, 54.0, 60.0}) p.drawLine(QPointF(14, y), QPointF(46, y + 0.01));
            p.drawLine(QPointF(30, 16), QPointF(30, 46));
        }
        // Tabard in the set's colour down the middle.
        p.fillRect(QRectF(25, 16, 10, 60), pal.main);
        p.fillRect(QRectF(25, 16, 2.5, 60), pal.main.lighter(135));
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(outlineOf(pal.metal), 1));
        p.drawPath(torso);
        if (plate) {
            QPainterPath pad;
            pad.addEllipse(QRectF(2, 11, 19, 15));
            fillAcross(p, pad, pal.metal.lighter(108));
            fillAcross(p, mirrored(pad, 30), pal.metal.darker(108));
            drawShine(p, QRectF(6, 13, 6, 5));
        }
        drawBeltLine(p, 63, pal);
        drawGem(p, QPointF(30, 24), 2.8, pal.gem);
        return;
    }

    // Leather jacket with lacing.
    fillAcross(p, torso, pal.main);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.main.darker(170), 0.8, Qt::DashLine));
    p.drawLine(QPointF(19, 16), QPointF(19, 68));
    p.drawLine(QPointF(41, 16), QPointF(41, 68));
    p.setPen(QPen(pal.metal.lighter(110), 0.9));
    QPainterPath lace;
    lace.moveTo(27, 17);
    for (int i = 0; i < 8; ++i) lace.lineTo(i % 2 ? 27 : 33, 20 + i * 4);
    p.drawPath(lace);
    drawBeltLine(p, 62, pal);
    QPainterPath collar;
    collar.moveTo(22, 9);
    collar.quadTo(30, 20, 38, 9);
    collar.quadTo(30, 14, 22, 9);
    fillShaded(p, collar, pal.main.darker(125), 0.7);
}

// ---- belts (60 x 40) ----

void drawBelt(QPainter &p, const PictureItem &it, const Palette &pal) {
    const bool sash = firstWord(it.name) == QStringLiteral("кушак");
    QPainterPath band;
    band.moveTo(1, 13);
    band.quadTo(30, 24, 59, 13);
    band.lineTo(59, 25);
    band.quadTo(30, 36, 1, 25);
    band.closeSubpath();
    QLinearGradient g(0, 12, 0, 32);
    const QColor cloth = sash ? pal.main : mix(pal.main, QColor(110, 72, 40), 0.45);
    g.setColorAt(0, cloth.lighter(140));
    g.setColorAt(0.5, cloth);
    g.setColorAt(1, cloth.darker(160));
    fillPath(p, band, g, outlineOf(cloth));
    QPainterPath stitch;
    stitch.moveTo(2, 15.5);
    stitch.quadTo(30, 26.5, 58, 15.5);
    stitch.moveTo(2, 22.5);
    stitch.quadTo(30, 33.5, 58, 22.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cloth.lighter(165), 0.6, Qt::DashLine));
    p.drawPath(stitch);
    if (sash) {
        QPainterPath ends;
        ends.moveTo(40, 26);
        ends.lineTo(46, 39);
        ends.lineTo(50, 37);
        ends.lineTo(45, 25);
        ends.moveTo(44, 25);
        ends.lineTo(53, 36);
        ends.lineTo(56, 33);
        ends.lineTo(49, 24);
        fillShaded(p, ends, cloth.darker(110), 0.8);
        QPainterPath knot;
        knot.addEllipse(QRectF(39, 19, 10, 9));
        fillShaded(p, knot, cloth.lighter(110), 0.8);
        drawGem(p, QPointF(30, 24.5), 2.5, pal.gem);
        return;
    }
    for (qreal x : {9.0, 16.0, 44.0, 51.0}) {
        const qreal t = x / 60.0;
        const QPointF c = onCurve(QPointF(1, 19), QPointF(30, 30), QPointF(59, 19), t);
        drawGem(p, c, 1.3, pal.metal);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outlineOf(pal.metal), 3.6));
    p.drawRoundedRect(QRectF(23, 15.5, 14, 15), 3, 3);
    p.setPen(QPen(pal.metal.lighter(120), 2.2));
    p.drawRoundedRect(QRectF(23, 15.5, 14, 15), 3, 3);
    p.setPen(QPen(pal.metal.darker(140), 1.4));
    p.drawLine(QPointF(24, 23), QPointF(33, 23));
    if (it.name.contains(QStringLiteral("путника")) || it.name.contains(QStringLiteral("травника")) ||
        it.level >= 12) {
        fillShaded(p, roundRect(42, 26, 10, 11, 3), cloth.darker(115), 0.8);
        drawGem(p, QPointF(47, 29), 1.3, pal.gem);
    }
}

// ---- boots (60 x 40) ----

namespace {

void drawBoot(QPainter &p, qreal dx, const PictureItem &it, const Palette &pal, bool back) {
    const QString w = firstWord(it.name);
    const bool shoe = w == QStringLiteral("туфли");
    const bool felt = w == QStringLiteral("валенки");
    const bool bast = w == QStringLiteral("лапти");
    const qreal top = shoe || bast ? 19 : 3;
    QPainterPath boot;
    boot.moveTo(dx + 3, top);
    boot.lineTo(dx + 15, top);
    boot.lineTo(dx + 16, 23);
    boot.quadTo(dx + 25, 24, dx + 26.5, 31);
    boot.lineTo(dx + 26.5, 35);
    boot.lineTo(dx + 2, 35);
    boot.lineTo(dx + 3, 24);
    boot.closeSubpath();
    QColor leather = felt ? mix(pal.main, QColor(225, 220, 210), 0.5)
                          : (bast ? QColor(196, 164, 104) : mix(pal.main, QColor(96, 62, 36), 0.35));
    if (back) leather = leather.darker(118);
    fillAcross(p, boot, leather);
    if (bast) {
        p.save();
        p.setClipPath(boot);
        p.setPen(QPen(leather.darker(150), 0.7));
        for (int i = -10; i < 40; i += 3) p.drawLine(QPointF(dx + i, 19), QPointF(dx + i + 16, 36));
        p.restore();
        return;
    }
    if (!felt) fillAcross(p, roundRect(dx + 1.5, 34, 26, 3.2, 1), QColor(52, 40, 34), 0.6);
    if (!shoe && !felt) {
        fillAcross(p, roundRect(dx + 2, top, 15, 5, 1.5), back ? pal.main.darker(118) : pal.main, 0.8);
        fillAcross(p, roundRect(dx + 2.5, 15, 14, 2.5, 1), pal.metal, 0.6);
    }
    if (shoe) drawGem(p, QPointF(dx + 19, 26.5), 2, pal.gem);
    else if (!felt && it.level >= 10) drawGem(p, QPointF(dx + 9.5, top + 2.5), 1.6, pal.gem);
}

}  // namespace

void drawBoots(QPainter &p, const PictureItem &it, const Palette &pal) {
    drawBoot(p, 30, it, pal, true);
    drawBoot(p, 3, it, pal, false);
}

// ---- bracelets (60 x 40) ----

// Armoured bracers are cuffs seen from the side; other bracelets are bangles seen
// from above at a slant, the front of the band inlaid with the set's colour.

void drawBracelets(QPainter &p, const PictureItem &it, const Palette &pal) {
    const bool guards = firstWord(it.name) == QStringLiteral("наручи");
    for (int k = 0; k < 2; ++k) {
        const QColor body = k ? pal.metal.darker(112) : pal.metal;
        if (!guards) {
            const qreal x = 3 + k * 27, y = 6 + k * 6;
            QPainterPath band;
            band.addEllipse(QRectF(x, y, 27, 22));
            QPainterPath hole;
            hole.addEllipse(QRectF(x + 4.5, y + 4, 18, 13));
            fillAcross(p, band.subtracted(hole), body, 0.9);
            p.save();
            p.setClipPath(band.subtracted(hole));
            p.setPen(QPen(pal.main, 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(x + 2.2, y + 2, 22.6, 18), -20 * 16, -140 * 16);
            p.restore();
            for (int g = 0; g < 3; ++g) {
                const qreal a = qDegreesToRadians(-60.0 - g * 30);
                drawGem(p, QPointF(x + 13.5 + 11.3 * std::cos(a), y + 11 - 9 * std::sin(a)), g == 1 ? 2.4 : 1.6,
                        pal.gem);
            }
            continue;
        }
        const qreal x = 5 + k * 28;
        const qreal top = 5, bottom = 33;
        QPainterPath under;
        under.addEllipse(QRectF(x, bottom - 4, 22, 8));
        fillAcross(p, under, body.darker(120), 0.8);
        QPainterPath side;
        side.addRect(QRectF(x, top + 1, 22, bottom - top));
        p.setPen(Qt::NoPen);
        QLinearGradient g(x, 0, x + 22, 0);
        g.setColorAt(0, body.darker(125));
        g.setColorAt(0.3, body.lighter(150));
        g.setColorAt(0.6, body);
        g.setColorAt(1, body.darker(165));
        p.setBrush(g);
        p.drawPath(side);
        p.setPen(QPen(outlineOf(body), 0.9));
        p.drawLine(QPointF(x, top + 4), QPointF(x, bottom));
        p.drawLine(QPointF(x + 22, top + 4), QPointF(x + 22, bottom));
        QPainterPath rim;
        rim.addEllipse(QRectF(x, top, 22, 8));
        QPainterPath hole;
        hole.addEllipse(QRectF(x + 3.5, top + 2, 15, 4.5));
        fillAcross(p, rim.subtracted(hole), body.lighter(110), 0.8);
        p.setBrush(QColor(40, 34, 30));
        p.setPen(Qt::NoPen);
        p.drawPath(hole);
        p.fillRect(QRectF(x + 0.5, (top + bottom) / 2 + 1, 21, 5), pal.main);
        p.fillRect(QRectF(x + 0.5, (top + bottom) / 2 + 1, 21, 1.3), pal.main.lighter(140));
        drawGem(p, QPointF(x + 11, (top + bottom) / 2 + 3.5), 2.8, pal.gem);
        p.setPen(QPen(outlineOf(body), 0.7));
        p.drawLine(QPointF(x + 2, top + 9), QPointF(x + 20, top + 9));
        p.drawLine(QPointF(x + 2, bottom - 4), QPointF(x + 20, bottom - 4));
    }
}

// ---- gloves (60 x 40) ----

namespace {

QPainterPath gloveShape(bool mitten) {
    QPainterPath g;
    g.addRoundedRect(QRectF(4, 13, 18, 14), 4, 4);
    if (mitten) {
        g.addRoundedRect(QRectF(4, 3, 18, 18), 8, 8);
    } else {
        const qreal heights[4] = {7, 3, 4, 8};
        for (int i = 0; i < 4; ++i) g.addRoundedRect(QRectF(4 + i * 4.6, heights[i], 4.2, 15), 2, 2);
    }
    QPainterPath thumb;
    thumb.addEllipse(QRectF(-1, 14, 7, 11));
    g = g.united(thumb);
    return g.simplified();
}

}  // namespace

void drawGloves(QPainter &p, const PictureItem &it, const Palette &pal) {
    const QString w = firstWord(it.name);
    const bool mitten = w == QStringLiteral("рукавицы") || w == QStringLiteral("варежки");
    const QColor leather = mix(pal.main, QColor(110, 74, 44), 0.3);
    for (int k = 0; k < 2; ++k) {
        p.save();
        if (k == 1) {
            p.translate(60, 0);
            p.scale(-1, 1);
        }
        p.translate(3, 0);
        const QColor c = k ? leather.darker(112) : leather;
        fillAcross(p, gloveShape(mitten), c);
        fillAcross(p, roundRect(3, 26, 20, 11, 2.5), pal.main.darker(k ? 125 : 108));
        p.fillRect(QRectF(3.5, 29.5, 19, 1.6), pal.metal);
        if (!mitten) {
            p.setPen(QPen(c.darker(160), 0.6));
            for (int i = 1; i < 4; ++i) p.drawLine(QPointF(4 + i * 4.6, 13), QPointF(4 + i * 4.6, 19));
        }
        if (w == QStringLiteral("рукавицы")) fillAcross(p, roundRect(6, 14, 14, 5, 2), pal.metal, 0.7);
        if (w == QStringLiteral("варежки"))
            for (int i = 0; i < 3; ++i) drawGem(p, QPointF(8 + i * 5, 12), 1.3, QColor(250, 250, 255));
        drawGem(p, QPointF(13, 31.5), 1.9, pal.gem);
        p.restore();
    }
}

// ---- trousers (60 x 60) ----

void drawTrousers(QPainter &p, const PictureItem &it, const Palette &pal) {
    const QString w = firstWord(it.name);
    if (w == QStringLiteral("юбка")) {
        QPainterPath skirt;
        skirt.moveTo(17, 10);
        skirt.lineTo(43, 10);
        skirt.lineTo(54, 55);
        skirt.quadTo(30, 59, 6, 55);
        skirt.closeSubpath();
        fillAcross(p, skirt, pal.main);
        p.setPen(QPen(pal.main.darker(140), 0.7));
        for (int i = 0; i < 5; ++i) p.drawLine(QPointF(22 + i * 4, 12), QPointF(14 + i * 8, 55));
        fillAcross(p, roundRect(15, 6, 30, 6, 2), pal.metal, 0.8);
        drawGem(p, QPointF(30, 9), 2.2, pal.gem);
        return;
    }
    const bool baggy = w == QStringLiteral("шаровары");
    const bool greaves = w == QStringLiteral("поножи");
    const QColor cloth = w == QStringLiteral("брюки") ? QColor(50, 50, 60) : pal.main;
    QPainterPath legs;
    legs.moveTo(13, 11);
    legs.lineTo(47, 11);
    if (baggy) {
        legs.cubicTo(58, 26, 56, 44, 50, 50);
        legs.lineTo(35, 50);
        legs.cubicTo(33, 40, 32, 30, 30, 26);
        legs.cubicTo(28, 30, 27, 40, 25, 50);
        legs.lineTo(10, 50);
        legs.cubicTo(4, 44, 2, 26, 13, 11);
    } else {
        legs.lineTo(50, 56);
        legs.lineTo(34, 56);
        legs.lineTo(30, 25);
        legs.lineTo(26, 56);
        legs.lineTo(10, 56);
        legs.closeSubpath();
    }
    fillAcross(p, legs, cloth);
    if (baggy) {
        fillAcross(p, roundRect(10, 49, 15, 6, 2), pal.metal, 0.8);
        fillAcross(p, roundRect(35, 49, 15, 6, 2), pal.metal, 0.8);
    }
    if (greaves) {
        for (qreal x : {12.0, 36.0}) {
            fillAcross(p, roundRect(x, 30, 12, 24, 4), pal.metal, 0.9);
            drawGem(p, QPointF(x + 6, 33), 1.8, pal.gem);
        }
    } else if (!baggy) {
        p.setPen(QPen(cloth.darker(150), 0.7, Qt::DashLine));
        p.drawLine(QPointF(19, 14), QPointF(18, 55));
        p.drawLine(QPointF(41, 14), QPointF(42, 55));
        fillShaded(p, roundRect(13, 35, 9, 7, 2), cloth.darker(115), 0.6);
        fillShaded(p, roundRect(38, 35, 9, 7, 2), cloth.darker(115), 0.6);
    }
    fillAcross(p, roundRect(12, 5, 36, 7, 2), cloth.darker(135), 0.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.metal.lighter(110), 1.3));
    p.drawRoundedRect(QRectF(27, 5.5, 6, 6), 1, 1);
}

// ---- shields (60 x 60) ----

void drawShield(QPainter &p, const PictureItem &it, const Palette &pal) {
    const QString w = firstWord(it.name);
    const quint32 h = stableHash(it.set + it.name);
    if (w == QStringLiteral("букет")) {
        const QColor stem(80, 130, 60);
        p.setPen(QPen(stem, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 7; ++i) p.drawLine(QPointF(30, 54), QPointF(14 + i * 5.3, 20 + (i % 3) * 4));
        fillShaded(p, roundRect(25, 36, 10, 8, 2), pal.main, 0.8);
        for (int i = 0; i < 9; ++i) {
            const QPointF c(14 + (i * 37 % 33), 12 + (i * 23 % 18));
            for (int k = 0; k < 5; ++k) {
                const qreal a = k * 2 * M_PI / 5;
                drawGem(p, c + QPointF(2.6 * std::cos(a), 2.6 * std::sin(a)), 2.2,
                        i % 3 ? QColor(252, 250, 250) : pal.main.lighter(130));
            }
            drawGem(p, c, 1.4, QColor(240, 210, 90));
        }
        return;
    }
    if (w == QStringLiteral("баклер") || w == QStringLiteral("эгида")) {
        const qreal r = w == QStringLiteral("баклер") ? 21 : 25;
        QPainterPath disc;
        disc.addEllipse(QPointF(30, 30), r, r);
        fillAcross(p, disc, pal.metal);
        QPainterPath field;
        field.addEllipse(QPointF(30, 30), r - 4, r - 4);
        fillShaded(p, field, pal.main);
        if (w == QStringLiteral("эгида")) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(pal.gem.lighter(130), 1.2));
            p.drawEllipse(QPointF(30, 30), r - 8, r - 8);
            for (int i = 0; i < 8; ++i) {
                const qreal a = i * M_PI / 4;
                drawGem(p, QPointF(30 + (r - 8) * std::cos(a), 30 + (r - 8) * std::sin(a)), 1.6, pal.gem);
            }
            drawGlow(p, QPointF(30, 30), 9, pal.gem);
            drawGem(p, QPointF(30, 30), 4.5, pal.gem);
        } else {
            QPainterPath boss;
            boss.addEllipse(QPointF(30, 30), 7, 7);
            fillAcross(p, boss, pal.metal.lighter(110));
            drawShine(p, QRectF(25, 25, 5, 5));
        }
        return;
    }
    QPainterPath s;
    s.moveTo(9, 6);
    s.lineTo(51, 6);
    s.lineTo(51, 24);
    s.cubicTo(51, 40, 42, 49, 30, 56);
    s.cubicTo(18, 49, 9, 40, 9, 24);
    s.closeSubpath();
    p.save();
    p.setClipPath(s);
    QLinearGradient g(9, 6, 51, 56);
    g.setColorAt(0, pal.main.lighter(135));
    g.setColorAt(1, pal.main.darker(150));
    p.fillRect(QRectF(0, 0, 60, 60), g);
    // A device chosen by the set: quarters, a chevron or a cross.
    const QColor second = mix(pal.metal, pal.main, 0.25);
    p.setPen(Qt::NoPen);
    p.setBrush(second);
    switch (h % 3) {
    case 0:
        p.drawRect(QRectF(30, 6, 21, 20));
        p.drawRect(QRectF(9, 26, 21, 30));
        break;
    case 1: {
        QPainterPath chev;
        chev.moveTo(9, 36);
        chev.lineTo(30, 18);
        chev.lineTo(51, 36);
        chev.lineTo(51, 45);
        chev.lineTo(30, 27);
        chev.lineTo(9, 45);
        chev.closeSubpath();
        p.drawPath(chev);
        break;
    }
    default:
        p.drawRect(QRectF(26, 6, 8, 50));
        p.drawRect(QRectF(9, 20, 42, 8));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outlineOf(pal.metal), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(s);
    p.setPen(QPen(pal.metal.lighter(115), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(s);
    drawShine(p, QRectF(13, 9, 14, 9));
    drawGem(p, QPointF(30, 24), 4.2, pal.gem);
}

}  // namespace picturegen
