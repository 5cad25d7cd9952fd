#include "views/SheetChanges.h"

#include "character/Auras.h"
#include "character/ModifierPanels.h"
#include "character/NumberText.h"
#include "character/PointTables.h"

#include <algorithm>

namespace veldora {

namespace {

// The sums under the character panel, with their captions there.
struct SumLabel {
    Lbl label;
    const char *caption;
    bool decimal;
    bool moreIsBetter;
};
const SumLabel kSums[] = {
    {Lbl::LabelMaxMassa, "Размер рюкзака", false, true},
    {Lbl::LabelMassa, "Общая масса", true, false},
    {Lbl::LMoneti, "Монет", true, false},
    {Lbl::LZoloto, "Золотых", true, false},
    {Lbl::LKO, "К.о.", true, false},
};

// Health and mana are written "n/n".
struct PoolLabel {
    Lbl label;
    const char *caption;
};
const PoolLabel kPools[] = {{Lbl::LabelHP, "Здоровье (HP)"}, {Lbl::LabelMP, "Мана (MP)"}};

// Labels whose value another line already shows.
bool shownElsewhere(Lbl l) {
    for (const PointRow &r : kPointRows)
        if (r.setBonusSource == l) return true;
    for (const AuraKind &k : kAuraKinds)
        if (std::find(k.sources.begin(), k.sources.end(), l) != k.sources.end()) return true;
    return false;
}

// Panel captions end in a colon or a space here and there.
QString plainCaption(const char *caption) {
    QString c = QString::fromUtf8(caption).trimmed();
    if (c.endsWith(QLatin1Char(':'))) c.chop(1);
    return c.trimmed();
}

QString signedNumber(qint64 d) { return d > 0 ? QStringLiteral("+") + QString::number(d) : QString::number(d); }

qint64 poolValue(const CharacterSheet &sheet, Lbl l) {
    const QString &t = sheet.text(l);
    return parseInt64(t.left(t.indexOf(QLatin1Char('/')))).value_or(0);
}

struct Collector {
    QVector<SheetChange> changes;

    void integer(const QString &caption, qint64 before, qint64 after, bool moreIsBetter = true) {
        if (before == after) return;
        const qint64 d = after - before;
        changes.append({caption, signedNumber(d), (d > 0) == moreIsBetter ? Trend::Gain : Trend::Loss});
    }
    void decimal(const QString &caption, const QString &before, const QString &after, const QString &separator,
                 bool moreIsBetter) {
        const double d = decimalDifference(before, after);
        if (d == 0) return;
        const QString text = formatDecimal(d, separator);
        changes.append({caption, d > 0 ? QStringLiteral("+") + text : text,
                        (d > 0) == moreIsBetter ? Trend::Gain : Trend::Loss});
    }
    template <typename Rows>
    void panel(const Rows &rows, const CharacterSheet &a, const CharacterSheet &b) {
        for (const auto &row : rows)
            if (!shownElsewhere(row.value)) integer(plainCaption(row.caption), a.value(row.value), b.value(row.value));
    }
};

}  // namespace

QString activeSetBonus(const PlannerState &state) {
    for (const SetBonusRow &row : kSetBonusRows)
        if (state.sheet.value(row.value) != 0) return state.wornSetName;
    return {};
}

QVector<SheetChangeGroup> sheetChanges(const PlannerState &before, const PlannerState &after) {
    const CharacterSheet &a = before.sheet;
    const CharacterSheet &b = after.sheet;

    Collector main;
    for (const PointRow &row : kPointRows) {
        const QString caption = row.table == PointTable::Magic
                                    ? QStringLiteral("Магия: ") + QString::fromUtf8(row.caption)
                                    : QString::fromUtf8(row.caption);
        main.integer(caption, a.value(row.total), b.value(row.total));
    }
    for (const PoolLabel &p : kPools) main.integer(QString::fromUtf8(p.caption), poolValue(a, p.label), poolValue(b, p.label));
    main.panel(kItemModifierRows, a, b);
    for (int k = 0; k < kAuraCount; ++k) {
        // "Аура: вампирическая х" without its multiplier reads "Аура вампирическая".
        QString caption = QString::fromUtf8(kAuraKinds[k].hintPrefix);
        caption.chop(1);
        main.integer(caption.replace(QStringLiteral(": "), QStringLiteral(" ")).trimmed(), a.auras[k].tag,
                     b.auras[k].tag);
    }
    for (const SumLabel &s : kSums) {
        const QString caption = QString::fromUtf8(s.caption);
        if (s.decimal)
            main.decimal(caption, a.text(s.label), b.text(s.label), b.decimalSeparator(), s.moreIsBetter);
        else
            main.integer(caption, a.value(s.label), b.value(s.label), s.moreIsBetter);
    }

    Collector stats;
    stats.panel(kStatBonusRows, a, b);

    Collector set;
    const QString wasActive = activeSetBonus(before);
    const QString isActive = activeSetBonus(after);
    const auto setLine = [](const QString &name) { return QStringLiteral("Комплект «%1»").arg(name); };
    if (!wasActive.isEmpty() && wasActive != isActive)
        set.changes.append({setLine(wasActive), QStringLiteral("потерян"), Trend::Loss});
    if (!isActive.isEmpty() && wasActive != isActive)
        set.changes.append({setLine(isActive), QStringLiteral("получен"), Trend::Gain});
    set.panel(kSetBonusRows, a, b);

    QVector<SheetChangeGroup> groups;
    const std::pair<const char *, Collector *> parts[] = {
        {"", &main}, {"Бонус за статы", &stats}, {"Бонус за комплект", &set}};
    for (const auto &[heading, collected] : parts)
        if (!collected->changes.isEmpty()) groups.append({QString::fromUtf8(heading), collected->changes});
    return groups;
}

QString changeLineText(const SheetChange &change) { return change.caption + QStringLiteral(": ") + change.difference; }

}  // namespace veldora
