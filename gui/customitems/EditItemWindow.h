#pragma once

#include "customitems/ItemFormWindow.h"

#include <optional>

namespace veldora {

// `TForm13` ("Редактирование предмета"): the creation window's inputs, filled
// with a listed item's values; it keeps the record as read, so the fields it has
// no input for and the bytes after each text are written back unchanged.
class EditItemWindow : public ItemFormWindow {
    Q_OBJECT
public:
    EditItemWindow(const CustomItemStore &store, UserMessages &messages, QWidget *helpWindow, QWidget *parent);

    // Fills the window from the item's file and shows it; false, after the message
    // that says why, when the file cannot be read (the window stays as it was).
    bool openFor(const CustomItemEntry &entry);

    const std::optional<EditedItem> &item() const { return item_; }

protected:
    void save() override;

private:
    std::optional<EditedItem> item_;
};

}  // namespace veldora
