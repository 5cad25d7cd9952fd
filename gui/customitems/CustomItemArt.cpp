#include "customitems/CustomItemArt.h"

#include "art/Fonts.h"

#include <QLinearGradient>
#include <QPainter>

namespace veldora::art {

QPixmap plateButtonPicture(const QString &caption, QSize size) {
    QPixmap pix(size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(252, 232, 196));
    g.setColorAt(0.5, QColor(230, 190, 136));
    g.setColorAt(1, QColor(176, 124, 72));
    p.setPen(QPen(QColor(96, 58, 26), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(r, 5, 5);
    p.setPen(QPen(QColor(255, 248, 230, 150), 1));
    p.drawLine(QPointF(5, 2.5), QPointF(size.width() - 5, 2.5));
    p.setFont(verdanaFont(11, true));
    p.setPen(QColor(255, 240, 210, 170));
    p.drawText(r.translated(0, 1), Qt::AlignCenter, caption);
    p.setPen(QColor(70, 38, 12));
    p.drawText(r, Qt::AlignCenter, caption);
    return pix;
}

QPixmap putOnPicture() { return plateButtonPicture(QStringLiteral("Надеть"), QSize(98, 36)); }

}  // namespace veldora::art
