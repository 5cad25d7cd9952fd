#include "app/ActionLabels.h"

#include "app/CatalogueTabs.h"
#include "crafting/Enchantments.h"

#include <cstring>
#include <vector>

namespace veldora {

namespace {

QString u8(const char *text) { return QString::fromUtf8(text); }

// Menu captions keep their trailing and double spaces; a label does not.
QString plain(const QString &caption) { return caption.simplified(); }

bool sameText(const char *a, const char *b) { return a == b || (a && b && std::strcmp(a, b) == 0); }

bool sameArgs(const PresetArgs &a, const PresetArgs &b) {
    return sameText(a.weaponName, b.weaponName) && sameText(a.setName, b.setName) && a.oneHanded == b.oneHanded &&
           sameText(a.ringName, b.ringName) && a.twinWeapons == b.twinWeapons;
}

}  // namespace

QString putOnLabel(const QString &itemName) { return QStringLiteral("Надеть «%1»").arg(itemName); }
QString takeOffLabel(const QString &itemName) { return QStringLiteral("Снять «%1»").arg(itemName); }
QString takeOffAllLabel() { return QStringLiteral("Снять все предметы"); }
QString characterEntryLabel() { return QStringLiteral("Ввести данные"); }
QString openPlanLabel(const QString &planName) { return QStringLiteral("Открыть план «%1»").arg(planName); }
QString forgeLabel(const QString &itemName) { return QStringLiteral("Ковать «%1»").arg(itemName); }

QString wornItemName(const PlannerState &state, Slot slot) {
    const int row = state.slot(slot).row;
    if (row == 0) return {};
    return state.catalogue.table(wornCategory(state, slot)).cell(col::Name, row);
}

QString slotClickLabel(const PlannerState &state, Slot slot) {
    const QString name = wornItemName(state, slot);
    // Only the weapon slot changes anything while empty: it makes the grip one-handed.
    if (name.isEmpty()) return QStringLiteral("Слот «%1»").arg(u8(slotInfo(slot).rowCaption));
    return takeOffLabel(name);
}

QString catalogueClickLabel(const PlannerState &state, int tab, int row) {
    if (tab < 0 || tab >= kCatalogueTabCount) return putOnLabel(QString());
    return putOnLabel(state.catalogue.table(kCatalogueTabs[tab].category).cell(col::Name, row));
}

QString pointLabel(PointTable table, int row, bool plus) {
    const PointTableInfo &info = pointTableInfo(table);
    const QString caption = row >= 0 && row < info.rowCount ? u8(kPointRows[info.firstRow + row].caption) : QString();
    return (plus ? QStringLiteral("+ ") : QStringLiteral("− ")) + caption;
}

QString presetLabel(const PresetArgs &args) {
    // A submenu below the top whose lines are all entries is a set with choices;
    // the others group sets.
    const auto lines = presetMenu();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const PresetMenuLine &line = lines[i];
        if (line.kind != PresetLineKind::Entry || !sameArgs(line.args, args)) continue;
        const QString caption = plain(u8(line.caption));
        for (std::size_t p = i; p-- > 0;) {
            const PresetMenuLine &parent = lines[p];
            if (parent.depth >= line.depth) continue;
            if (parent.kind != PresetLineKind::Submenu || parent.depth == 0) return caption;
            for (std::size_t c = p + 1; c < lines.size() && lines[c].depth > parent.depth; ++c)
                if (lines[c].kind == PresetLineKind::Submenu) return caption;
            return plain(u8(parent.caption)) + QStringLiteral(": ") + caption;
        }
        return caption;
    }
    return plain(u8(args.setName));
}

QString enchantLabel(const PlannerState &state, const EnchantMenuLine &entry) {
    // The captions from the slot's submenu (depth 0, left out) down to the entry.
    std::vector<QString> path;
    for (const EnchantMenuLine &line : enchantMenu()) {
        if (line.kind == EnchantLineKind::Separator) continue;
        path.resize(line.depth);
        path.push_back(plain(line.caption));
        if (line.kind == EnchantLineKind::Entry && line.objectName == entry.objectName) break;
    }
    QStringList below(path.begin() + std::min<std::size_t>(1, path.size()), path.end());
    QString name = wornItemName(state, entry.enchantment.slot);
    if (name.isEmpty()) name = u8(slotInfo(entry.enchantment.slot).rowCaption);
    return QStringLiteral("Чаровать «%1»: %2").arg(name, below.join(QStringLiteral(", ")));
}

}  // namespace veldora
