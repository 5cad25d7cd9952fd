#pragma once

namespace veldora {

class ForgeWindow;
class MainWindow;
class Planner;

// Creates the forge window, connects the entries of "Инструменты" > "Ковать"
// to it and fills "Чаровать" from the enchantment table, each entry enchanting
// the worn item of its slot.
ForgeWindow *connectCraftingMenus(MainWindow &main, Planner &planner);

}  // namespace veldora
