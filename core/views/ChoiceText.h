#pragma once

#include "app/ChoiceAdvisor.h"
#include "views/ItemInfoText.h"

#include <QString>
#include <QVector>

namespace veldora {

// How the panel draws a line of what choosing an item would do.
enum class Tone {
    Plain,
    Gain,     // green: a value that grows, free points enough
    Loss,     // red: a value that falls
    Unmet,    // red: a requirement the character lacks
    Heading,  // bold: a part of the change list
};

struct ToneLine {
    QString text;
    Tone tone;
    bool operator==(const ToneLine &) const = default;
};

// The lines the information panel adds for a choice. Built from the same row as
// the panel's own text, so the requirement lines are the panel's own lines.
struct ChoiceText {
    // The "Требования:" block line by line, each unmet one marked with what it
    // lacks; empty when nothing is lacking (the block then stays as it is).
    QVector<ToneLine> requirements;
    // "Можно надеть с N уровня" and the free-point line, when they apply.
    QVector<ToneLine> summary;
    QString changeHeading;  // "Если надеть:", "Если снять:"
    QVector<ToneLine> changes;
    bool operator==(const ChoiceText &) const = default;
};

ChoiceText buildChoiceText(const ItemInfoText &info, const ItemChoice &choice);

}  // namespace veldora
