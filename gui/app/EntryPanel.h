#pragma once

#include "character/PointTables.h"

#include <QWidget>
#include <array>

class QLineEdit;
class QPushButton;

namespace veldora {

// The character entry panel `Panel4`: the twelve fields `Edit1`..`Edit12`, "Ok"
// and the close picture `Image4`. The keyboard works as in a dialog: opened, the
// first field takes it; Enter presses "Ok", Escape closes as `Image4` does.
class EntryPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLeft = 288;
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 338;

    explicit EntryPanel(QWidget *parent);

    QString fieldText(int field) const;
    void setFieldText(int field, const QString &text);
    // Gives the first field the keyboard, its text selected so typing replaces it.
    void focusFirstField();

signals:
    void okPressed();
    void closePressed();

protected:
    // Fields and the button leave Enter and Escape to the panel.
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::array<QLineEdit *, kEntryFieldCount> edits_{};
    QPushButton *ok_ = nullptr;
};

}  // namespace veldora
