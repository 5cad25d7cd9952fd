#pragma once

#include "crafting/Forge.h"

#include <QWidget>
#include <array>

class QLabel;

namespace veldora {

class MainWindow;
class PictureButton;
class Planner;

// The forge window `TFormKuzn`: shows the core's Forge and forwards the clicks
// on its pictures. It is not modal; the player goes on using the main window.
class ForgeWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 470;

    ForgeWindow(Planner &planner, MainWindow &main);

    // A "Ковать" menu entry: opens the window for the slot's item, or shows the
    // entry's message and leaves the window as it was.
    void chooseEntry(const ForgeMenuEntry &entry);

    const Forge &forge() const { return forge_; }
    // Brings every control in line with the forge.
    void syncFromForge();

private:
    void buildTop();
    int buildRows(int top);
    void forgeItem();

    Planner &planner_;
    MainWindow &main_;
    Forge forge_;

    QLabel *picture_ = nullptr;
    QLabel *units_ = nullptr;
    QLabel *forgeCount_ = nullptr;
    std::array<std::array<QLabel *, 3>, kForgeRowCount> rows_{};  // caption, value, addition
    std::array<PictureButton *, kForgePairCount> plus_{};
    std::array<PictureButton *, kForgePairCount> minus_{};
};

}  // namespace veldora
