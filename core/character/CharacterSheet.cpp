#include "character/CharacterSheet.h"

#include "character/NumberText.h"

namespace veldora {

namespace {
template <std::size_t N>
void stackRows(std::array<RowPlace, N> &rows) {
    int top = kFirstRowTop;
    for (auto &r : rows) {
        r.top = top;
        top += kRowPitch;
    }
}
int fullHeight(int rows) { return kFirstRowTop + rows * kRowPitch - 3; }
}  // namespace

CharacterSheet::CharacterSheet(QString decimalSeparator) : decimalSeparator_(std::move(decimalSeparator)) {
    for (const auto &info : kSheetLabels) {
        Cell &c = labels_[labelIndex(info.label)];
        c.text = QString::fromUtf8(info.designCaption);
        const auto v = parseInt64(c.text);
        c.value = v.value_or(0);
        c.integer = v.has_value() && QString::number(*v) == c.text;
    }
    // Design layout: every row shown; the first layout replaces it.
    stackRows(itemModifierRows);
    stackRows(statBonusRows);
    stackRows(setBonusRows);
    itemModifierPanel = {kItemPanelTop, fullHeight(kItemModifierRowCount)};
    statBonusPanel = {itemModifierPanel.top + itemModifierPanel.height + kPanelGap, fullHeight(kStatBonusRowCount)};
    setBonusPanel = {statBonusPanel.top + statBonusPanel.height + kPanelGap, fullHeight(kSetBonusRowCount)};
    for (int i = 0; i < kAuraCount; ++i) {
        auras[i].left = kAuraPlaces[i].left;
        auras[i].top = kAuraPlaces[i].top;
        auras[i].hint = QString::fromUtf8(kAuraKinds[i].designHint);
    }
}

std::optional<QString> CharacterSheet::text(QStringView labelName) const {
    const auto l = labelByName(labelName);
    if (!l) return std::nullopt;
    return text(*l);
}

const QString &CharacterSheet::text(Lbl l) const {
    const Cell &c = labels_[labelIndex(l)];
    if (c.stale) {
        c.text = QString::number(c.value);
        c.stale = false;
    }
    return c.text;
}

void CharacterSheet::setValue(Lbl l, qint64 v) {
    Cell &c = labels_[labelIndex(l)];
    if (c.integer && c.value == v) return;
    c.value = v;
    c.integer = true;
    c.stale = true;
}

void CharacterSheet::setText(Lbl l, const QString &t) {
    Cell &c = labels_[labelIndex(l)];
    c.text = t;
    c.stale = false;
    const auto v = parseInt64(t);
    c.value = v.value_or(0);
    c.integer = v.has_value() && QString::number(*v) == t;
}

void CharacterSheet::setDecimalSeparator(const QString &s) { decimalSeparator_ = s; }

void CharacterSheet::addDecimal(Lbl l, double amount) {
    setText(l, veldora::addDecimal(text(l), amount, decimalSeparator_));
}

}  // namespace veldora
