#include "customitems/ItemFormWindow.h"

#include "app/MainWindow.h"
#include "art/Artwork.h"
#include "art/Fonts.h"
#include "customitems/CustomItemArt.h"
#include "customitems/PictureChooser.h"
#include "app/WindowPlatform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace veldora {

namespace {

// Where each frame goes: the window's columns, left to right, and within a
// column its lines, top to bottom; frames of one line stand side by side.
struct FramePlace {
    FieldGroup group;
    int column;
    int line;
    int rows;  // inputs per sub-column inside the frame
};
constexpr FramePlace kFramePlaces[] = {
    {FieldGroup::Type, 0, 0, 1},         {FieldGroup::Name, 0, 1, 1},
    {FieldGroup::Other, 0, 2, 8},        {FieldGroup::Requirements, 0, 4, 8},
    {FieldGroup::Effects, 1, 0, 20},     {FieldGroup::Stats, 1, 1, 6},
    {FieldGroup::Auras, 1, 1, 7},        {FieldGroup::Masteries, 1, 1, 6},
    {FieldGroup::Magic, 2, 0, 13},       {FieldGroup::RequiredMagic, 2, 1, 13},
};
constexpr int kColumns = 3;
constexpr int kPictureLine = 3;  // in column 0, below "Остальное..."
constexpr int kInputHeight = 20;

// A picture with a flat button of the same size over it, as the windows' picture buttons are.
QPushButton *pictureButton(QWidget *parent, const char *image, const char *button, const QString &caption) {
    auto *holder = new QWidget(parent);
    holder->setFixedSize(122, 27);
    auto *picture = new QLabel(holder);
    picture->setObjectName(QString::fromLatin1(image));
    picture->setPixmap(art::plateButtonPicture(caption, holder->size()));
    picture->setGeometry(holder->rect());
    auto *b = new QPushButton(holder);
    b->setObjectName(QString::fromLatin1(button));
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setToolTip(caption);
    b->setStyleSheet(QStringLiteral("QPushButton { background: transparent; border: none; }"));
    b->setGeometry(holder->rect());
    return b;
}

}  // namespace

ItemFormWindow::ItemFormWindow(FormWindow kind, const CustomItemStore &store, UserMessages &messages,
                               QWidget *helpWindow, QWidget *parent)
    : QWidget(parent, Qt::Window), store_(store), messages_(messages), kind_(kind) {
    setFont(sansSerifFont(11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, art::windowColour());
    setPalette(pal);
    setAutoFillBackground(true);
    build(helpWindow);
    setForm(CustomItemForm::defaults());
    setFixedSize(sizeHint());
}

void ItemFormWindow::build(QWidget *helpWindow) {
    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(8, 8, 8, 8);
    columns->setSpacing(8);
    for (int c = 0; c < kColumns; ++c) {
        auto *stack = new QVBoxLayout();
        stack->setSpacing(4);
        columns->addLayout(stack);
        for (int line = 0; line <= kPictureLine + 1; ++line) {
            auto *row = new QHBoxLayout();
            row->setSpacing(6);
            for (const FramePlace &place : kFramePlaces)
                if (place.column == c && place.line == line) row->addWidget(buildFrame(place.group), 0, Qt::AlignTop);
            if (c == 0 && line == kPictureLine) row->addWidget(buildPictureBlock(helpWindow));
            if (row->count() == 0) {
                delete row;
                continue;
            }
            row->addStretch();
            stack->addLayout(row);
        }
        stack->addStretch();
    }
}

QWidget *ItemFormWindow::buildFrame(FieldGroup group) {
    auto *frame = new QGroupBox(fieldGroupCaption(group), this);
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    int rows = 1;
    for (const FramePlace &place : kFramePlaces)
        if (place.group == group) rows = place.rows;

    int n = 0;
    for (int i = 0; i < kCustomItemFieldCount; ++i) {
        const CustomItemField &f = kCustomItemFields[i];
        if (f.group != group || !f.input || (kind_ == FormWindow::Editing && !f.editable)) continue;
        const QString caption = QString::fromUtf8(f.caption);
        const QString name = QString::fromLatin1(f.input);
        const int row = n % rows, column = 2 * (n / rows);
        ++n;
        if (i == field::Type) {
            auto *box = new QComboBox(frame);
            box->setObjectName(name);
            box->setEditable(true);
            for (const CustomItemType &t : kCustomItemTypes) box->addItem(QString::fromUtf8(t.caption));
            box->lineEdit()->setMaxLength(kTypeInputLength);
            box->setMinimumWidth(190);
            grid->addWidget(box, row, column, 1, 2);
            inputs_[i] = box;
        } else if (i == field::Coins) {
            auto *coins = new QRadioButton(caption, frame);
            coins->setObjectName(name);
            gold_ = new QRadioButton(QStringLiteral("Золотых монет"), frame);
            gold_->setObjectName(QStringLiteral("RadioButton2"));
            grid->addWidget(coins, row, column);
            grid->addWidget(gold_, row, column + 1);
            inputs_[i] = coins;
        } else if (f.kind == FieldKind::Flag) {
            auto *box = new QCheckBox(caption, frame);
            box->setObjectName(name);
            grid->addWidget(box, row, column, 1, 2);
            inputs_[i] = box;
        } else {
            auto *edit = new QLineEdit(frame);
            edit->setObjectName(name);
            edit->setFixedHeight(kInputHeight);
            edit->setMaxLength(f.capacity);
            if (i == field::Name) {
                edit->setMinimumWidth(190);
                grid->addWidget(edit, row, column, 1, 2);
            } else {
                auto *label = new QLabel(caption, frame);
                label->setObjectName(name + QStringLiteral("Label"));
                label->setBuddy(edit);
                edit->setFixedWidth(i == field::Durability ? 70 : 16 + 8 * f.capacity);
                grid->addWidget(label, row, column);
                grid->addWidget(edit, row, column + 1);
            }
            inputs_[i] = edit;
        }
    }
    return frame;
}

QWidget *ItemFormWindow::buildPictureBlock(QWidget *helpWindow) {
    auto *block = new QWidget(this);
    auto *layout = new QGridLayout(block);
    layout->setContentsMargins(0, 6, 0, 0);
    preview_ = new QLabel(block);
    preview_->setObjectName(QStringLiteral("Image2"));
    preview_->setFixedSize(63, 81);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameShape(QFrame::Box);
    layout->addWidget(preview_, 0, 0, 3, 1);

    // The two windows swap their buttons: the creation window chooses with the
    // second and saves with the first, the editing window the other way round.
    const bool creating = kind_ == FormWindow::Creation;
    QPushButton *choose = pictureButton(block, creating ? "Image4" : "Image3", creating ? "SpeedButton2" : "SpeedButton1",
                                        QStringLiteral("Изображение..."));
    QPushButton *saveButton =
        pictureButton(block, creating ? "Image3" : "Image4", creating ? "SpeedButton1" : "SpeedButton2",
                      creating ? QStringLiteral("Добавить") : QStringLiteral("Изменить"));
    layout->addWidget(choose->parentWidget(), 0, 1);
    layout->addWidget(saveButton->parentWidget(), 1, 1);
    connect(choose, &QPushButton::clicked, this, &ItemFormWindow::choosePicture);
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });

    auto *help = new PictureButton(block);
    help->setObjectName(QStringLiteral("Image1"));
    help->setPixmap(art::helpPicture());
    help->setFixedSize(16, 16);
    layout->addWidget(help, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    connect(help, &PictureButton::clicked, helpWindow, [helpWindow] {
        bringToFront(helpWindow);
    });
    return block;
}

