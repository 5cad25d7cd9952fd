#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

// Every picture of the windows, painted in code: the program ships no art files.
namespace veldora::art {

inline QColor windowColour() { return QColor(244, 205, 166); }
inline QColor infoPanelColour() { return QColor(238, 238, 255); }

// The character panel (239 x 357): the figure, the outlines of the given slot
// rectangles, and the health, mana and fatigue bars under the level line.
QPixmap characterPicture(const QVector<QRect> &slotRects);

// Background of the characteristics and masteries table (Panel2).
QPixmap statsPanelPicture(const QStringList &statHeadings, const QStringList &masteryHeadings);
// Background of the magic table (Panel3).
QPixmap magicPanelPicture(const QStringList &schoolHeadings);
// Background of the character entry panel (Panel4).
QPixmap entryPanelPicture(int width, int height);
// The item database browser's body (732 x 597).
QPixmap browserBodyPicture();

QPixmap plusPicture();
QPixmap minusPicture();
QPixmap helpPicture();                      // 16 x 16
QPixmap closePicture(int width, int height);
QPixmap checkMarkPicture();                 // 15 x 15
// One 64 x 64 icon per aura kind, 0..7 in the order vampiric, absorption, economy,
// answer, contradiction, elemental protection, solar, guarding.
QPixmap auraPicture(int kind);

// A modifier panel's background: the title row and the 23-pixel row grid, drawn
// for whatever height the panel has at the moment.
class ModifierPanelBackground : public QWidget {
public:
    ModifierPanelBackground(const QString &title, QWidget *parent);
    const QString &title() const { return title_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString title_;
};

}  // namespace veldora::art
