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

void UndoHistory::putBack(Step &from, std::deque<Step> &to) {
    const PlannerState &now = planner_.state();
    PlannerState state = std::move(from.state);
    keepCurrentSettings(state, now);
    to.push_back({std::move(from.label), now, position_});
    position_ = from.position;
    planner_.restore(std::move(state));
}

bool UndoHistory::undo() {
    if (undo_.empty()) return false;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    putBack(step, redo_);
    remember();
    emit changed();
    return true;
}

bool UndoHistory::redo() {
    if (redo_.empty()) return false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    putBack(step, undo_);
    remember();
    emit changed();
    return true;
}

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
