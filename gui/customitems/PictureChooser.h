#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace veldora {

// The file dialog of the windows that choose an item's picture. Returns the
// chosen file's full path, empty when the player cancels. Tests replace it.
using PictureChooser = std::function<QString(QWidget *parent)>;
PictureChooser &pictureChooser();

// JPEG and BMP pictures, in either letter case: pictures from the Windows
// version often end in .JPG.
QString pictureDialogFilter();

}  // namespace veldora
