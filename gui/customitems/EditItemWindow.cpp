#include "customitems/EditItemWindow.h"

#include "app/WindowPlatform.h"

namespace veldora {

EditItemWindow::EditItemWindow(const CustomItemStore &store, UserMessages &messages, QWidget *helpWindow,
                               QWidget *parent)
    : ItemFormWindow(FormWindow::Editing, store, messages, helpWindow, parent) {
    setObjectName(QStringLiteral("TForm13"));
    setWindowTitle(QStringLiteral("Редактирование предмета"));
}

bool EditItemWindow::openFor(const CustomItemEntry &entry) {
    auto opened = openCustomItem(store_, entry, messages_);
    if (!opened) return false;
    item_ = std::move(opened);
    setForm(CustomItemForm::fromRecord(item_->record, entry));
    bringToFront(this);
    return true;
}

void EditItemWindow::save() {
    if (!item_) return;
    if (saveEditedItem(store_, *item_, form(), messages_)) hide();
}

}  // namespace veldora
