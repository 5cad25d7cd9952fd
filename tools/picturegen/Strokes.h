#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QString>

class QBrush;
class QPainter;
class QRectF;

// The strokes every item picture is painted with.
namespace picturegen {

QColor mix(const QColor &a, const QColor &b, double t);
QColor outlineOf(const QColor &c);
QString firstWord(const QString &name);

void fillPath(QPainter &p, const QPainterPath &path, const QBrush &brush, const QColor &line, qreal width = 1.0);
void fillShaded(QPainter &p, const QPainterPath &path, const QColor &base, qreal width = 1.0);
void fillAcross(QPainter &p, const QPainterPath &path, const QColor &base, qreal width = 1.0);
void drawGem(QPainter &p, QPointF c, qreal r, const QColor &colour);
void drawGlow(QPainter &p, QPointF c, qreal r, QColor colour);
void drawShine(QPainter &p, const QRectF &r);
QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal radius);
QPainterPath mirrored(const QPainterPath &path, qreal axisX);
// A point of the quadratic curve from a to b pulled towards c.
QPointF onCurve(QPointF a, QPointF c, QPointF b, qreal t);

}  // namespace picturegen
