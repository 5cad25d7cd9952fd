#include "Strokes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace picturegen {

// ---- colours ----

QColor mix(const QColor &a, const QColor &b, double t) {
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t), float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t));
}

QColor outlineOf(const QColor &c) { return mix(c.darker(300), QColor(30, 24, 20), 0.4); }

QString firstWord(const QString &name) { return name.section(QLatin1Char(' '), 0, 0).toLower(); }


// ---- painting helpers ----

void fillPath(QPainter &p, const QPainterPath &path, const QBrush &brush, const QColor &line, qreal width) {
    p.setBrush(brush);
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void fillShaded(QPainter &p, const QPainterPath &path, const QColor &base, qreal width) {
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.left(), r.top(), r.right(), r.bottom());
    g.setColorAt(0, base.lighter(145));
    g.setColorAt(0.45, base);
    g.setColorAt(1, base.darker(165));
    fillPath(p, path, g, outlineOf(base), width);
}

void fillAcross(QPainter &p, const QPainterPath &path, const QColor &base, qreal width) {
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0, base.darker(130));
    g.setColorAt(0.3, base.lighter(150));
    g.setColorAt(0.6, base);
    g.setColorAt(1, base.darker(170));
    fillPath(p, path, g, outlineOf(base), width);
}

void drawGem(QPainter &p, QPointF c, qreal r, const QColor &colour) {
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.4);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.2, colour.lighter(160));
    g.setColorAt(0.65, colour);
    g.setColorAt(1, colour.darker(190));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(240), r > 2.5 ? 0.8 : 0.5));
    p.drawEllipse(c, r, r);
}

void drawGlow(QPainter &p, QPointF c, qreal r, QColor colour) {
    QRadialGradient g(c, r);
    colour.setAlpha(150);
    g.setColorAt(0, colour);
    colour.setAlpha(0);
    g.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void drawShine(QPainter &p, const QRectF &r) {
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, QColor(255, 255, 255, 150));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r);
}

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath mirrored(const QPainterPath &path, qreal axisX) {
    QTransform t;
    t.translate(2 * axisX, 0);
    t.scale(-1, 1);
    return t.map(path);
}


QPointF onCurve(QPointF a, QPointF c, QPointF b, qreal t) {
    const qreal u = 1 - t;
    return u * u * a + 2 * u * t * c + t * t * b;
}

}  // namespace picturegen
