#pragma once

#include "customitems/ItemFormWindow.h"

namespace veldora {

// `TForm8` ("Создание предметов"): keeps what was typed between openings until an
// item is saved; a save resets it and hides it.
class CreateItemWindow : public ItemFormWindow {
    Q_OBJECT
public:
    CreateItemWindow(const CustomItemStore &store, UserMessages &messages, QWidget *helpWindow, QWidget *parent);

protected:
    void save() override;
};

}  // namespace veldora
