#include "app/EntryPanel.h"

#include "app/MainWindow.h"
#include "art/Artwork.h"
#include "art/Fonts.h"
#include "art/Labels.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace veldora {

namespace {

QLabel *caption(QWidget *parent, const QString &name, const QString &text, QPoint at) {
    QLabel *label = placedLabel(parent, name, text, verdanaFont(12), at, QColor(60, 36, 18));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

}  // namespace

EntryPanel::EntryPanel(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel4"));
    resize(kWidth, kHeight);
    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("ImagePanel4"));
    image->setGeometry(0, 0, kWidth, kHeight);
    image->setPixmap(art::entryPanelPicture(kWidth, kHeight));
    image->setAttribute(Qt::WA_TransparentForMouseEvents);

    const QString editStyle = QStringLiteral(
        "QLineEdit { background: white; border: 1px solid rgb(170,130,90); border-radius: 3px; padding: 0 3px; }"
        "QLineEdit:focus { border: 1px solid rgb(120,70,30); }");
    for (int i = 0; i < kEntryFieldCount; ++i) {
        const EntryField &f = kEntryFields[i];
        // The first four fields (level and free points) one per line, the eight
        // characteristics in two columns below them.
        QPoint captionAt, editAt;
        int editWidth;
        if (i < 4) {
            captionAt = QPoint(14, 36 + i * 23);
            editAt = QPoint(232, 34 + i * 23);
            editWidth = 70;
        } else {
            const int k = i - 4, column = k / 4, line = k % 4;
            captionAt = QPoint(14 + column * 156, 154 + line * 25);
            editAt = QPoint(100 + column * 156, 152 + line * 25);
            editWidth = 48;
        }
        caption(this, QStringLiteral("LabelEdit%1").arg(i + 1), QString::fromUtf8(f.caption), captionAt);
        auto *edit = new QLineEdit(QString::fromUtf8(f.defaultText), this);
        edit->setObjectName(QString::fromLatin1(f.name));
        edit->setGeometry(editAt.x(), editAt.y(), editWidth, 20);
        edit->setFont(verdanaFont(12));
        edit->setStyleSheet(editStyle);
        edits_[i] = edit;
    }
    auto *warning = new QLabel(QStringLiteral("При нажатии 'Ок' все данные, введённые раннее обнулятся!"), this);
    warning->setObjectName(QStringLiteral("LabelWarning"));
    warning->setFont(verdanaFont(11, true));
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignCenter);
    warning->setGeometry(14, 256, kWidth - 28, 34);
    QPalette warningPalette = warning->palette();
    warningPalette.setColor(QPalette::WindowText, QColor(170, 20, 10));
    warning->setPalette(warningPalette);

    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("Button_ok"));
    ok_->setGeometry((kWidth - 90) / 2, 298, 90, 26);
    ok_->setCursor(Qt::PointingHandCursor);
    ok_->setStyleSheet(QStringLiteral(
        "QPushButton { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 rgb(250,226,186), stop:1 rgb(214,170,116));"
        " border: 1px solid rgb(130,84,44); border-radius: 4px; color: rgb(60,30,10); font-weight: bold; }"
        "QPushButton:hover { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 rgb(255,238,206), stop:1 rgb(228,186,130)); }"
        "QPushButton:pressed { background: rgb(210,166,112); }"));
    connect(ok_, &QPushButton::clicked, this, &EntryPanel::okPressed);

    auto *close = new PictureButton(this);
    close->setObjectName(QStringLiteral("Image4"));
    close->setPixmap(art::closePicture(14, 14));
    close->setGeometry(kWidth - 22, 7, 14, 14);
    connect(close, &PictureButton::clicked, this, &EntryPanel::closePressed);
    hide();
}

QString EntryPanel::fieldText(int field) const { return edits_[field]->text(); }

void EntryPanel::setFieldText(int field, const QString &text) {
    if (edits_[field]->text() != text) edits_[field]->setText(text);
}

void EntryPanel::focusFirstField() {
    edits_[0]->setFocus(Qt::OtherFocusReason);
    edits_[0]->selectAll();
}

void EntryPanel::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ok_->click();
        return;
    case Qt::Key_Escape:
        emit closePressed();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

}  // namespace veldora
