#pragma once

#include "customitems/CustomItemForm.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QRadioButton;

namespace veldora {

// What the creation window `TForm8` and the editing window `TForm13` share: the
// frames with one input per field of the record (the editing window without the
// sun-aura and spear-mastery inputs), the picture preview, the two picture
// buttons and the "?" picture that shows the help window.
class ItemFormWindow : public QWidget {
    Q_OBJECT
public:
    ItemFormWindow(FormWindow kind, const CustomItemStore &store, UserMessages &messages, QWidget *helpWindow,
                   QWidget *parent);

    // The controls' contents, and filling them.
    CustomItemForm form() const;
    void setForm(const CustomItemForm &form);

protected:
    // The save button.
    virtual void save() = 0;

    const CustomItemStore store_;
    UserMessages &messages_;

private:
    void build(QWidget *helpWindow);
    QWidget *buildFrame(FieldGroup group);
    QWidget *buildPictureBlock(QWidget *helpWindow);
    void choosePicture();
    void showPreview();

    FormWindow kind_;
    std::array<QWidget *, kCustomItemFieldCount> inputs_{};
    QRadioButton *gold_ = nullptr;
    QLabel *preview_ = nullptr;
    QString picture_;
};

}  // namespace veldora
