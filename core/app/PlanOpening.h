#pragma once

#include "app/PlanFile.h"

#include <QString>
#include <QStringList>

namespace veldora {

class Planner;
class UndoHistory;

// How putting a plan on the planner ended.
struct PlanOpening {
    bool opened = false;
    // Why the plan was not opened (to follow "План «…» не открыт: "); empty when
    // it was, or when the planner has already said why.
    QString refusal;
    // Catalogue items of the plan that the item database no longer holds.
    QStringList missing;
};

// Builds the plan's character and outfit with the planner's own operations, as
// the player would: the entry panel's "Ok" with the plan's entry, the plus and
// minus buttons up to its own values, then every item put on in slot order, as
// it was worn (without the requirement check: the character may have stopped
// meeting an item's requirements after putting it on). A copy comes back with its
// cells, in a row of its own or in an appended row that already holds the same
// cells. The requirement-check setting is left as the player has it.
//
// A distribution the entry cannot give, or an outfit that cannot be taken off,
// leaves the planner as it was. An item the database no longer holds is left out
// and named in `missing`; the rest is put on.
PlanOpening applyPlan(Planner &planner, const Plan &plan);

// The message naming the missing items of plan `planName`.
QString missingItemsMessage(const QString &planName, const QStringList &missing);

// "Открыть план...": reads the file and puts it on as one undo step. Every message
// goes through the planner; returns whether the plan was opened.
bool openPlanFile(UndoHistory &history, const QString &path);

}  // namespace veldora
