#include "app/ChoiceAdvisor.h"

#include "app/CatalogueTabs.h"

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
    if (check && !check->met()) {
        // Refused: what wearing it would change is what the click does without the check.
        messages.first.clear();
        trial = trialPlanner(messages, false);
        trial.clickCatalogueItem(tab, row);
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

bool ChoiceAdvisor::wearable(int tab, int row) {
    if (tab < 0 || tab >= kCatalogueTabCount) return false;
    forgetIfChanged();
    const auto kept = wearable_.find(catalogueKey(tab, row));
    if (kept != wearable_.end()) return kept->second;

    ++trials_;
    TrialMessages messages;
    Planner trial = trialPlanner(messages, true);
    trial.clickCatalogueItem(tab, row);
    std::optional<MissingRequirements> check = trial.lastRequirementCheck();
    if (!check) check = missingNow(kCatalogueTabs[tab].category, row);
    const bool ok = check && check->met();
    wearable_[catalogueKey(tab, row)] = ok;
    return ok;
}

}  // namespace veldora
