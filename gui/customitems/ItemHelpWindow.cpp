#include "customitems/ItemHelpWindow.h"

#include "art/Artwork.h"
#include "art/Fonts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace veldora {

namespace {
const char *const kHelpLines[] = {
    "1. Если предмет с таким именем уже существует, то он будет заменён новым...",
    "2. Размер изображения должен быть таким же как и размер слота для предмета...",
    "3. Если файл с изображением, после создания предмета будет удалён или перемещён, то программа выдаст ошибку.",
    "4. Изображения поддерживаются только с расширением .bmp .jpg",
};
}  // namespace

ItemHelpWindow::ItemHelpWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TForm_Help_Creat_Object"));
    setWindowTitle(QStringLiteral("Помощь"));
    setFont(sansSerifFont(11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, art::windowColour());
    setPalette(pal);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    int n = 0;
    for (const char *line : kHelpLines) {
        auto *label = new QLabel(QString::fromUtf8(line), this);
        label->setObjectName(QStringLiteral("Label%1").arg(++n));
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    }
    setFixedSize(sizeHint());
}

}  // namespace veldora
