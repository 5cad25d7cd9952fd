#pragma once

#include "app/Planner.h"
#include "views/SheetChanges.h"

#include <QString>
#include <QVector>
#include <array>
#include <optional>
#include <unordered_map>

namespace veldora {

class TrialMessages;

// What choosing one item would do: the values of the sheet it would change and
// what its requirements lack.
struct ItemChoice {
    QString heading;  // "Если надеть:" or "Если снять:"
    QVector<SheetChangeGroup> changes;
    // The message the click itself would show ("Все слоты для колец заняты."), or
    // "Ничего не изменится." when it would change nothing and say nothing.
    QString note;
    // Measured as the requirement check measures it when the click reaches the
    // check, else against the character as it is; nothing for an unreadable item.
    std::optional<MissingRequirements> missing;
    bool operator==(const ItemChoice &) const = default;
};

// Works choices out by applying the click to a copy of the planner, which shows
// the player no message and leaves the planner itself untouched. Results are kept
// per item until the planner's state changes in any way.
class ChoiceAdvisor {
public:
    explicit ChoiceAdvisor(const Planner &planner) : planner_(planner) {}

    // A click on the picture of `row` on browser tab `tab`: "Если надеть:". When
    // the requirements are not met, the changes are those of wearing it anyway
    // (the check off), `missing` says what is lacking, and with the check on the
    // note is the refusal the click would show.
    ItemChoice catalogueItem(int tab, int row);
    // A click on a worn slot: "Если снять:".
    ItemChoice wornItem(Slot slot);
    // Whether the requirement check lets the character wear the item now.
    bool wearable(int tab, int row);
    // The catalogue rows of `tab` (1..N) that are wearable, in row order.
    QVector<int> wearableRows(int tab);

    // How many clicks have been tried on copies so far (the cache keeps it low).
    int trials() const { return trials_; }

private:
    // Own value + items of each point row that the requirement check can meet: a
    // click empties at most the slot it fills before it checks, so the values lie
    // between what every item worn gives and what none of them takes away.
    struct CheckRange {
        PointRowValues low{}, high{};
    };
    const std::optional<CheckRange> &checkRange();
    bool tryWearing(int tab, int row);
    bool decideWearable(int tab, int row);

    void forgetIfChanged();
    Planner trialPlanner(TrialMessages &messages, bool checkOn) const;
    std::optional<MissingRequirements> missingNow(Category category, int row) const;

    const Planner &planner_;
    std::optional<PlannerState> seen_;  // the state the kept results belong to
    std::unordered_map<int, ItemChoice> catalogue_;
    std::unordered_map<int, bool> wearable_;
    std::array<std::optional<ItemChoice>, kSlotCount> worn_;
    bool rangeKnown_ = false;           // worked out for the state seen
    std::optional<CheckRange> range_;  // nothing when a worn row is unreadable
    int trials_ = 0;
};

}  // namespace veldora
