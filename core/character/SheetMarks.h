#pragma once

#include "character/CharacterSheet.h"

namespace veldora {

// Two warnings the main window draws in red beside the marks of unmet own values.
struct SheetMarks {
    bool overweight = false;   // the total mass is above the carrying capacity
    bool levelTooLow = false;  // the outfit needs a higher level than the character has
    bool operator==(const SheetMarks &) const = default;
};

SheetMarks sheetMarks(const CharacterSheet &sheet, qint64 level);

}  // namespace veldora
