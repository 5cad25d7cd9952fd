#include "crafting/ForgeArt.h"

#include "art/Fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace veldora::art {

QPixmap forgeButtonPicture() {
    QPixmap pix(kForgeButtonWidth, kForgeButtonHeight);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate(0.5, 0.5, kForgeButtonWidth - 1, kForgeButtonHeight - 1);
    QLinearGradient iron(plate.topLeft(), plate.bottomLeft());
    iron.setColorAt(0, QColor(104, 96, 92));
    iron.setColorAt(0.5, QColor(58, 52, 50));
    iron.setColorAt(1, QColor(34, 30, 30));
    p.setPen(QPen(QColor(20, 14, 10), 1));
    p.setBrush(iron);
    p.drawRoundedRect(plate, 6, 6);
    // Rivets in the corners.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 160, 150));
    for (const QPointF &c : {QPointF(7, 7), QPointF(kForgeButtonWidth - 7, 7), QPointF(7, kForgeButtonHeight - 7),
                             QPointF(kForgeButtonWidth - 7, kForgeButtonHeight - 7)})
        p.drawEllipse(c, 2, 2);

    QFont font = verdanaFont(17, true);
    QPainterPath word;
    const QString text = QStringLiteral("Ковать");
    const QFontMetricsF m(font);
    const double x = (kForgeButtonWidth - m.horizontalAdvance(text)) / 2;
    const double y = (kForgeButtonHeight + m.ascent() - m.descent()) / 2;
    word.addText(QPointF(x, y), font, text);
    QLinearGradient fire(0, y - m.ascent(), 0, y);
    fire.setColorAt(0, QColor(255, 240, 150));
    fire.setColorAt(0.6, QColor(255, 150, 40));
    fire.setColorAt(1, QColor(200, 60, 10));
    p.setPen(QPen(QColor(60, 20, 0), 1));
    p.setBrush(fire);
    p.drawPath(word);
    return pix;
}

QPixmap forgeLinePicture(int width) {
    QPixmap pix(width, 4);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    QLinearGradient fade(0, 0, width, 0);
    fade.setColorAt(0, QColor(120, 76, 40, 0));
    fade.setColorAt(0.15, QColor(120, 76, 40));
    fade.setColorAt(0.85, QColor(120, 76, 40));
    fade.setColorAt(1, QColor(120, 76, 40, 0));
    p.fillRect(0, 1, width, 1, fade);
    QLinearGradient light(0, 0, width, 0);
    light.setColorAt(0, QColor(255, 240, 220, 0));
    light.setColorAt(0.5, QColor(255, 240, 220));
    light.setColorAt(1, QColor(255, 240, 220, 0));
    p.fillRect(0, 2, width, 1, light);
    return pix;
}

QPixmap forgeBackground(int width, int height, int bandHeight) {
    QPixmap pix(width, height);
    QPainter p(&pix);
    QLinearGradient parchment(0, 0, 0, height);
    parchment.setColorAt(0, QColor(248, 226, 196));
    parchment.setColorAt(1, QColor(236, 200, 160));
    p.fillRect(pix.rect(), parchment);
    QLinearGradient band(0, 0, 0, bandHeight);
    band.setColorAt(0, QColor(150, 96, 52));
    band.setColorAt(1, QColor(206, 150, 96));
    p.fillRect(0, 0, width, bandHeight, band);
    p.setPen(QColor(110, 64, 30));
    p.drawLine(0, bandHeight, width, bandHeight);
    p.setPen(QPen(QColor(150, 104, 64), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, width - 1, height - 1);
    return pix;
}

}  // namespace veldora::art
