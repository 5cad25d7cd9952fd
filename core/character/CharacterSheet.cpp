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
        c.value = parseInt64(c.text).value_or(0);
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

void CharacterSheet::setValue(Lbl l, qint64 v) {
    Cell &c = labels_[labelIndex(l)];
    // Integer labels always show their value in plain decimal, so an equal value
    // means an equal text; skipping the write keeps the recompute chain cheap.
    if (c.value == v && !c.text.isEmpty()) return;
    c.value = v;
    c.text = QString::number(v);
}

void CharacterSheet::setText(Lbl l, const QString &t) {
    Cell &c = labels_[labelIndex(l)];
    c.text = t;
    c.value = parseInt64(t).value_or(0);
}

void CharacterSheet::setDecimalSeparator(const QString &s) { decimalSeparator_ = s; }

void CharacterSheet::addDecimal(Lbl l, double amount) {
    setText(l, veldora::addDecimal(text(l), amount, decimalSeparator_));
}

}  // namespace veldora
