#include "equipment/MissingRequirements.h"

#include "character/SheetRules.h"
#include "equipment/RequirementTable.h"

#include <QStringList>
#include <algorithm>

namespace veldora {

namespace {

// Each pool named as the short line names it.
constexpr std::array<const char *, kPointTableCount> kPoolNames = {"характеристики", "владения", "магия"};

const RequirementColumn *requirementColumn(int column) {
    for (const RequirementColumn &c : kRequirementColumns)
        if (c.column == column) return &c;
    return nullptr;
}

}  // namespace

const UnmetRequirement *MissingRequirements::find(int itemColumn) const {
    for (const UnmetRequirement &u : unmet)
        if (u.itemColumn == itemColumn) return &u;
    return nullptr;
}

qint64 MissingRequirements::levelAbove() const {
    for (const UnmetRequirement &u : unmet)
        if (requirementColumn(u.column)->pointRow < 0) return u.required;
    return 0;
}

bool MissingRequirements::pointsMatter() const {
    return std::any_of(needed.begin(), needed.end(), [](qint64 n) { return n > 0; });
}

bool MissingRequirements::pointsSuffice() const {
    for (int p = 0; p < kPointTableCount; ++p)
        if (needed[p] > free[p]) return false;
    return true;
}

MissingRequirements missingRequirements(const ItemValues &item, const PointRowValues &have, qint64 level) {
    MissingRequirements m;
    for (const RequirementColumn &c : kRequirementColumns) {
        if (c.itemColumn == 0) continue;
        const qint64 required = item.requirements[c.column];
        if (c.pointRow < 0) {
            if (required > level) m.unmet.append({c.column, c.itemColumn, required, level});
            continue;
        }
        if (have[c.pointRow] >= required) continue;
        m.unmet.append({c.column, c.itemColumn, required, have[c.pointRow]});
        m.needed[pointTableIndex(kPointRows[c.pointRow].table)] += required - have[c.pointRow];
    }
    return m;
}

MissingRequirements missingRequirements(const ItemValues &item, const CharacterSheet &sheet,
                                        const PointState &points) {
    PointRowValues have{};
    for (int r = 0; r < kPointRowCount; ++r) have[r] = ownPlusItems(sheet, r);
    MissingRequirements m = missingRequirements(item, have, points.level);
    m.free = points.free;
    return m;
}

QString missingNote(qint64 amount) { return QStringLiteral("не хватает %1").arg(amount); }

QString wearableFromLevelLine(qint64 level) { return QStringLiteral("Можно надеть с %1 уровня").arg(level); }

QString freePointsLine(const MissingRequirements &missing) {
    if (missing.pointsSuffice()) return QStringLiteral("Хватит свободных параметров");
    QStringList pools;
    for (int p = 0; p < kPointTableCount; ++p)
        if (missing.needed[p] > missing.free[p])
            pools << QStringLiteral("%1: %2").arg(QString::fromUtf8(kPoolNames[p])).arg(missing.needed[p] - missing.free[p]);
    return QStringLiteral("Не хватит свободных параметров — ") + pools.join(QStringLiteral(", "));
}

QString missingRequirementsText(const MissingRequirements &missing) {
    QStringList lines;
    for (const UnmetRequirement &u : missing.unmet)
        lines << QStringLiteral("%1: %2 (%3)")
                     .arg(QString::fromUtf8(requirementColumn(u.column)->caption))
                     .arg(u.required)
                     .arg(missingNote(u.missing()));
    if (const qint64 level = missing.levelAbove()) lines << wearableFromLevelLine(level);
    if (missing.pointsMatter()) lines << freePointsLine(missing);
    return lines.join(QLatin1Char('\r'));
}

}  // namespace veldora
