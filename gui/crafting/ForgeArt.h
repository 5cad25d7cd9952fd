#pragma once

#include <QPixmap>

// The forge window's pictures, painted in code.
namespace veldora::art {

constexpr int kForgeButtonWidth = 132;
constexpr int kForgeButtonHeight = 34;

// The picture button "Ковать": a dark iron plate with the word in fiery letters.
QPixmap forgeButtonPicture();
// The engraved line between two groups of the forge window.
QPixmap forgeLinePicture(int width);
// The window's background: warm parchment with a darker band behind the item.
QPixmap forgeBackground(int width, int height, int bandHeight);

}  // namespace veldora::art
