#pragma once

#include "catalogue/Category.h"
#include "equipment/Slots.h"

#include <array>
#include <optional>

namespace veldora {

// The tabs of the item database browser, in tab order (the index is what the
// main window selects). Ring and talisman tabs fill the first free of five slots.
struct CatalogueTab {
    const char *caption;
    Category category;
    Slot slot;
    int pictureWidth, pictureHeight;
    int perRow;
    int columnStep, rowStep;
};
constexpr int kCatalogueTabCount = 13;
extern const std::array<CatalogueTab, kCatalogueTabCount> kCatalogueTabs;

namespace tab {
constexpr int Weapons = 8, Shields = 9, Rings = 11, Talismans = 12;
}

std::optional<int> catalogueTabOf(Category c);

}  // namespace veldora
