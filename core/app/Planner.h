#pragma once

#include "app/PlannerState.h"
#include "app/PresetMenu.h"
#include "app/UserMessages.h"
#include "equipment/MissingRequirements.h"

#include <functional>
#include <optional>

namespace veldora {

// How an equip request ended.
enum class EquipResult {
    Equipped,
    NotFound,            // no such row (or the name matches none)
    RequirementsNotMet,  // the character does not meet the item's requirements
    BadItem,             // a number of the item does not read as a number; nothing changed
    SlotOccupied,        // the slot was not emptied first; nothing changed
};

// How Planner::wearNewRow words a refusal.
struct NewRowWording {
    QString itemName;  // the new row's item, named when its table is full
    QString refusal;   // "не надет", "не закован", ...
    // A forged or enchanted copy of the worn item: a worn row that does not read
    // is told with `refusal`, and a full table says how many rows it holds.
    // Otherwise the worn item is "не снят".
    bool copyOfWorn = false;
};

// The one owner of the planner's state. The windows forward the player's clicks
// to it and show what state() holds afterwards. Every operation either completes
// or leaves the state exactly as it was.
class Planner {
public:
    // The main window's creation: empty slots, a fresh character, the set bonus
    // evaluated once without counting, auras, health and mana, the buttons.
    Planner(Catalogue catalogue, QString programFolder, QString decimalSeparator,
            UserMessages *messages = nullptr);

    const PlannerState &state() const { return s_; }
    // Puts a snapshot back (undo).
    void restore(PlannerState state) { s_ = std::move(state); }

    void setMessages(UserMessages *messages) { messages_ = messages; }
    // Shows a message to the player through the planner's message interface, so
    // that operations outside the planner (crafting, custom items) are tested the same way.
    void message(const QString &text);
    // Called before a message that the browser's information panel must not cover.
    void setInfoPanelHider(std::function<void()> hide) { hideInfoPanel_ = std::move(hide); }
    // With it on, "Требования не выполнены." is followed in its box by what the
    // item lacks.
    void setRequirementListShown(bool on) { requirementListShown_ = on; }
    // What the item checked last lacked (empty when it met everything), or nothing
    // when no check ran since the last click on a slot or a catalogue picture.
    const std::optional<MissingRequirements> &lastRequirementCheck() const { return lastCheck_; }

    // ---- What the windows forward ----

    // A click on a slot picture: takes a worn item off and returns nothing, or
    // returns the browser tab to open for an empty slot.
    std::optional<int> clickSlot(Slot slot);
    // A click on the picture of `row` on browser tab `tab` (0..12).
    void clickCatalogueItem(int tab, int row);
    // "Снять все предметы".
    bool takeOffAllItems();
    // "Ввести данные..." and the close picture Image4 of the entry panel.
    void showCharacterEntry() { s_.sheet.entryPanelVisible = true; }
    void hideCharacterEntry() { s_.sheet.entryPanelVisible = false; }
    void setEntryText(int field, const QString &text);
    // "Проверка требований" (the settings file is kept by the window).
    void setRequirementCheckOn(bool on) { s_.requirementCheckOn = on; }
    void setDecimalSeparator(const QString &separator) { s_.sheet.setDecimalSeparator(separator); }
    // The plus and minus pictures; `row` counts within the table.
    void plus(PointTable table, int row);
    void minus(PointTable table, int row);
    // "Одеть комплект": one menu entry.
    void equipPreset(const PresetArgs &args);

    // ---- The operations themselves ----

    void resetRequirementRow(int requirementRow);
    EquipResult equipFromCatalogue(Category table, const QString &setName, Slot slot, int row);
    // Finds the row: `row` when not 0, else by first name, else by second name,
    // else the first item of the set (names "nil" are not given).
    EquipResult equipByName(Category table, const QString &setName, const QString &firstName, Slot slot,
                            const QString &secondName, int row);
    // Empties the slot, subtracting the values of its row of `table`. Returns
    // false, changing nothing, when that row cannot be read.
    bool takeOff(Slot slot, Category table);
    bool takeOff(Slot slot) { return takeOff(slot, slotCategory(slot)); }
    // Returns false, changing nothing, when a worn row cannot be read.
    bool takeOffAll();
    void updateRequirementMaxima();
    void highlightUnmetRequirements();
    // Returns false, changing nothing, when an own-value entry field is not a
    // whole number.
    bool resetCharacter();
    bool applyCharacterEntry();
    void refreshStatButtons();
    void refreshMasteryButtons();
    void refreshMagicButtons();
    void updateTotals();
    void updateCarryingCapacity();
    void updateHealthAndMana();
    void layoutItemModifiers();
    void updateStatBonuses();
    void countWornSets();
    void applySetBonus();
    void updateAuras();
    void equipPreset(const QString &weaponName, const QString &setName, int oneHanded, const QString &ringName,
                     int twinWeapons);

    // ---- Worn copies (forged, enchanted and custom items) ----

    // Appends `cells` (by column, 0..135) to `table` as a new row, or returns
    // nullopt and changes nothing when the table has no free row.
    std::optional<int> appendRow(Category table, const QVector<QString> &cells);
    // Puts `row` of `table` on `slot` in place of what the slot wears, as every
    // path that dresses does: reset the slot's requirement row, take off, put on.
    // Whole or nothing: when the worn item cannot be taken off or the row cannot
    // be put on, the one message that says why has been shown and the state is
    // exactly as before (an appended row stays, as appended rows always do).
    // `check` false puts the row on whatever the requirement check says. On the
    // off-hand, `OffHandKind` follows the table put on.
    EquipResult replaceWornItem(Slot slot, Category table, int row, const QString &setName, bool check = true);
    // Puts `cells` on `slot` as a new row appended to `table`, in place of what the
    // slot wears and whatever the requirement check says. The worn row is read
    // first, since an appended row stays even when it cannot go on. Whole or
    // nothing, with one message "Предмет «…» <refusal>: …." when it refuses.
    bool wearNewRow(Slot slot, Category table, const QVector<QString> &cells, const QString &setName,
                    const NewRowWording &wording);

    // The first ring (talisman) slot that holds nothing, as a click on a catalogue
    // ring (talisman) fills; nullopt, after the message that all are taken, when none is.
    std::optional<Slot> freeRingSlot();
    std::optional<Slot> freeTalismanSlot();

    // The table a slot's item is taken off with now (the off-hand's follows OffHandKind).
    Category slotCategory(Slot slot) const;

private:
    enum class FailureReport { Message, List };

    EquipResult equipRow(Category table, const QString &setName, Slot slot, int row, FailureReport report,
                         bool check = true);
    // ResetRequirementRow and TakeOff of one slot, as every path pairs them; does
    // neither when the worn row cannot be read.
    bool clearSlot(Slot slot);
    // TakeOff's steps once the worn item has been read.
    void removeItem(Slot slot, const ItemValues &item);
    // The worn item's numbers, or a message and nothing when its row cannot be read.
    std::optional<ItemValues> readWornItem(Slot slot, Category category);
    void recompute();
    void runLinks(PointTable table, unsigned links);
    void writePointLabels();
    void clickWeapon(int row);
    void clickShield(int row);
    void clickFreeSlot(int tab, int row, std::optional<Slot> free);
    std::optional<Slot> freeSlot(const std::array<Slot, 5> &candidates, const QString &fullMessage);

    PlannerState s_;
    UserMessages *messages_ = nullptr;
    std::function<void()> hideInfoPanel_;
    bool requirementListShown_ = false;
    std::optional<MissingRequirements> lastCheck_;
};

}  // namespace veldora
