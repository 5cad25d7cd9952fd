#include "app/PlanOpening.h"

#include "app/ActionLabels.h"
#include "app/Planner.h"
#include "app/UndoHistory.h"
#include "character/NumberText.h"

#include <algorithm>
#include <optional>

namespace veldora {

namespace {

// More clicks than a player makes in a lifetime: a plan that needs them was not
// saved by the program.
constexpr qint64 kMostClicks = 100000;

QString u8(const char *text) { return QString::fromUtf8(text); }

// Why the buttons cannot lead from the character the entry gave to the plan's own
// values, or nothing. Minus clicks come first, so the points they free are there
// for the plus clicks; Удача is refused here rather than by its button's message.
std::optional<QString> distributionFault(const PointState &entered, const Plan &plan) {
    qint64 clicks = 0;
    for (const PointTableInfo &t : kPointTables) {
        qint64 freed = 0, spent = 0;
        for (int r = t.firstRow; r < t.firstRow + t.rowCount; ++r) {
            const qint64 delta = plan.own[r] - entered.own[r];
            const QString why = QStringLiteral("он повреждён: «%1» %2 не получить кнопками из введённых данных")
                                    .arg(u8(kPointRows[r].caption))
                                    .arg(plan.own[r]);
            if (delta < 0 && plan.own[r] < kPointRows[r].minimum) return why;
            if (delta > 0 && r == stat::Uda4a && entered.level < 5) return why;
            (delta < 0 ? freed : spent) += std::abs(delta);
            clicks += std::abs(delta);
        }
        if (spent > entered.free[pointTableIndex(t.table)] + freed)
            return QStringLiteral("он повреждён: в нём распределено больше очков, чем введено");
    }
    if (clicks > kMostClicks) return QStringLiteral("он повреждён: в нём распределено %1 очков").arg(clicks);
    return std::nullopt;
}

void distribute(Planner &planner, const Plan &plan) {
    const auto base = planner.state().points.own;
    for (int sign : {-1, +1}) {
        for (const PointTableInfo &t : kPointTables) {
            for (int r = t.firstRow; r < t.firstRow + t.rowCount; ++r) {
                const qint64 delta = plan.own[r] - base[r];
                if (delta * sign <= 0) continue;
                for (qint64 k = 0; k < std::abs(delta); ++k) {
                    if (sign > 0)
                        planner.plus(t.table, r - t.firstRow);
                    else
                        planner.minus(t.table, r - t.firstRow);
                }
            }
        }
    }
}

// The catalogue row of a plan's item: the row it was saved from when that still
// holds the name, else the first of that name.
std::optional<int> catalogueRow(const CategoryTable &table, const PlanItem &item) {
    const int last = std::min(table.rowCount() - 1, CategoryTable::kMaxItemRows);
    if (item.row >= 1 && item.row <= last && table.cellRef(col::Name, item.row) == item.name) return item.row;
    for (int r = 1; r <= last; ++r)
        if (table.cellRef(col::Name, r) == item.name) return r;
    return std::nullopt;
}

// An appended row that holds the copy's cells already (the plan opened before in
// this run).
std::optional<int> appendedCopyRow(const CategoryTable &table, const PlanItem &item) {
    for (int r = std::max(1, table.rowCount()); r <= CategoryTable::kMaxItemRows; ++r) {
        if (table.cellRef(col::Name, r).isEmpty()) continue;
        bool same = true;
        for (int c = 0; c < kItemColumnCount && same; ++c) same = table.cellRef(c, r) == item.cells[c];
        if (same) return r;
    }
    return std::nullopt;
}

}  // namespace

PlanOpening applyPlan(Planner &planner, const Plan &plan) {
    PlanOpening result;
    const PlannerState before = planner.state();
    for (int f = 0; f < kEntryFieldCount; ++f) planner.setEntryText(f, plan.entryTexts[f]);
    if (!planner.applyCharacterEntry()) {
        // The planner has named the worn item that could not be taken off.
        planner.restore(before);
        result.refusal = QStringLiteral("надетые предметы не сняты");
        return result;
    }
    if (const auto fault = distributionFault(planner.state().points, plan)) {
        planner.restore(before);
        result.refusal = *fault;
        return result;
    }
    distribute(planner, plan);
    if (planner.state().points.own != plan.own) {
        planner.restore(before);
        result.refusal = QStringLiteral("он повреждён: очки не распределились, как в нём записано");
        return result;
    }

    for (const PlanItem &item : plan.items) {
        const CategoryTable &table = planner.state().catalogue.table(item.table);
        const auto row = item.isCopy() ? appendedCopyRow(table, item) : catalogueRow(table, item);
        if (row)
            planner.replaceWornItem(item.slot, item.table, *row, item.setName, false);
        else if (item.isCopy())
            planner.wearNewRow(item.slot, item.table, item.cells, item.setName,
                               {item.cells[col::Name], QStringLiteral("не надет")});
        else
            result.missing << item.name;
    }
    // The hands are as the plan had them: a two-handed preset without its weapon
    // keeps the grip, an empty off-hand the kind it last held.
    PlannerState hands = planner.state();
    hands.weaponGrip = plan.weaponGrip;
    if (hands.slot(Slot::OffHand).row == 0) hands.offHandKind = plan.offHandKind;
    planner.restore(std::move(hands));
    result.opened = true;
    return result;
}

QString missingItemsMessage(const QString &planName, const QStringList &missing) {
    return QStringLiteral("В базе предметов больше нет этих предметов плана «%1», они не надеты:\r\r%2")
        .arg(planName, missing.join(QLatin1Char('\r')));
}

bool openPlanFile(UndoHistory &history, const QString &path) {
    Planner &planner = history.planner();
    auto loaded = loadPlanFile(path);
    if (const QString *why = std::get_if<QString>(&loaded)) {
        planner.message(*why);
        return false;
    }
    const Plan &plan = std::get<Plan>(loaded);
    const QString name = planName(path);
    PlanOpening result;
    history.perform(openPlanLabel(name), [&] { result = applyPlan(planner, plan); });
    if (!result.refusal.isEmpty()) planner.message(QStringLiteral("План «%1» не открыт: %2.").arg(name, result.refusal));
    if (!result.missing.isEmpty()) planner.message(missingItemsMessage(name, result.missing));
    return result.opened;
}

}  // namespace veldora
