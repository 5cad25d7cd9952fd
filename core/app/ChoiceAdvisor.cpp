#include "app/ChoiceAdvisor.h"

#include "app/CatalogueTabs.h"
#include "character/SheetRules.h"

namespace veldora {

// Keeps what a tried click would have said instead of showing it.
class TrialMessages : public UserMessages {
public:
    void showMessage(const QString &text) override {
        if (first.isEmpty()) first = text;
    }
    QString first;
};

namespace {

int catalogueKey(int tab, int row) { return tab * 1024 + row; }

QString noteFor(const TrialMessages &messages, const QVector<SheetChangeGroup> &changes) {
    if (!messages.first.isEmpty()) return messages.first;
    return changes.isEmpty() ? QStringLiteral("Ничего не изменится.") : QString();
}

}  // namespace

void ChoiceAdvisor::forgetIfChanged() {
    if (seen_ && *seen_ == planner_.state()) return;
    seen_ = planner_.state();
    catalogue_.clear();
    wearable_.clear();
    worn_.fill(std::nullopt);
    rangeKnown_ = false;
}

Planner ChoiceAdvisor::trialPlanner(TrialMessages &messages, bool checkOn) const {
    Planner trial = planner_;
    trial.setMessages(&messages);
    trial.setInfoPanelHider({});
    trial.setRequirementListShown(false);
    trial.setRequirementCheckOn(checkOn);
    return trial;
}

std::optional<MissingRequirements> ChoiceAdvisor::missingNow(Category category, int row) const {
    const PlannerState &s = planner_.state();
    const auto read = readItem(s.catalogue.table(category), row);
    if (const auto *item = std::get_if<ItemValues>(&read)) return missingRequirements(*item, s.sheet, s.points);
    return std::nullopt;
}

ItemChoice ChoiceAdvisor::catalogueItem(int tab, int row) {
    if (tab < 0 || tab >= kCatalogueTabCount) return {};
    forgetIfChanged();
    const auto kept = catalogue_.find(catalogueKey(tab, row));
    if (kept != catalogue_.end()) return kept->second;

    ++trials_;
    TrialMessages messages;
    Planner trial = trialPlanner(messages, true);
    trial.clickCatalogueItem(tab, row);
    const std::optional<MissingRequirements> check = trial.lastRequirementCheck();
    const bool refused = check && !check->met();
    if (refused) {
        // What wearing it would change is what the click does without the check;
        // with the check on, the click itself says it refuses.
        const QString refusal = messages.first;
        messages.first.clear();
        trial = trialPlanner(messages, false);
        trial.clickCatalogueItem(tab, row);
        if (planner_.state().requirementCheckOn) messages.first = refusal;
    }
    ItemChoice choice;
    choice.heading = QStringLiteral("Если надеть:");
    choice.changes = sheetChanges(planner_.state(), trial.state());
    choice.note = noteFor(messages, choice.changes);
    choice.missing = check ? check : missingNow(kCatalogueTabs[tab].category, row);
    wearable_[catalogueKey(tab, row)] = choice.missing && choice.missing->met();
    catalogue_.emplace(catalogueKey(tab, row), choice);
    return choice;
}

ItemChoice ChoiceAdvisor::wornItem(Slot slot) {
    forgetIfChanged();
    std::optional<ItemChoice> &kept = worn_[slotIndex(slot)];
    if (kept) return *kept;

    ++trials_;
    TrialMessages messages;
    Planner trial = trialPlanner(messages, planner_.state().requirementCheckOn);
    trial.clickSlot(slot);
    ItemChoice choice;
    choice.heading = QStringLiteral("Если снять:");
    choice.changes = sheetChanges(planner_.state(), trial.state());
    choice.note = noteFor(messages, choice.changes);
    if (planner_.state().slot(slot).row != 0) choice.missing = missingNow(planner_.slotCategory(slot), planner_.state().slot(slot).row);
    kept = choice;
    return choice;
}

const std::optional<ChoiceAdvisor::CheckRange> &ChoiceAdvisor::checkRange() {
    if (rangeKnown_) return range_;
    rangeKnown_ = true;
    range_.reset();
    const PlannerState &s = planner_.state();
    CheckRange range;
    for (int r = 0; r < kPointRowCount; ++r) range.low[r] = range.high[r] = ownPlusItems(s.sheet, r);
    PointRowValues most{}, least{};
    const auto &pointRows = effectPointRows();
    for (const SlotInfo &info : kSlots) {
        const int worn = s.slot(info.slot).row;
        if (worn == 0) continue;
        const auto read = readItem(s.catalogue.table(planner_.slotCategory(info.slot)), worn);
        const auto *item = std::get_if<ItemValues>(&read);
        if (!item) return range_;
        for (int e = 0; e < kItemEffectCount; ++e) {
            const int r = pointRows[e];
            if (r < 0) continue;
            most[r] = std::max(most[r], qint64(item->amounts[e]));
            least[r] = std::min(least[r], qint64(item->amounts[e]));
        }
    }
    for (int r = 0; r < kPointRowCount; ++r) {
        range.low[r] -= most[r];
        range.high[r] -= least[r];
    }
    range_ = range;
    return range_;
}

bool ChoiceAdvisor::wearable(int tab, int row) {
    if (tab < 0 || tab >= kCatalogueTabCount) return false;
    forgetIfChanged();
    return decideWearable(tab, row);
}

QVector<int> ChoiceAdvisor::wearableRows(int tab) {
    QVector<int> rows;
    if (tab < 0 || tab >= kCatalogueTabCount) return rows;
    forgetIfChanged();
    const int n = planner_.state().catalogue.table(kCatalogueTabs[tab].category).rowCount() - 1;
    for (int row = 1; row <= n; ++row)
        if (decideWearable(tab, row)) rows.append(row);
    return rows;
}

bool ChoiceAdvisor::decideWearable(int tab, int row) {
    const auto kept = wearable_.find(catalogueKey(tab, row));
    if (kept != wearable_.end()) return kept->second;

    // Most items are decided without trying the click: by the level, which no
    // click changes, or by the range the check's values lie in.
    const PlannerState &s = planner_.state();
    const auto read = readItem(s.catalogue.table(kCatalogueTabs[tab].category), row);
    const auto *item = std::get_if<ItemValues>(&read);
    std::optional<bool> ok;
    if (!item) {
        ok = false;
    } else if (const auto &range = checkRange()) {
        const auto meets = [&](const PointRowValues &have) {
            return missingRequirements(*item, have, s.points.level).met();
        };
        if (meets(range->low))
            ok = true;
        else if (!meets(range->high))
            ok = false;
    }
    if (!ok) ok = tryWearing(tab, row);
    wearable_[catalogueKey(tab, row)] = *ok;
    return *ok;
}

bool ChoiceAdvisor::tryWearing(int tab, int row) {
    ++trials_;
    TrialMessages messages;
    Planner trial = trialPlanner(messages, true);
    trial.clickCatalogueItem(tab, row);
    std::optional<MissingRequirements> check = trial.lastRequirementCheck();
    if (!check) check = missingNow(kCatalogueTabs[tab].category, row);
    return check && check->met();
}

}  // namespace veldora
