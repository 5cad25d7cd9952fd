#include "character/SheetMarks.h"

#include <gtest/gtest.h>

using namespace veldora;

TEST(SheetMarks, OverweightAndTooLowALevelStartJustAboveTheirLimits) {
    CharacterSheet sheet;
    sheet.setValue(Lbl::LabelMaxMassa, 12);
    sheet.setValue(Lbl::LTreb_Lvl, 5);
    const auto marks = [&](const char *mass, qint64 level) {
        sheet.setText(Lbl::LabelMassa, QString::fromLatin1(mass));
        return sheetMarks(sheet, level);
    };
    EXPECT_EQ(marks("12", 5), (SheetMarks{false, false}));
    EXPECT_EQ(marks("12,1", 5), (SheetMarks{true, false}));
    EXPECT_EQ(marks("12.01", 4), (SheetMarks{true, true}));
}
