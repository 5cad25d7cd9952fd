#pragma once

#include "app/UserMessages.h"
#include "customitems/CustomItemStore.h"
#include "views/ItemCardLayout.h"

#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QScrollArea;

namespace veldora {

class UndoHistory;

// `TForm20` ("Предмет"): the card of one custom item, filled only when the list
// opens it. Everything is placed where layoutItemCard() says; its put-on button
// wears the item through the planner, as one undo step.
class ItemCardWindow : public QWidget {
    Q_OBJECT
public:
    ItemCardWindow(UndoHistory &history, const CustomItemStore &store, UserMessages &messages, QWidget *parent);

    // Reads the item's file, fills the card and shows it; false, after the message
    // that says why, when the file cannot be read (the card stays as it was).
    bool openFor(const CustomItemEntry &entry);

    const ItemCard &card() const { return card_; }
    const ItemCardLayout &layout() const { return layout_; }
    QScrollArea *scrollBox() const { return scroll_; }

    // The put-on button `SpeedButton2`.
    void putOn();

signals:
    // After the put-on button, whatever it achieved: the list and the card hide
    // and the main window comes to the front.
    void putOnFinished();

private:
    QLabel *label(QWidget *parent, const QString &name, const QString &text, const QFont &font, QPoint at,
                  const QColor &colour = Qt::black);
    void place();

    UndoHistory &history_;
    const CustomItemStore store_;
    UserMessages &messages_;
    std::optional<CustomItemRecord> record_;
    ItemCard card_;
    ItemCardLayout layout_;

    QScrollArea *scroll_;
    QWidget *content_;
    QWidget *typeFrame_, *typeBar_, *pictureFrame_, *pictureColumn_, *nameFrame_, *nameBar_, *bodyFrame_, *body_;
    QLabel *typeConst_, *type_, *nameConst_, *name_, *costConst_, *cost_, *coin_;
    QLabel *picture_, *picturePath_, *massa_, *durability_;
    QLabel *requirements_, *features_, *partOfSets_, *partOfSetsValue_, *bottom_;
    QLabel *putOnPicture_;
    QPushButton *putOnButton_;
    std::array<QLabel *, kCardPairCount> captions_{};
    std::array<QLabel *, kCardPairCount> values_{};
};

}  // namespace veldora
