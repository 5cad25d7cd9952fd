#pragma once

#include "app/PlannerState.h"

#include <QObject>
#include <QString>
#include <deque>
#include <functional>

namespace veldora {

class Planner;

// Undo and redo of every change of the character and the outfit. Each step keeps
// a snapshot of the planner's state as it was before (or, to redo, after) one
// player action; the catalogue's tables share their rows between snapshots, so a
// step costs kilobytes even when it appends a forged copy.
//
// Undo leaves alone what is not the character's: the requirement-check setting
// (kept in the settings file), whether the entry panel is open, and the set
// faults already reported once.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultLimit = 100;

    explicit UndoHistory(Planner &planner, int limit = kDefaultLimit, QObject *parent = nullptr);

    Planner &planner() { return planner_; }
    const Planner &planner() const { return planner_; }

    // Runs `action` on the planner as one step named `label`. The step is kept
    // only when the character or the outfit changed; a kept step drops every step
    // that could be redone, and the oldest step once there are `limit`. An action
    // performed from within another one belongs to the outer step. Returns whether
    // a step was kept.
    bool perform(const QString &label, const std::function<void()> &action);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The label of the step undo or redo would take back; empty when there is none.
    QString undoLabel() const;
    QString redoLabel() const;
    bool undo();
    bool redo();
    int undoCount() const { return int(undo_.size()); }
    int redoCount() const { return int(redo_.size()); }
    int limit() const { return limit_; }

    // Forgets every step (the state stays).
    void clear();

    // The unsaved mark of a plan: the state is clean when it is the one last saved
    // or opened, also when undo or redo lead back to it.
    void markClean();
    bool isClean() const { return position_ == cleanPosition_; }

    // Whether the planner's character or outfit changed since the last step,
    // undo or redo without going through perform (a path that bypasses the history).
    // Only the tests ask, after each window action; the snapshot it needs is cheap
    // since the catalogue's rows are shared.
    bool hasUnrecordedChange() const;

signals:
    // After every perform, undo, redo and clear, also when nothing changed.
    void changed();

private:
    struct Step {
        QString label;
        PlannerState state;
        quint64 position;  // which state this is, for the unsaved mark
    };

    // Takes the last step of `from` back and keeps the state it replaces in `to`.
    bool putBack(std::deque<Step> &from, std::deque<Step> &to);
    void remember();

    Planner &planner_;
    int limit_;
    std::deque<Step> undo_;  // oldest first
    std::deque<Step> redo_;  // next to redo last
    PlannerState last_;      // the state after the last step, undo or redo: for hasUnrecordedChange
    quint64 position_ = 0;
    quint64 nextPosition_ = 1;
    quint64 cleanPosition_ = 0;
    int depth_ = 0;
};

// Copies into `state` what undo leaves as it is now (see UndoHistory).
void keepCurrentSettings(PlannerState &state, const PlannerState &current);

// Whether two states hold the same character and outfit, whatever the settings
// and views that undo leaves alone and the last preset's failure list.
bool sameCharacterAndOutfit(const PlannerState &a, const PlannerState &b);

}  // namespace veldora
