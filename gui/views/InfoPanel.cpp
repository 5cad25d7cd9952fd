#include "views/InfoPanel.h"

#include "art/Artwork.h"
#include "art/Fonts.h"
#include "views/ToneLines.h"

#include <QHash>
#include <QLabel>
#include <QStringList>

#include <algorithm>
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
    summary_ = new ToneLinesView(verdanaFont(11), this);
    summary_->setObjectName(QStringLiteral("Label_choice_missing"));
    changesCaption_ = addLabel("Label_choice_caption", verdanaFont(13, true), QColor(68, 68, 68), 20);
    changes_ = new ToneLinesView(verdanaFont(11), this);
    changes_->setObjectName(QStringLiteral("Label_choice"));
    for (QWidget *w : {static_cast<QWidget *>(summary_), static_cast<QWidget *>(changesCaption_),
                       static_cast<QWidget *>(changes_)})
        w->hide();
    hide();
}

QString toneLinesHtml(const QVector<ToneLine> &lines) {
    QStringList html;
    for (const ToneLine &line : lines) {
        const QString text = line.text.toHtmlEscaped();
        switch (line.tone) {
        case Tone::Plain:
            html << text;
            break;
        case Tone::Gain:
        case Tone::Loss:
        case Tone::Unmet:
            html << QStringLiteral("<span style=\"color:%1\">%2</span>").arg(toneColour(line.tone).name(), text);
            break;
        case Tone::Heading:
            html << QStringLiteral("<b>%1</b>").arg(text);
            break;
        }
    }
    return html.join(QStringLiteral("<br>"));
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

namespace {

// Measuring a block lays its text out, the costly part of a hover; the same
// texts come back as the pointer moves over the pictures, so their sizes are kept.
QSize keptSize(QHash<QString, QSize> &sizes, QLabel *label, const QString &text) {
    if (sizes.size() > 4096) sizes.clear();
    auto found = sizes.constFind(text);
    if (found != sizes.constEnd()) return *found;
    label->adjustSize();
    return *sizes.insert(text, label->size());
}

}  // namespace

QSize InfoPanel::blockSize(QLabel *label, const QString &text) { return keptSize(blockSizes_[label], label, text); }

void InfoPanel::setInfo(const ItemInfoText &info) {
    info_ = info;
    // An empty block takes no room, so the next caption follows its own caption.
    auto setBlock = [this](QLabel *label, const QString &text) {
        label->setText(text);
        if (text.isEmpty())
            label->resize(0, 0);
        else
            label->resize(blockSize(label, text));
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
    if (requirements_->textFormat() != Qt::PlainText) {
        // Switching the format sets the old text again in the new one: clear it first.
        requirements_->clear();
        requirements_->setTextFormat(Qt::PlainText);
    }
    setBlock(requirements_, blockToLabelText(info.requirements));
    changesCaption_->hide();
    changesCaption_->clear();
    for (ToneLinesView *v : {summary_, changes_}) {
        v->hide();
        v->clear();
    }
    setFixedHeight(below(requirements_) + 10);
}

void InfoPanel::setChoice(const ChoiceText &choice, int maxHeight) {
    auto below = [](const QWidget *w) { return w->y() + w->height(); };
    constexpr int kLinesLeft = 6;
    const int width = kWidth - kLinesLeft - 6;
    if (!choice.requirements.isEmpty()) {
        const QString html = toneLinesHtml(choice.requirements);
        requirements_->setTextFormat(Qt::RichText);
        requirements_->setText(html);
        requirements_->resize(keptSize(markedRequirementSizes_, requirements_, html));
    }
    int bottom = below(requirements_);
    if (!choice.summary.isEmpty()) {
        summary_->move(kLinesLeft, bottom);
        summary_->setLines(choice.summary, width);
        summary_->show();
        bottom = below(summary_);
    }
    if (!choice.changeHeading.isEmpty()) {
        changesCaption_->setText(choice.changeHeading);
        changesCaption_->adjustSize();
        changesCaption_->move(changesCaption_->x(), bottom);
        changesCaption_->show();
        bottom = below(changesCaption_);
        if (!choice.changes.isEmpty()) {
            changes_->move(kLinesLeft, bottom);
            // The lines that would take the panel past its height are counted instead.
            changes_->setLines(choice.changes, width, std::max(1, (maxHeight - 10 - bottom) / changes_->rowHeight()));
            changes_->show();
            bottom = below(changes_);
        }
    }
    setFixedHeight(bottom + 10);
}

void InfoPanel::mouseMoveEvent(QMouseEvent *event) {
    hide();
    QFrame::mouseMoveEvent(event);
}

}  // namespace veldora
