#include "character/SheetMarks.h"

#include "character/NumberText.h"

namespace veldora {

SheetMarks sheetMarks(const CharacterSheet &sheet, qint64 level) {
    SheetMarks marks;
    // The capacity is whole; the mass a decimal sum such as "12,5".
    marks.overweight = parseDecimal(sheet.text(Lbl::LabelMassa)).value_or(0.0) > double(sheet.value(Lbl::LabelMaxMassa));
    marks.levelTooLow = sheet.value(Lbl::LTreb_Lvl) > level;
    return marks;
}

}  // namespace veldora
