#pragma once

// Finding forge buttons and menu entries by the names the window gives them.

#include "crafting/Enchanting.h"
#include "crafting/Forge.h"
#include "support/PlannerFixtures.h"

namespace veldora::test {

inline QString n(qint64 v) { return QString::number(v); }

const ForgeMenuEntry &forgeEntry(const char *objectName);
int forgePair(const char *plusButton);
int forgeRow(const char *additionLabel);
const Enchantment &enchantment(const char *objectName);

// The forge opened from a "Ковать" entry; the test fails when it does not open.
Forge openForge(PlannerFixture &f, const char *entry);
void press(Forge &forge, const char *plusButton, int times);

// Everything a worn item adds and requires, without the tables that copies are
// appended to.
std::string sheetDifference(const PlannerState &a, const PlannerState &b);

}  // namespace veldora::test
