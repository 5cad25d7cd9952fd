#include "views/ChoiceText.h"

#include <QStringList>

namespace veldora {

ChoiceText buildChoiceText(const ItemInfoText &info, const CategoryTable &table, int row, InfoSource source,
                           const ItemChoice &choice) {
    ChoiceText text;
    if (choice.missing && !choice.missing->met()) {
        const MissingRequirements &missing = *choice.missing;
        const QVector<int> columns = requirementLineColumns(table, row, source);
        QStringList lines = info.requirements.split(QLatin1Char('\r'));
        lines.removeLast();  // every line ends with a carriage return
        for (int i = 0; i < lines.size(); ++i) {
            const UnmetRequirement *unmet = i < columns.size() ? missing.find(columns[i]) : nullptr;
            if (unmet)
                text.requirements.append({lines[i] + QStringLiteral(" (") + missingNote(unmet->missing()) +
                                              QLatin1Char(')'),
                                          Tone::Unmet});
            else
                text.requirements.append({lines[i], Tone::Plain});
        }
        if (const qint64 level = missing.levelAbove()) text.summary.append({wearableFromLevelLine(level), Tone::Unmet});
        if (missing.pointsMatter())
            text.summary.append({freePointsLine(missing), missing.pointsSuffice() ? Tone::Gain : Tone::Unmet});
    }

    text.changeHeading = choice.heading;
    if (!choice.note.isEmpty()) text.changes.append({choice.note, Tone::Plain});
    for (const SheetChangeGroup &group : choice.changes) {
        if (!group.heading.isEmpty()) text.changes.append({group.heading, Tone::Heading});
        for (const SheetChange &c : group.changes)
            text.changes.append({changeLineText(c), c.trend == Trend::Gain ? Tone::Gain : Tone::Loss});
    }
    return text;
}

}  // namespace veldora
