#include "views/InfoPanel.h"

#include "art/Artwork.h"
#include "art/Fonts.h"

#include <QLabel>
#include <QMouseEvent>

namespace veldora {

QString blockToLabelText(const QString &block) {
    QString text = block;
    if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

InfoPanel::InfoPanel(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel_info"));
    setFixedWidth(kWidth);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, art::infoPanelColour());
    setPalette(pal);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setStyleSheet(QStringLiteral("#Panel_info { background: rgb(238,238,255); border: 1px solid rgb(120,120,170); }"));
    setMouseTracking(true);

    const QColor black(0, 0, 0);
    name_ = addLabel("Label_info_name", sansSerifFont(13, true), black, 20);
    name_->move(20, 5);
    head_ = addLabel("Label_info1", verdanaFont(11), black, 5);
    head_->move(5, 22);
    actionCaption_ = addLabel("Label_deystvie", verdanaFont(13, true), QColor(68, 68, 68), 20);
    actionCaption_->setText(QStringLiteral("Действие:"));
    action_ = addLabel("Label_info2", verdanaFont(11), black, 6);
    featuresCaption_ = addLabel("Label_Osoben", verdanaFont(13, true), QColor(68, 68, 68), 20);
    featuresCaption_->setText(QStringLiteral("Особенности:"));
    features_ = addLabel("Label_info4", verdanaFont(11), black, 6);
    requirementsCaption_ = addLabel("Label_trebov", verdanaFont(12, true), QColor(51, 51, 51), 20);
    requirementsCaption_->setText(QStringLiteral("Требования:"));
    requirements_ = addLabel("Label_info3", verdanaFont(11), black, 6);
    for (QLabel *l : {actionCaption_, featuresCaption_, requirementsCaption_}) l->adjustSize();
    hide();
}

QLabel *InfoPanel::addLabel(const char *objectName, const QFont &font, const QColor &colour, int left) {
    auto *label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->move(left, 0);
    return label;
}

void InfoPanel::setInfo(const ItemInfoText &info) {
    // An empty block takes no room, so the next caption follows its own caption.
    auto setBlock = [](QLabel *label, const QString &text) {
        label->setText(text);
        if (text.isEmpty())
            label->resize(0, 0);
        else
            label->adjustSize();
    };
    auto below = [](const QLabel *label) { return label->y() + label->height(); };
    setBlock(name_, info.name);
    setBlock(head_, blockToLabelText(info.head));
    actionCaption_->move(actionCaption_->x(), below(head_));
    action_->move(action_->x(), below(actionCaption_));
    setBlock(action_, blockToLabelText(info.action));
    featuresCaption_->move(featuresCaption_->x(), below(action_));
    features_->move(features_->x(), below(featuresCaption_));
    setBlock(features_, blockToLabelText(info.features));
    requirementsCaption_->move(requirementsCaption_->x(), below(features_));
    requirements_->move(requirements_->x(), below(requirementsCaption_));
    setBlock(requirements_, blockToLabelText(info.requirements));
    setFixedHeight(below(requirements_) + 10);
}

void InfoPanel::mouseMoveEvent(QMouseEvent *event) {
    hide();
    QFrame::mouseMoveEvent(event);
}

}  // namespace veldora
