#pragma once

// In-memory catalogues and a message recorder for tests of the planner.

#include "app/Planner.h"
#include "app/UserMessages.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ItemColumns.h"
#include "support/QStringPrinter.h"

#include <QStringList>
#include <vector>
#include <utility>

namespace veldora::test {

struct RecordedMessages : UserMessages {
    QStringList shown;
    void showMessage(const QString &text) override { shown.append(text); }
};

using Cells = std::vector<std::pair<int, QString>>;

// An item row: every database column "0" except the name, an empty set name, no
// second-weapon or two-handed flag, no picture; then the given cells.
inline QVector<QString> itemRow(const QString &name, const Cells &cells = {}) {
    QVector<QString> row(kItemColumnCount);
    for (const ItemColumn &c : kItemColumns) row[c.column] = QStringLiteral("0");
    for (int c = col::ForgeCount; c <= col::EnchantAmount; ++c) row[c] = QStringLiteral("0");
    row[col::Name] = name;
    row[col::SetName] = QString();
    row[col::SecondWeapon] = QStringLiteral("Нет");
    row[col::TwoHanded] = QStringLiteral("Нет");
    row[col::File] = QString();
    for (const auto &[column, text] : cells) row[column] = text;
    return row;
}

// Appends rows to the tables of a catalogue as the loader would (rows 1..N).
struct CatalogueBuilder {
    Catalogue catalogue;

    int add(Category c, const QString &name, const Cells &cells = {}) {
        CategoryTable &t = catalogue.table(c);
        const int row = *t.appendRow(itemRow(name, cells));
        t.setRowCount(row + 1);
        ++catalogue.itemCount;
        return row;
    }

    // A set row: the needed count and the given bonus columns, "0" elsewhere.
    int addSet(const QString &name, int needed, const Cells &cells = {}) {
        SetBonusTable &s = catalogue.sets;
        const int row = s.rowCount();
        for (int c = 1; c < kSetBonusColumnCount; ++c) s.setCell(c, row, QStringLiteral("0"));
        s.setCell(0, row, name);
        s.setCell(kSetNeededColumn, row, QString::number(needed));
        for (const auto &[column, text] : cells) s.setCell(column, row, text);
        s.setRowCount(row + 1);
        return row;
    }
};

// Names the first part in which two states differ, for failure messages.
inline std::string firstDifference(const PlannerState &a, const PlannerState &b) {
    if (!(a.catalogue == b.catalogue)) return "catalogue";
    for (int i = 0; i < kSlotCount; ++i)
        if (!(a.equipmentSlots[i] == b.equipmentSlots[i])) return "slot " + std::to_string(i);
    if (a.weaponGrip != b.weaponGrip || a.offHandKind != b.offHandKind) return "hands";
    if (!(a.requirements == b.requirements)) return "requirement table";
    for (const SheetLabelInfo &l : kSheetLabels)
        if (a.sheet.text(l.label) != b.sheet.text(l.label))
            return std::string(l.name) + ": " + a.sheet.text(l.label).toStdString() + " vs " +
                   b.sheet.text(l.label).toStdString();
    if (!(a.sheet == b.sheet)) return "sheet layout";
    if (!(a.itemTotals == b.itemTotals)) return "item totals";
    if (!(a.points == b.points)) return "points";
    if (a.wornSetName != b.wornSetName || a.wornSetCount != b.wornSetCount) return "worn set";
    if (!(a == b)) return "other";
    return "none";
}

// A planner on `catalogue` with "," as separator and messages recorded.
struct PlannerFixture {
    RecordedMessages messages;
    Planner planner;
    int hiddenInfoPanels = 0;

    explicit PlannerFixture(Catalogue catalogue = {})
        : planner(std::move(catalogue), QStringLiteral("/nonexistent"), QStringLiteral(","), &messages) {
        planner.setInfoPanelHider([this] { ++hiddenInfoPanels; });
    }
    const PlannerState &state() const { return planner.state(); }
    const CharacterSheet &sheet() const { return planner.state().sheet; }
    QString text(Lbl l) const { return sheet().text(l); }
    qint64 value(Lbl l) const { return sheet().value(l); }
    int row(Slot s) const { return state().slot(s).row; }
};

}  // namespace veldora::test
