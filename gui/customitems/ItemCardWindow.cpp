#include "customitems/ItemCardWindow.h"

#include "app/ActionLabels.h"
#include "app/Planner.h"
#include "app/UndoHistory.h"
#include "art/Artwork.h"
#include "art/Fonts.h"
#include "art/Labels.h"
#include "customitems/CustomItemArt.h"
#include "customitems/CustomItemForm.h"
#include "customitems/EquipCustomItem.h"
#include "app/WindowPlatform.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace veldora {

namespace {

constexpr int kClientWidth = 798;
constexpr int kStartHeight = 647;
const QColor kFrameColour(102, 102, 102);
const QColor kBarColour(212, 173, 134);
const QColor kBodyColour(228, 189, 150);

QWidget *panel(QWidget *parent, const char *name, const QRect &geometry, const QColor &colour) {
    auto *p = new QWidget(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setGeometry(geometry);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, colour);
    p->setPalette(pal);
    p->setAutoFillBackground(true);
    return p;
}

QColor pairColour(CardColour c) {
    switch (c) {
    case CardColour::Blue:
        return QColor(0, 0, 255);
    case CardColour::Navy:
        return QColor(0, 0, 128);
    case CardColour::Maroon:
        return QColor(128, 0, 0);
    case CardColour::Black:
        break;
    }
    return Qt::black;
}

}  // namespace

