#pragma once

// Finding forge buttons and menu entries by the names the window gives them.

#include "crafting/Enchanting.h"
#include "crafting/Forge.h"
#include "support/PlannerFixtures.h"

#include <gtest/gtest.h>

namespace veldora::test {

inline QString n(qint64 v) { return QString::number(v); }

// The index of the element whose `field` is `name`; fails the test when there is none.
template <typename T, size_t N>
int indexOf(const std::array<T, N> &table, const char *const T::*field, const char *name) {
    for (size_t i = 0; i < N; ++i)
        if (QLatin1String(table[i].*field) == QLatin1String(name)) return int(i);
    ADD_FAILURE() << "no " << name;
    return 0;
}
inline int forgePair(const char *plusButton) { return indexOf(kForgePairs, &ForgePair::plusButton, plusButton); }
inline int forgeRow(const char *additionLabel) { return indexOf(kForgeRows, &ForgeRow::additionLabel, additionLabel); }

inline const Enchantment &enchantment(const char *objectName) {
    const EnchantMenuLine *line = enchantEntry(QString::fromLatin1(objectName));
    EXPECT_NE(line, nullptr) << objectName;
    return line ? line->enchantment : enchantEntry(QStringLiteral("N515"))->enchantment;
}

// The forge opened from a "Ковать" entry; the test fails when it does not open.
inline Forge openForge(PlannerFixture &f, const char *entry) {
    Forge forge;
    EXPECT_TRUE(chooseForgeEntry(f.planner, forge, kForgeMenu[indexOf(kForgeMenu, &ForgeMenuEntry::objectName, entry)]));
    return forge;
}

inline void press(Forge &forge, const char *plusButton, int times) {
    for (int i = 0; i < times; ++i) forge.plus(forgePair(plusButton));
}

}  // namespace veldora::test
