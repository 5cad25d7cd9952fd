#pragma once

#include <QString>

namespace veldora {

class CreateItemWindow;
class EditItemWindow;
class ItemCardWindow;
class ItemHelpWindow;
class ItemListWindow;
class MainWindow;
class UserMessages;

// The custom item windows of a started program; the main window owns them.
struct CustomItemWindows {
    ItemHelpWindow *help = nullptr;      // TForm_Help_Creat_Object
    CreateItemWindow *create = nullptr;  // TForm8
    ItemListWindow *list = nullptr;      // TForm_My_Object
    EditItemWindow *edit = nullptr;      // TForm13
    ItemCardWindow *card = nullptr;      // TForm20
};

// Creates them hidden and connects "Создать предметы..." (N10) and "Узреть
// созданные предметы..." (N8) of the main window's menu; the card puts items on
// through the main window's undo history.
CustomItemWindows installCustomItemWindows(MainWindow &main, UserMessages &messages,
                                           const QString &programFolder);

}  // namespace veldora
