#include "art/Artwork.h"

#include "art/Fonts.h"
#include "art/SheetLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace veldora::art {

namespace {

// One palette for every panel: parchment bodies, leather title bands, dark ink.
const QColor kParchment(253, 240, 219);
const QColor kParchmentDark(240, 220, 190);
const QColor kStripe(246, 228, 200);
const QColor kBorder(120, 78, 44);
const QColor kInk(70, 42, 22);
const QColor kGridLine(214, 186, 150);
const QColor kBandTop(160, 104, 60);
const QColor kBandBottom(112, 68, 36);
const QColor kBandText(255, 240, 214);

void paintParchment(QPainter &p, const QRectF &r, qreal radius = 6) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, kParchment);
    g.setColorAt(1, kParchmentDark);
    p.setPen(QPen(kBorder, 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.75, 0.75, -0.75, -0.75), radius, radius);
}

// Titles sit at the left of their band; the right part is left to help pictures.
void paintBand(QPainter &p, const QRectF &r, const QString &text, int pixelHeight, qreal radius = 5) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, kBandTop);
    g.setColorAt(1, kBandBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.drawPath(path);
    p.setPen(QColor(255, 255, 255, 60));
    p.drawLine(QPointF(r.left() + radius, r.top() + 1.5), QPointF(r.right() - radius, r.top() + 1.5));
    p.setFont(verdanaFont(pixelHeight, true));
    p.setPen(QColor(40, 20, 8, 140));
    const QRectF textRect = r.adjusted(12, 0, -12, 0);
    p.drawText(textRect.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.setPen(kBandText);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void paintHeadings(QPainter &p, int top, bool withRequiredAndBonus) {
    using namespace sheet;
    p.setFont(verdanaFont(10));
    p.setPen(kInk);
    struct H {
        Column column;
        const char *text;
    };
    const H headings[] = {{Column::Required, "Требуется"}, {Column::Own, "Родные"},
                          {Column::Items, "Предметы"},     {Column::Bonus, "Бонусы"},
                          {Column::Total, "Итог"}};
    for (const H &h : headings) {
        if (!withRequiredAndBonus && (h.column == Column::Required || h.column == Column::Bonus)) continue;
        QRect r = h.column == Column::Own ? ownColumnRect(top, kHeadingHeight)
                                          : cellRect(h.column, top, kHeadingHeight);
        p.drawText(r, Qt::AlignCenter, QString::fromUtf8(h.text));
    }
    p.setPen(QPen(kBorder, 1));
    p.drawLine(6, top + kHeadingHeight + 1, kPanelWidth - 7, top + kHeadingHeight + 1);
}

void paintRows(QPainter &p, const QStringList &headings, int top, int pitch) {
    using namespace sheet;
    p.setFont(verdanaFont(11));
    for (int i = 0; i < headings.size(); ++i) {
        const QRect row(6, top + i * pitch - 1, kPanelWidth - 12, pitch);
        if (i % 2 == 1) p.fillRect(row, kStripe);
        p.setPen(kInk);
        p.drawText(QRect(kRowHeadingLeft, row.top(), 124, pitch), Qt::AlignVCenter | Qt::AlignLeft, headings[i]);
        p.setPen(kGridLine);
        p.drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    }
    // Column rules.
    p.setPen(kGridLine);
    const int bottom = top + int(headings.size()) * pitch - 2;
    for (int x : kColumnRules) p.drawLine(x, top - 1, x, bottom);
}

void paintFreeRow(QPainter &p, int top) {
    using namespace sheet;
    const QRect r(6, top - 1, kPanelWidth - 12, kValueHeight + 2);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(236, 210, 172));
    g.setColorAt(1, QColor(226, 196, 152));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(kInk);
    p.setFont(verdanaFont(12, true));
    p.drawText(QRect(kRowHeadingLeft, r.top(), 170, r.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Осталось параметров:"));
}

QPixmap transparentPixmap(int w, int h) {
    QPixmap pix(w, h);
    pix.fill(Qt::transparent);
    return pix;
}

}  // namespace

QPixmap characterPicture(const QVector<QRect> &slotRects) {
    QPixmap pix = transparentPixmap(239, 357);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    paintParchment(p, QRectF(0, 0, 239, 357), 8);

    // Name plate with the level.
    p.setFont(verdanaFont(12, true));
    p.setPen(kInk);
    p.drawText(QRect(8, 4, 138, 20), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("Уровень"));

    // Health, mana and fatigue bars.
    struct Bar {
        QRectF rect;
        QColor light, dark;
    };
    const Bar bars[] = {{QRectF(8, 29, 160, 15), QColor(120, 214, 96), QColor(34, 120, 30)},
                        {QRectF(8, 45, 160, 15), QColor(112, 168, 250), QColor(26, 66, 170)},
                        {QRectF(8, 61, 160, 8), QColor(255, 222, 110), QColor(200, 130, 20)}};
    for (const Bar &b : bars) {
        p.setPen(QPen(QColor(60, 36, 18), 1));
        p.setBrush(QColor(50, 34, 22));
        p.drawRoundedRect(b.rect.adjusted(-1, -1, 1, 1), 3, 3);
        QLinearGradient g(b.rect.topLeft(), b.rect.bottomLeft());
        g.setColorAt(0, b.light);
        g.setColorAt(1, b.dark);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(b.rect, 2.5, 2.5);
        p.setBrush(QColor(255, 255, 255, 55));
        p.drawRoundedRect(QRectF(b.rect.left() + 1, b.rect.top() + 1, b.rect.width() - 2, b.rect.height() / 2 - 1), 2, 2);
    }

    // The figure, standing between the two slot columns.
    QPainterPath body;
    body.addEllipse(QPointF(121, 122), 15, 17);              // head
    body.addRoundedRect(QRectF(113, 136, 16, 10), 3, 3);     // neck
    QPainterPath torso;
    torso.moveTo(90, 150);
    torso.cubicTo(100, 142, 142, 142, 152, 150);
    torso.lineTo(148, 215);
    torso.cubicTo(140, 228, 102, 228, 94, 215);
    torso.closeSubpath();
    body.addPath(torso);
    auto limb = [&](QPointF a, QPointF b, qreal w) {
        QPainterPath path;
        const QPointF d = b - a;
        const qreal len = std::hypot(d.x(), d.y());
        const QPointF n(-d.y() / len * w / 2, d.x() / len * w / 2);
        path.moveTo(a + n);
        path.lineTo(b + n * 0.8);
        path.lineTo(b - n * 0.8);
        path.lineTo(a - n);
        path.closeSubpath();
        body.addPath(path);
        body.addEllipse(b, w * 0.45, w * 0.45);
    };
    limb(QPointF(94, 156), QPointF(80, 205), 15);    // arms
    limb(QPointF(80, 205), QPointF(78, 248), 12);
    limb(QPointF(148, 156), QPointF(162, 205), 15);
    limb(QPointF(162, 205), QPointF(164, 248), 12);
    limb(QPointF(108, 222), QPointF(104, 272), 19);  // legs
    limb(QPointF(104, 272), QPointF(102, 318), 15);
    limb(QPointF(134, 222), QPointF(138, 272), 19);
    limb(QPointF(138, 272), QPointF(140, 318), 15);
    body.setFillRule(Qt::WindingFill);
    QLinearGradient skin(70, 0, 170, 0);
    skin.setColorAt(0, QColor(196, 160, 122));
    skin.setColorAt(0.5, QColor(226, 196, 160));
    skin.setColorAt(1, QColor(180, 142, 106));
    p.setPen(QPen(QColor(130, 92, 60, 180), 1.2));
    p.setBrush(skin);
    p.drawPath(body.simplified());

    // Slot sockets: a sunken frame per slot; the worn item's picture covers it.
    for (const QRect &r : slotRects) {
        const QRectF f = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient g(f.topLeft(), f.bottomRight());
        g.setColorAt(0, QColor(120, 88, 60));
        g.setColorAt(1, QColor(176, 140, 102));
        p.setPen(QPen(QColor(86, 54, 30), 1));
        p.setBrush(g);
        p.drawRoundedRect(f, 3, 3);
        p.setPen(QPen(QColor(255, 240, 210, 120), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(f.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
    }
    return pix;
}

namespace {
// A characteristics-style table: parchment, title band, column headings, one row per
// heading and the free-points row below. Returns the painter still open on `pix`.
void paintTablePanel(QPixmap &pix, QPainter &p, int height, const QString &title, const QStringList &headings,
                     int rowTop, int rowPitch, int freeTop) {
    using namespace sheet;
    pix = transparentPixmap(kPanelWidth, height);
    p.begin(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    paintParchment(p, QRectF(0, 0, kPanelWidth, height));
    paintBand(p, QRectF(3, 3, kPanelWidth - 6, kTitleHeight - 4), title, 13);
    p.setRenderHint(QPainter::Antialiasing, false);
    paintHeadings(p, kHeadingTop, true);
    paintRows(p, headings, rowTop, rowPitch);
    p.setRenderHint(QPainter::Antialiasing);
    paintFreeRow(p, freeTop);
}
}  // namespace

QPixmap statsPanelPicture(const QStringList &statHeadings, const QStringList &masteryHeadings) {
    using namespace sheet;
    QPixmap pix;
    QPainter p;
    paintTablePanel(pix, p, kStatsPanelHeight, QStringLiteral("Параметры"), statHeadings, kStatRowTop, kStatRowPitch,
                    kStatFreeTop);
    p.setRenderHint(QPainter::Antialiasing, false);
    paintHeadings(p, kMasteryHeadingTop, false);
    p.setFont(verdanaFont(11, true));
    p.setPen(kInk);
    p.drawText(QRect(kRowHeadingLeft, kMasteryHeadingTop, 120, kHeadingHeight), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Владения"));
    paintRows(p, masteryHeadings, kMasteryRowTop, kStatRowPitch);
    p.setRenderHint(QPainter::Antialiasing);
    paintFreeRow(p, kMasteryFreeTop);
    p.end();
    return pix;
}

QPixmap magicPanelPicture(const QStringList &schoolHeadings) {
    using namespace sheet;
    QPixmap pix;
    QPainter p;
    paintTablePanel(pix, p, kMagicPanelHeight, QStringLiteral("Магия"), schoolHeadings, kMagicRowTop, kMagicRowPitch,
                    kMagicFreeTop);
    p.end();
    return pix;
}

QPixmap entryPanelPicture(int width, int height) {
    QPixmap pix = transparentPixmap(width, height);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    paintParchment(p, QRectF(0, 0, width, height), 8);
    paintBand(p, QRectF(3, 3, width - 6, 24), QStringLiteral("Данные персонажа"), 13);
    p.setPen(QPen(kGridLine, 1));
    p.drawLine(12, 128, width - 12, 128);
    p.setFont(verdanaFont(11, true));
    p.setPen(kInk);
    p.drawText(QRect(12, 131, width - 24, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Характеристики"));
    return pix;
}

QPixmap browserBodyPicture() {
    QPixmap pix = transparentPixmap(732, 597);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    // A dark wooden frame around the page control.
    QLinearGradient wood(0, 0, 0, 597);
    wood.setColorAt(0, QColor(122, 74, 40));
    wood.setColorAt(0.5, QColor(96, 56, 28));
    wood.setColorAt(1, QColor(74, 42, 20));
    p.setPen(QPen(QColor(46, 26, 12), 2));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(1, 1, 730, 595), 14, 14);
    // Grain.
    p.setPen(QPen(QColor(255, 220, 170, 18), 1));
    for (int y = 8; y < 590; y += 7) p.drawLine(QPointF(12, y), QPointF(720, y + (y % 3) - 1));
    p.setPen(QPen(QColor(230, 190, 120), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6, 6, 720, 585), 10, 10);
    // The page control's well.
    p.setPen(QPen(QColor(40, 22, 10), 1));
    p.setBrush(QColor(253, 240, 219));
    p.drawRoundedRect(QRectF(19, 16, 696, 563), 6, 6);
    p.setFont(verdanaFont(11, true));
    p.setPen(QColor(250, 226, 180));
    p.drawText(QRect(24, 581, 400, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("База предметов"));
    return pix;
}

namespace {
// The plus and minus buttons: a small rounded gem, green or red, with a white sign.
QPixmap pointButtonPicture(bool plus) {
    QPixmap pix = transparentPixmap(sheet::kButtonSize, sheet::kButtonSize);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 12);
    g.setColorAt(0, plus ? QColor(140, 220, 110) : QColor(244, 130, 110));
    g.setColorAt(1, plus ? QColor(40, 130, 40) : QColor(170, 36, 26));
    p.setPen(QPen(plus ? QColor(30, 80, 26) : QColor(100, 20, 14), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 11, 11), 2.5, 2.5);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(3, 6), QPointF(9, 6));
    if (plus) p.drawLine(QPointF(6, 3), QPointF(6, 9));
    return pix;
}
}  // namespace

QPixmap plusPicture() { return pointButtonPicture(true); }
QPixmap minusPicture() { return pointButtonPicture(false); }

QPixmap helpPicture() {
    QPixmap pix = transparentPixmap(16, 16);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(6, 5), 10);
    g.setColorAt(0, QColor(255, 236, 160));
    g.setColorAt(1, QColor(200, 130, 30));
    p.setPen(QPen(QColor(110, 62, 16), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont f = verdanaFont(12, true);
    p.setFont(f);
    p.setPen(QColor(80, 40, 10));
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
    return pix;
}

QPixmap closePicture(int width, int height) {
    QPixmap pix = transparentPixmap(width, height);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, width - 1, height - 1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(232, 110, 80));
    g.setColorAt(1, QColor(150, 30, 20));
    p.setPen(QPen(QColor(80, 16, 8), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 2.5, 2.5);
    const qreal m = std::max(2.5, std::min(width, height) * 0.28);
    p.setPen(QPen(QColor(255, 244, 230), std::max(1.2, std::min(width, height) / 7.0), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(m, m), QPointF(width - m, height - m));
    p.drawLine(QPointF(width - m, m), QPointF(m, height - m));
    return pix;
}

QPixmap checkMarkPicture() {
    QPixmap pix = transparentPixmap(15, 15);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 110, 30), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(2.5, 8);
    path.lineTo(6, 12);
    path.lineTo(12.5, 3);
    p.drawPath(path);
    return pix;
}

QPixmap auraPicture(int kind) {
    struct Palette {
        QColor light, dark, ink;
    };
    const Palette palettes[8] = {
        {QColor(250, 120, 120), QColor(120, 10, 20), QColor(255, 236, 236)},   // vampiric
        {QColor(130, 200, 255), QColor(20, 70, 150), QColor(236, 246, 255)},   // absorption
        {QColor(255, 230, 130), QColor(170, 120, 10), QColor(90, 56, 0)},      // economy
        {QColor(170, 240, 200), QColor(20, 120, 80), QColor(236, 255, 244)},   // answer
        {QColor(214, 150, 255), QColor(86, 20, 140), QColor(250, 236, 255)},   // contradiction
        {QColor(160, 240, 240), QColor(20, 110, 120), QColor(240, 255, 255)},  // elemental protection
        {QColor(255, 244, 160), QColor(230, 120, 10), QColor(140, 60, 0)},     // solar
        {QColor(210, 214, 226), QColor(70, 80, 110), QColor(250, 250, 255)},   // guarding
    };
    const Palette &pal = palettes[qBound(0, kind, 7)];
    QPixmap pix = transparentPixmap(64, 64);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    // Medallion with a glow ring.
    QRadialGradient glow(QPointF(32, 32), 32);
    glow.setColorAt(0.78, QColor(pal.light.red(), pal.light.green(), pal.light.blue(), 160));
    glow.setColorAt(1.0, QColor(pal.light.red(), pal.light.green(), pal.light.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QRectF(0, 0, 64, 64));
    QRadialGradient disc(QPointF(26, 22), 34);
    disc.setColorAt(0, pal.light);
    disc.setColorAt(1, pal.dark);
    p.setPen(QPen(QColor(60, 36, 16), 2));
    p.setBrush(disc);
    p.drawEllipse(QRectF(6, 6, 52, 52));
    p.setPen(QPen(QColor(255, 230, 170, 200), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(9, 9, 46, 46));

    p.setPen(QPen(pal.ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(pal.ink);
    const QPointF c(32, 32);
    switch (kind) {
    case 0: {  // a drop of blood
        QPainterPath drop;
        drop.moveTo(32, 16);
        drop.cubicTo(40, 28, 44, 34, 44, 39);
        drop.cubicTo(44, 46, 38, 50, 32, 50);
        drop.cubicTo(26, 50, 20, 46, 20, 39);
        drop.cubicTo(20, 34, 24, 28, 32, 16);
        p.drawPath(drop);
        break;
    }
    case 1: {  // a spiral drawing inwards
        p.setBrush(Qt::NoBrush);
        QPainterPath spiral;
        for (int i = 0; i <= 60; ++i) {
            const qreal a = i * 0.22, r = 16 - i * 0.24;
            const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
            i == 0 ? spiral.moveTo(pt) : spiral.lineTo(pt);
        }
        p.drawPath(spiral);
        break;
    }
    case 2: {  // a coin
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 14, 14);
        p.setFont(verdanaFont(18, true));
        p.drawText(QRectF(18, 18, 28, 28), Qt::AlignCenter, QStringLiteral("м"));
        break;
    }
    case 3: {  // two arrows turning back
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(18, 18, 28, 28), 30 * 16, 150 * 16);
        p.drawArc(QRectF(18, 18, 28, 28), 210 * 16, 150 * 16);
        p.setBrush(pal.ink);
        p.drawPolygon(QPolygonF({QPointF(44, 22), QPointF(48, 31), QPointF(39, 29)}));
        p.drawPolygon(QPolygonF({QPointF(20, 42), QPointF(16, 33), QPointF(25, 35)}));
        break;
    }
    case 4: {  // an eight-pointed chaos star
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            const QPointF tip(c.x() + 17 * std::cos(a), c.y() + 17 * std::sin(a));
            p.drawLine(c, tip);
            const QPointF l(tip.x() - 4 * std::cos(a - 0.6), tip.y() - 4 * std::sin(a - 0.6));
            const QPointF r(tip.x() - 4 * std::cos(a + 0.6), tip.y() - 4 * std::sin(a + 0.6));
            p.drawPolygon(QPolygonF({tip, l, r}));
        }
        p.drawEllipse(c, 3.5, 3.5);
        break;
    }
    case 5: {  // the four elements in a diamond
        const QColor elements[4] = {QColor(240, 80, 40), QColor(60, 140, 240), QColor(120, 200, 90),
                                    QColor(240, 240, 250)};
        const QPointF tips[4] = {QPointF(32, 14), QPointF(50, 32), QPointF(32, 50), QPointF(14, 32)};
        p.setPen(QPen(QColor(30, 30, 30, 160), 1));
        for (int i = 0; i < 4; ++i) {
            p.setBrush(elements[i]);
            p.drawPolygon(QPolygonF({c, tips[i], tips[(i + 1) % 4]}));
        }
        break;
    }
    case 6: {  // the sun
        for (int i = 0; i < 12; ++i) {
            const qreal a = i * M_PI / 6;
            p.drawLine(QPointF(c.x() + 12 * std::cos(a), c.y() + 12 * std::sin(a)),
                       QPointF(c.x() + 19 * std::cos(a), c.y() + 19 * std::sin(a)));
        }
        p.drawEllipse(c, 8.5, 8.5);
        break;
    }
    default: {  // a guarding shield
        QPainterPath shield;
        shield.moveTo(32, 14);
        shield.lineTo(46, 19);
        shield.cubicTo(46, 34, 42, 44, 32, 51);
        shield.cubicTo(22, 44, 18, 34, 18, 19);
        shield.closeSubpath();
        p.setBrush(Qt::NoBrush);
        p.drawPath(shield);
        p.drawLine(QPointF(32, 21), QPointF(32, 44));
        p.drawLine(QPointF(24, 28), QPointF(40, 28));
        break;
    }
    }
    return pix;
}

ModifierPanelBackground::ModifierPanelBackground(const QString &title, QWidget *parent)
    : QWidget(parent), title_(title) {}

void ModifierPanelBackground::paintEvent(QPaintEvent *) {
    using namespace sheet;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int h = height();
    paintParchment(p, QRectF(0, 0, width(), h));
    paintBand(p, QRectF(3, 3, width() - 6, 20), title_, 13, 4);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Rows are bands 23 pixels high under the title; labels sit 3 pixels into each.
    for (int top = kModifierFirstRow - 3, i = 0; top + kModifierRowPitch <= h + 1; top += kModifierRowPitch, ++i) {
        const QRect band(4, top, width() - 8, kModifierRowPitch);
        if (i % 2 == 1) p.fillRect(band.adjusted(0, 0, 0, -1), kStripe);
        p.setPen(kGridLine);
        if (top + kModifierRowPitch < h - 2) p.drawLine(band.left(), band.bottom(), band.right(), band.bottom());
        p.drawLine(kModifierValueLeft - 8, band.top() + 3, kModifierValueLeft - 8, band.bottom() - 3);
    }
}

}  // namespace veldora::art