ItemCardWindow::ItemCardWindow(UndoHistory &history, const CustomItemStore &store, UserMessages &messages, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      history_(history), store_(store), messages_(messages) {
    setObjectName(QStringLiteral("TForm20"));
    setWindowTitle(QStringLiteral("Предмет"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, art::windowColour());
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(kClientWidth, kStartHeight);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ScrollBox1"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    content_ = new QWidget();
    content_->setPalette(pal);
    content_->setAutoFillBackground(true);
    scroll_->setWidget(content_);

    const QFont bold13 = sansSerifFont(13, true);
    const QFont plain11 = sansSerifFont(11);
    const QFont bold11 = sansSerifFont(11, true);

    typeFrame_ = panel(content_, "Panel1", QRect(11, 12, 756, 31), kFrameColour);
    typeBar_ = panel(typeFrame_, "PanelTop", QRect(1, 1, kCardTypeBarWidth, 29), kBarColour);
    typeConst_ = label(typeBar_, QStringLiteral("LabelTypeConst"), QStringLiteral("Тип:"), bold13, QPoint(0, 7));
    type_ = label(typeBar_, QStringLiteral("LabelType"), QString(), sansSerifFont(15), QPoint(0, 6), QColor(0, 0, 255));

    pictureFrame_ = panel(content_, "Panel3", QRect(11, kCardPictureFrameTop, 184, 300), kFrameColour);
    pictureColumn_ = panel(pictureFrame_, "PanelLeft", QRect(1, 1, 182, 299), kBodyColour);
    picture_ = new QLabel(pictureColumn_);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(58, 94, 63, 81);
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picturePath_ = label(pictureColumn_, QStringLiteral("LabelPicturePath"), QString(), plain11, QPoint(4, 4));
    picturePath_->hide();

    nameFrame_ = panel(content_, "Panel5", QRect(195, kCardPictureFrameTop, 572, kCardNameFrameHeight), kFrameColour);
    nameBar_ = panel(nameFrame_, "PanelRightTop", QRect(1, 1, kCardNameBarWidth, 30), kBarColour);
    nameConst_ = label(nameBar_, QStringLiteral("LabelNameConst"), QStringLiteral("Название:"), bold13, QPoint(0, 8));
    name_ = label(nameBar_, QStringLiteral("LabelName"), QString(), sansSerifFont(15), QPoint(0, 6), QColor(0, 0, 255));
    costConst_ = label(nameBar_, QStringLiteral("LabelCostConst"), QStringLiteral("Цена:"), bold13, QPoint(0, 8));
    cost_ = label(nameBar_, QStringLiteral("LabelCost"), QString(), bold13, QPoint(0, 8), QColor(248, 0, 0));
    coin_ = label(nameBar_, QStringLiteral("LabelCostCoin"), QString(), bold13, QPoint(0, 8));

    bodyFrame_ = panel(content_, "Panel7", QRect(195, 74, 572, 300), kFrameColour);
    body_ = panel(bodyFrame_, "PanelRightBottom", QRect(1, 0, 570, 299), kBodyColour);
    label(body_, QStringLiteral("LabelParametersConst"), QStringLiteral("Параметры:"), bold13, QPoint(7, 2));
    label(body_, QStringLiteral("LabelMassaConst"), QStringLiteral("Масса:"), plain11, QPoint(21, 18));
    massa_ = label(body_, QStringLiteral("LabelMassa"), QString(), plain11, QPoint(72, 18));
    label(body_, QStringLiteral("LabelDolgovechnostConst"), QStringLiteral("Долговечность:"), plain11, QPoint(21, 32));
    durability_ = label(body_, QStringLiteral("LabelDolgovechnost"), QString(), plain11, QPoint(129, 32));
    label(body_, QStringLiteral("LabelActionConst"), QStringLiteral("Действие предмета:"), bold13, QPoint(8, 55));
    for (int p = 0; p < kCardPairCount; ++p) {
        const CardPair &pair = kCardPairs[p];
        const QColor colour = pairColour(pair.colour);
        captions_[p] = label(body_, cardCaptionName(pair), QString::fromUtf8(pair.caption), plain11,
                             QPoint(cardCaptionLeft(p), 0), colour);
        values_[p] = label(body_, cardValueName(pair), QString(), plain11,
                           QPoint(captions_[p]->geometry().right() + 4, 0), colour);
    }
    requirements_ = label(body_, QStringLiteral("LabelTrebovaniyaConst"), QStringLiteral("Требования:"), bold13, QPoint(8, 0));
    features_ = label(body_, QStringLiteral("LabelOsobennostyConst"), QStringLiteral("Особенности:"), bold13, QPoint(8, 0));
    partOfSets_ = label(body_, QStringLiteral("LabelPartFullConst"), QStringLiteral("Часть комплектов:"), plain11, QPoint(19, 0));
    partOfSetsValue_ = label(body_, QStringLiteral("LabelPartFullValue"), QString(), plain11,
                             QPoint(partOfSets_->geometry().right() + 4, 0));
    putOnPicture_ = new QLabel(body_);
    putOnPicture_->setObjectName(QStringLiteral("Image2"));
    putOnPicture_->setPixmap(art::putOnPicture());
    putOnPicture_->setGeometry(15, 0, 98, 36);
    putOnButton_ = new QPushButton(body_);
    putOnButton_->setObjectName(QStringLiteral("SpeedButton2"));
    putOnButton_->setFlat(true);
    putOnButton_->setCursor(Qt::PointingHandCursor);
    putOnButton_->setStyleSheet(QStringLiteral("QPushButton { background: transparent; border: none; }"));
    putOnButton_->setGeometry(15, 0, 100, 37);
    connect(putOnButton_, &QPushButton::clicked, this, &ItemCardWindow::putOn);

    bottom_ = label(content_, QStringLiteral("LabelBottom"), QString(), plain11, QPoint(11, 0));
    scroll_->setGeometry(rect());
}

QLabel *ItemCardWindow::label(QWidget *parent, const QString &name, const QString &text, const QFont &font, QPoint at,
                              const QColor &colour) {
    return placedLabel(parent, name, text, font, at, colour);
}

bool ItemCardWindow::openFor(const CustomItemEntry &entry) {
    auto opened = openCustomItem(store_, entry, messages_);
    if (!opened) return false;
    record_ = std::move(opened->record);
    card_ = buildItemCard(*record_, entry.name, entry.type);
    layout_ = layoutItemCard(card_);
    place();
    scroll_->verticalScrollBar()->setValue(0);
    bringToFront(this);
    return true;
}

void ItemCardWindow::place() {
    constexpr auto setText = setLabelText;
    setText(type_, card_.type);
    const QVector<int> typeLefts = typeBarLefts(card_.type, {typeConst_->width(), type_->width()});
    typeConst_->move(typeLefts[0], typeConst_->y());
    type_->move(typeLefts[1], type_->y());

    setText(name_, card_.name);
    setText(cost_, card_.cost);
    setText(coin_, card_.coin);
    QLabel *const nameLabels[] = {nameConst_, name_, costConst_, cost_, coin_};
    QVector<int> widths;
    for (QLabel *l : nameLabels) widths.append(l->width());
    const QVector<int> nameLefts = nameBarLefts(card_, widths);
    for (int i = 0; i < 5; ++i) nameLabels[i]->move(nameLefts[i], nameLabels[i]->y());

    setText(partOfSetsValue_, card_.partOfSets);
    setText(massa_, card_.mass);
    setText(durability_, card_.durability);
    setText(picturePath_, card_.picturePath);
    // A picture that is gone shows the fallback, as on the character's slot.
    const QImage image = QImageReader(itemPicturePath(store_.programFolder(), card_.picturePath)).read();
    picture_->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));

    for (int p = 0; p < kCardPairCount; ++p) {
        setText(values_[p], card_.values[p]);
        const CardLine &line = layout_.pairs[p];
        captions_[p]->setVisible(line.visible);
        values_[p]->setVisible(line.visible);
        captions_[p]->move(captions_[p]->x(), line.top);
        values_[p]->move(values_[p]->x(), line.top);
    }
    requirements_->move(requirements_->x(), layout_.requirementsTop);
    features_->move(features_->x(), layout_.featuresTop);
    partOfSets_->move(partOfSets_->x(), layout_.partOfSetsTop);
    partOfSetsValue_->move(partOfSetsValue_->x(), layout_.partOfSetsTop);
    putOnPicture_->move(putOnPicture_->x(), layout_.buttonTop);
    putOnButton_->move(putOnButton_->x(), layout_.buttonTop);

    body_->resize(body_->width(), layout_.bodyHeight);
    bodyFrame_->resize(bodyFrame_->width(), layout_.bodyFrameHeight);
    pictureColumn_->resize(pictureColumn_->width(), layout_.pictureColumnHeight);
    pictureFrame_->resize(pictureFrame_->width(), layout_.pictureFrameHeight);
    bottom_->move(bottom_->x(), layout_.bottomLabelTop);
    content_->resize(kClientWidth - scroll_->verticalScrollBar()->sizeHint().width(), layout_.scrollBoxHeight);

    // The window is as tall as its content, but no taller than the screen: a
    // richer item scrolls instead of running off it.
    int height = layout_.scrollBoxHeight;
    if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        height = std::min(height, screen->availableGeometry().height() - 40);
    setFixedSize(kClientWidth, height);
    scroll_->setGeometry(rect());
}

void ItemCardWindow::putOn() {
    if (record_)
        history_.perform(customItemLabel(card_.name),
                         [this] { putOnCustomItem(history_.planner(), *record_, card_.name, card_.type); });
    emit putOnFinished();
}

}  // namespace veldora
