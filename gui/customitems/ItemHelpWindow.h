#pragma once

#include <QWidget>

namespace veldora {

// `TForm_Help_Creat_Object` ("Помощь"): four fixed lines on creating items.
class ItemHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit ItemHelpWindow(QWidget *parent);
};

}  // namespace veldora
