#include "views/ChoiceText.h"

namespace veldora {

ChoiceText buildChoiceText(const ItemInfoText &info, const ItemChoice &choice) {
    ChoiceText text;
    if (choice.missing && !choice.missing->met()) {
        const MissingRequirements &missing = *choice.missing;
        for (const RequirementLine &line : info.requirementLines) {
            if (const UnmetRequirement *unmet = missing.find(line.column))
                text.requirements.append(
                    {line.text + QStringLiteral(" (") + missingNote(unmet->missing()) + QLatin1Char(')'), Tone::Unmet});
            else
                text.requirements.append({line.text, Tone::Plain});
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
