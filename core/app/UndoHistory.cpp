#include "app/UndoHistory.h"

#include "app/Planner.h"

#include <algorithm>

namespace veldora {

void keepCurrentSettings(PlannerState &state, const PlannerState &current) {
    state.requirementCheckOn = current.requirementCheckOn;
    state.sheet.entryPanelVisible = current.sheet.entryPanelVisible;
    state.reportedSetFaults = current.reportedSetFaults;
}

namespace {

// The preset failure list is put back with its step, but a preset that only
// refilled it changed nothing the player sees.
void ignoreFailureList(PlannerState &state, const PlannerState &current) {
    state.errorLabel = current.errorLabel;
    state.lastFailedItemName = current.lastFailedItemName;
}

}  // namespace

bool sameCharacterAndOutfit(const PlannerState &a, const PlannerState &b) {
    PlannerState alike = a;
    keepCurrentSettings(alike, b);
    ignoreFailureList(alike, b);
    return alike == b;
}

UndoHistory::UndoHistory(Planner &planner, int limit, QObject *parent)
    : QObject(parent), planner_(planner), limit_(std::max(1, limit)), last_(planner.state()) {}

bool UndoHistory::perform(const QString &label, const std::function<void()> &action) {
    if (depth_ > 0) {
        action();
        return false;
    }
    PlannerState before = planner_.state();
    struct Depth {
        int &depth;
        explicit Depth(int &d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    };
    {
        const Depth inside(depth_);
        action();
    }
    const bool changedState = !sameCharacterAndOutfit(before, planner_.state());
    if (changedState) {
        undo_.push_back({label, std::move(before), position_});
        if (int(undo_.size()) > limit_) undo_.pop_front();
        redo_.clear();
        position_ = nextPosition_++;
    }
    remember();
    emit changed();
    return changedState;
}

QString UndoHistory::undoLabel() const { return undo_.empty() ? QString() : undo_.back().label; }
QString UndoHistory::redoLabel() const { return redo_.empty() ? QString() : redo_.back().label; }

bool UndoHistory::putBack(std::deque<Step> &from, std::deque<Step> &to) {
    if (from.empty()) return false;
    Step step = std::move(from.back());
    from.pop_back();
    const PlannerState &now = planner_.state();
    PlannerState state = std::move(step.state);
    keepCurrentSettings(state, now);
    to.push_back({std::move(step.label), now, position_});
    position_ = step.position;
    planner_.restore(std::move(state));
    remember();
    emit changed();
    return true;
}

bool UndoHistory::undo() { return putBack(undo_, redo_); }
bool UndoHistory::redo() { return putBack(redo_, undo_); }

void UndoHistory::clear() {
    undo_.clear();
    redo_.clear();
    remember();
    emit changed();
}

void UndoHistory::markClean() {
    cleanPosition_ = position_;
    emit changed();
}

void UndoHistory::remember() { last_ = planner_.state(); }

bool UndoHistory::hasUnrecordedChange() const { return !sameCharacterAndOutfit(last_, planner_.state()); }

}  // namespace veldora
