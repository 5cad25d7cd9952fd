#include "art/Labels.h"

#include <QLabel>

namespace veldora {

QLabel *placedLabel(QWidget *parent, const QString &objectName, const QString &text, const QFont &font, QPoint at,
                    const QColor &colour) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    if (colour.isValid()) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, colour);
        label->setPalette(pal);
    }
    label->adjustSize();
    label->move(at);
    return label;
}

void setLabelText(QLabel *label, const QString &text) {
    if (label->text() == text) return;
    label->setText(text);
    label->adjustSize();
}

}  // namespace veldora
