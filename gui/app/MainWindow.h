#pragma once

#include "character/CharacterSheet.h"
#include "equipment/Slots.h"

#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>
#include <array>
#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QScrollArea;

namespace veldora {

class BrowserWindow;
class EntryPanel;
class InfoPanel;
class Planner;
class UndoHistory;
class UserMessages;
namespace art {
class ModifierPanelBackground;
}

// A picture that reacts to the pointer: slots, plus and minus buttons, help and
// close pictures.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent);

signals:
    void clicked();
    void hovered();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The main window `TForm1`. It shows the planner's state and forwards the
// player's events to it; after each event every label, panel, button, aura icon
// and slot picture is brought in line with the planner again.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // A slot's picture file as the slot shows it, read once: a file that is no
    // picture shows no_image.bmp.
    QPixmap slotPixmap(const QString &path);
    static constexpr int kCanvasWidth = 1120;

    // Every change the player makes goes through `history`, one undo step each.
    MainWindow(Planner &planner, UndoHistory &history, UserMessages &messages, const QString &programFolder,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // The browser is created after the main window; slot clicks and the menu open it.
    void setBrowser(BrowserWindow *browser);
    BrowserWindow *browser() const { return browser_; }

    // A menu entry or submenu by its object name; nullptr when there is none.
    QAction *menuEntry(const char *objectName) const;
    QMenu *menu(const char *objectName) const;

    // Mirrors the planner's state in every control.
    void syncFromPlanner();

    // The undo history every window changes the planner through; the main window
    // shows the planner again after each step, undo and redo.
    UndoHistory &history() const { return history_; }

    // The fade-in runs on the first showing; tests may finish it at once. Its end
    // reads the settings file.
    void finishFadeIn();
    bool fadeInDone() const { return fadeInDone_; }
    int fadeOpacity() const { return opacity_; }

    QScrollArea *scrollArea() const { return scroll_; }
    QWidget *canvas() const { return canvas_; }
    InfoPanel *infoPanel() const { return info_; }
    QLabel *sheetLabel(Lbl l) const { return labels_[labelIndex(l)]; }
    PictureButton *slotPicture(Slot s) const { return slots_[slotIndex(s)]; }

    // `ShowWornItemInfo`: the panel for the item worn on the slot, right of it.
    void showWornItemInfo(Slot slot);
    void hideInfo();
    // Runs after the worn item's panel text is written.
    void setWornInfoAddition(std::function<void(InfoPanel &, Slot)> add) { addWornInfo_ = std::move(add); }

    // Byte 0 of the settings file, which "Проверка требований" writes too, is the
    // tutorial's check box "Запускать при запуске" once the tutorial exists.
    void setTutorialCheckBox(std::function<bool()> ticked) { tutorialCheckBox_ = std::move(ticked); }

    // Scrolls as the mouse wheel does: Alt alone scrolls sideways; `notches` > 0 is
    // the wheel turned down.
    void wheelScroll(int notches, Qt::KeyboardModifiers modifiers);
    // Scrolls as a sideways wheel or swipe does; `notches` > 0 is to the right.
    void scrollSideways(int notches);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void closing();
    // Every control shows the planner's state again.
    void synced();
    // The end of the fade-in read byte 0 of the settings file as 1: the tutorial opens.
    void tutorialAtStartRead();

private:
    void buildMenus();
    void buildCharacterPanel();
    void buildSums();
    void buildAuras();
    void buildPointPanels();
    void buildEntryPanel();
    void buildModifierPanels();
    QLabel *makeLabel(QWidget *parent, Lbl l, const QFont &font);
    QLabel *makeCaption(QWidget *parent, const QString &name, const QString &text, const QFont &font, QPoint at);
    void trackHover(QWidget *w);

    void fadeStep();
    void readSettings();
    void toggleRequirementCheck();
    void openEntryPanel();
    void clickSlot(Slot s);
    void hoverSlot(Slot s);
    void openBrowser(int tab);
    void catalogueClicked(int tab, int row);
    void applyCharacterEntry();
    void showHelp(const QString &text);
    void afterPlannerCall();
    void perform(const QString &label, const std::function<void()> &action);

    Planner &planner_;
    UndoHistory &history_;
    UserMessages &messages_;
    QString programFolder_;
    BrowserWindow *browser_ = nullptr;

    QScrollArea *scroll_;
    QWidget *canvas_;
    QWidget *panel1_ = nullptr;
    QWidget *panel2_ = nullptr;
    QWidget *panel3_ = nullptr;
    EntryPanel *panel4_ = nullptr;
    std::array<QWidget *, 3> modifierPanels_{};  // Panel5, Panel7, Panel6
    std::array<art::ModifierPanelBackground *, 3> modifierImages_{};
    InfoPanel *info_ = nullptr;
    std::array<QLabel *, kLabelCount> labels_{};
    std::array<QLabel *, kItemModifierRowCount> itemCaptions_{};
    std::array<QLabel *, kStatBonusRowCount> statBonusCaptions_{};
    std::array<QLabel *, kSetBonusRowCount> setBonusCaptions_{};
    std::array<PictureButton *, kPointRowCount> plusButtons_{};
    std::array<PictureButton *, kPointRowCount> minusButtons_{};
    std::array<bool, kPointRowCount> shownUnmet_{};
    std::array<QLabel *, kAuraCount> auras_{};
    std::array<PictureButton *, kSlotCount> slots_{};
    std::array<QString, kSlotCount> slotPictures_;
    std::array<QString, kEntryFieldCount> shownEntryTexts_;
    QHash<QString, QPixmap> slotPixmapCache_;
    QAction *requirementCheck_ = nullptr;
    QLabel *checkMark_ = nullptr;
    QLabel *errorLabel_ = nullptr;

    QTimer fadeTimer_;
    int opacity_ = 0;
    bool fadeInDone_ = false;
    bool tutorialAtStart_ = false;  // byte 0 of the settings file, kept as read
    std::function<bool()> tutorialCheckBox_;
    std::function<void(InfoPanel &, Slot)> addWornInfo_;
    int wheelRemainder_ = 0;
    int sidewaysRemainder_ = 0;
};

}  // namespace veldora