CustomItemForm ItemFormWindow::form() const {
    CustomItemForm f;
    for (int i = 0; i < kCustomItemFieldCount; ++i) {
        QWidget *w = inputs_[i];
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            f.texts[i] = edit->text();
        else if (auto *box = qobject_cast<QComboBox *>(w))
            f.texts[i] = box->currentText();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            f.setFlag(i, button->isChecked());
    }
    f.picture = picture_;
    return f;
}

void ItemFormWindow::setForm(const CustomItemForm &f) {
    for (int i = 0; i < kCustomItemFieldCount; ++i) {
        QWidget *w = inputs_[i];
        // The name and type come from the file name, which may be longer than
        // one can type: the input takes it whole, or saving would rename the item.
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            if (i == field::Name) edit->setMaxLength(std::max<int>(kCustomItemFields[i].capacity, f.texts[i].size()));
            edit->setText(f.texts[i]);
        } else if (auto *box = qobject_cast<QComboBox *>(w)) {
            box->lineEdit()->setMaxLength(std::max<int>(kTypeInputLength, f.texts[i].size()));
            box->setEditText(f.texts[i]);
        } else if (i == field::Coins) {
            static_cast<QRadioButton *>(w)->setChecked(f.flag(i));
            gold_->setChecked(!f.flag(i));
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            button->setChecked(f.flag(i));
        }
    }
    picture_ = f.picture;
    showPreview();
}

void ItemFormWindow::choosePicture() {
    const QString chosen = pictureChooser()(this);
    if (chosen.isEmpty()) return;
    picture_ = chosen;
    showPreview();
}

void ItemFormWindow::showPreview() {
    const QString file = QFileInfo(picture_).isAbsolute() ? picture_ : store_.pictureFile(picture_);
    const QImage image = file.isEmpty() ? QImage() : QImageReader(file).read();
    if (image.isNull()) {
        preview_->clear();
        return;
    }
    const QSize box = preview_->size() - QSize(2, 2);
    const QImage shown = image.width() > box.width() || image.height() > box.height()
                             ? image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                             : image;
    preview_->setPixmap(QPixmap::fromImage(shown));
}

}  // namespace veldora
