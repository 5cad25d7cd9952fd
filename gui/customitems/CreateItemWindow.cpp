#include "customitems/CreateItemWindow.h"

namespace veldora {

CreateItemWindow::CreateItemWindow(const CustomItemStore &store, UserMessages &messages, QWidget *helpWindow,
                                   QWidget *parent)
    : ItemFormWindow(FormWindow::Creation, store, messages, helpWindow, parent) {
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Создание предметов"));
}

void CreateItemWindow::save() {
    CustomItemForm f = form();
    if (!createCustomItem(store_, f, messages_)) return;
    setForm(f);
    hide();
}

}  // namespace veldora
