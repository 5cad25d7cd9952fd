#include "customitems/PictureChooser.h"

#include <QFileDialog>

namespace veldora {

QString pictureDialogFilter() {
    return QStringLiteral("Images (*.jpg *.jpeg *.bmp *.JPG *.JPEG *.BMP)");
}

PictureChooser &pictureChooser() {
    static PictureChooser chooser = [](QWidget *parent) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Изображение предмета"), QString(),
                                            pictureDialogFilter());
    };
    return chooser;
}

}  // namespace veldora
