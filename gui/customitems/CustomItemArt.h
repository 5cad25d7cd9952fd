#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The pictures of the custom item windows, painted in code.
namespace veldora::art {

// A parchment plate with an engraved caption: "Изображение...", "Добавить", "Изменить".
QPixmap plateButtonPicture(const QString &caption, QSize size);

// The card's put-on picture (98 x 36): a plate reading "Надеть".
QPixmap putOnPicture();

}  // namespace veldora::art
