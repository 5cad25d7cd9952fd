#include "CraftingFixtures.h"

#include <gtest/gtest.h>

namespace veldora::test {

const ForgeMenuEntry &forgeEntry(const char *objectName) {
    for (const ForgeMenuEntry &e : kForgeMenu)
        if (QLatin1String(e.objectName) == QLatin1String(objectName)) return e;
    ADD_FAILURE() << "no forge entry " << objectName;
    return kForgeMenu[0];
}

int forgePair(const char *plusButton) {
    for (int p = 0; p < kForgePairCount; ++p)
        if (QLatin1String(kForgePairs[p].plusButton) == QLatin1String(plusButton)) return p;
    ADD_FAILURE() << "no forge button " << plusButton;
    return 0;
}

int forgeRow(const char *additionLabel) {
    for (int r = 0; r < kForgeRowCount; ++r)
        if (QLatin1String(kForgeRows[r].additionLabel) == QLatin1String(additionLabel)) return r;
    ADD_FAILURE() << "no forge row " << additionLabel;
    return 0;
}

const Enchantment &enchantment(const char *objectName) {
    const EnchantMenuLine *line = enchantEntry(QString::fromLatin1(objectName));
    if (!line) {
        ADD_FAILURE() << "no enchantment " << objectName;
        line = enchantEntry(QStringLiteral("N515"));
    }
    return line->enchantment;
}

Forge openForge(PlannerFixture &f, const char *entry) {
    Forge forge;
    EXPECT_TRUE(chooseForgeEntry(f.planner, forge, forgeEntry(entry))) << entry;
    return forge;
}

void press(Forge &forge, const char *plusButton, int times) {
    for (int i = 0; i < times; ++i) forge.plus(forgePair(plusButton));
}

std::string sheetDifference(const PlannerState &a, const PlannerState &b) {
    PlannerState x = a;
    x.catalogue = b.catalogue;
    return firstDifference(x, b);
}

}  // namespace veldora::test
