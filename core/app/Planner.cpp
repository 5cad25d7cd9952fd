#include "app/Planner.h"

#include "app/CatalogueTabs.h"
#include "character/NumberText.h"
#include "character/SetBonus.h"
#include "character/SheetRules.h"

#include <algorithm>

namespace veldora {

namespace {

const QString kNilName = QString::fromLatin1(kNil);

QString text(const char *utf8) { return QString::fromUtf8(utf8); }

const QString kNotTakenOff = QStringLiteral("не снят");

}  // namespace

Planner::Planner(Catalogue catalogue, QString programFolder, QString decimalSeparator, UserMessages *messages)
    : messages_(messages) {
    s_.catalogue = std::move(catalogue);
    s_.sheet.setDecimalSeparator(decimalSeparator);
    for (int f = 0; f < kEntryFieldCount; ++f) s_.entryTexts[f] = text(kEntryFields[f].defaultText);

    s_.offHandKind = OffHandKind::Shield;
    s_.weaponGrip = WeaponGrip::Normal;
    s_.firstSetEvaluation = true;
    s_.programFolder = std::move(programFolder);

    resetCharacter();
    applySetBonus();
    updateAuras();
    updateHealthAndMana();
    refreshMagicButtons();
    refreshStatButtons();
    refreshMasteryButtons();
}

void Planner::message(const QString &t) {
    if (messages_) messages_->showMessage(t);
}

Category Planner::slotCategory(Slot slot) const {
    return wornCategory(s_, slot);
}

// ---- Requirement table ----

void Planner::resetRequirementRow(int requirementRow) { s_.requirements.resetRow(requirementRow); }

void Planner::updateRequirementMaxima() {
    layoutItemModifiers();
    updateRequirementMaximaLabels(s_.sheet, s_.requirements);
}

void Planner::highlightUnmetRequirements() { veldora::highlightUnmetRequirements(s_.sheet); }

// ---- Equipping and taking off ----

void Planner::recompute() {
    updateRequirementMaxima();
    updateCarryingCapacity();
    const qint64 setBackpack = s_.sheet.value(Lbl::LFRukzak);
    applySetBonus();
    // The capacity counts the set's backpack bonus, which the set bonus has only
    // now rewritten; without this it would show the previous set's until the next change.
    if (s_.sheet.value(Lbl::LFRukzak) != setBackpack) updateCarryingCapacity();
    updateHealthAndMana();
    updateAuras();
    highlightUnmetRequirements();
}

EquipResult Planner::equipRow(Category category, const QString &setName, Slot slot, int row, FailureReport report,
                              bool check) {
    EquipmentSlot &worn = s_.slot(slot);
    if (worn.row != 0) return EquipResult::SlotOccupied;
    const CategoryTable &table = s_.catalogue.table(category);
    if (row < 1 || row > CategoryTable::kMaxItemRows || table.cellRef(col::Name, row).isEmpty())
        return EquipResult::NotFound;

    auto read = readItem(table, row);
    if (const auto *fault = std::get_if<ItemFault>(&read)) {
        message(itemFaultMessage(table.cell(col::Name, row), *fault));
        return EquipResult::BadItem;
    }
    const ItemValues &item = std::get<ItemValues>(read);

    if (check && s_.requirementCheckOn) lastCheck_ = missingRequirements(item, s_.sheet, s_.points);
    if (check && s_.requirementCheckOn && !lastCheck_->met()) {
        if (report == FailureReport::Message) {
            if (hideInfoPanel_) hideInfoPanel_();
            const QString refused = QStringLiteral("Требования не выполнены.");
            if (messages_ && requirementListShown_)
                messages_->showMessageFollowedBy(refused, missingRequirementsText(*lastCheck_));
            else
                message(refused);
        } else {
            if (item.name != s_.lastFailedItemName) s_.errorLabel += item.name + QLatin1Char('\r');
            s_.lastFailedItemName = item.name;
        }
        return EquipResult::RequirementsNotMet;
    }

    worn.row = row;
    worn.setName = setName;
    applyItemValues(s_.sheet, s_.itemTotals, item, +1);
    s_.requirements.writeItem(slotInfo(slot).requirementRow, table, row);
    recompute();
    worn.picture = itemPicturePath(s_.programFolder, table.cell(col::File, row));
    return EquipResult::Equipped;
}

EquipResult Planner::equipFromCatalogue(Category table, const QString &setName, Slot slot, int row) {
    return equipRow(table, setName, slot, row, FailureReport::Message);
}

EquipResult Planner::equipByName(Category category, const QString &setName, const QString &firstName, Slot slot,
                                 const QString &secondName, int row) {
    const CategoryTable &table = s_.catalogue.table(category);
    // Rows past the row count are appended copies; the search reaches the first of them.
    const int last = std::min(table.rowCount(), CategoryTable::kMaxItemRows);
    const auto find = [&](int column, const QString &wanted) {
        for (int r = 1; r <= last; ++r)
            if (table.cellRef(column, r) == wanted) return r;
        return 0;
    };
    int found = row;
    if (found == 0) {
        if (firstName != kNilName)
            found = find(col::Name, firstName);
        else if (secondName != kNilName)
            found = find(col::Name, secondName);
        else
            found = find(col::SetName, setName);
    }
    if (found == 0) return EquipResult::NotFound;
    return equipRow(category, setName, slot, found, FailureReport::List);
}

std::optional<ItemValues> Planner::readWornItem(Slot slot, Category category) {
    const int row = s_.slot(slot).row;
    const CategoryTable &table = s_.catalogue.table(category);
    auto read = readItem(table, row);
    if (const auto *fault = std::get_if<ItemFault>(&read)) {
        message(itemRefusal(table.cell(col::Name, row), kNotTakenOff, itemFaultReason(*fault)));
        return std::nullopt;
    }
    return std::get<ItemValues>(std::move(read));
}

bool Planner::takeOff(Slot slot, Category category) {
    EquipmentSlot &worn = s_.slot(slot);
    if (worn.row == 0) {
        worn.setName.clear();
        return true;
    }
    const auto item = readWornItem(slot, category);
    if (!item) return false;
    removeItem(slot, *item);
    return true;
}

void Planner::removeItem(Slot slot, const ItemValues &item) {
    EquipmentSlot &worn = s_.slot(slot);
    worn.row = 0;
    worn.setName.clear();
    applyItemValues(s_.sheet, s_.itemTotals, item, -1);
    worn.picture.clear();
    recompute();
}

bool Planner::clearSlot(Slot slot) {
    std::optional<ItemValues> item;
    if (s_.slot(slot).row != 0) {
        item = readWornItem(slot, slotCategory(slot));
        if (!item) return false;
    }
    resetRequirementRow(slotInfo(slot).requirementRow);
    if (item)
        removeItem(slot, *item);
    else
        s_.slot(slot).setName.clear();
    return true;
}

bool Planner::takeOffAll() {
    // Every worn row is read before the first slot is emptied, so an unreadable
    // one leaves the whole outfit on.
    std::array<std::optional<ItemValues>, kSlotCount> items;
    for (const SlotInfo &info : kSlots) {
        if (s_.slot(info.slot).row == 0) continue;
        items[slotIndex(info.slot)] = readWornItem(info.slot, slotCategory(info.slot));
        if (!items[slotIndex(info.slot)]) return false;
    }
    for (const SlotInfo &info : kSlots) {
        resetRequirementRow(info.requirementRow);
        if (const auto &item = items[slotIndex(info.slot)])
            removeItem(info.slot, *item);
        else
            s_.slot(info.slot).setName.clear();
    }
    s_.weaponGrip = WeaponGrip::Normal;
    return true;
}

bool Planner::takeOffAllItems() {
    if (!takeOffAll()) return false;
    updateCarryingCapacity();
    return true;
}

// ---- Worn copies ----

std::optional<int> Planner::appendRow(Category table, const QVector<QString> &cells) {
    return s_.catalogue.table(table).appendRow(cells);
}

EquipResult Planner::replaceWornItem(Slot slot, Category table, int row, const QString &setName, bool check) {
    PlannerState before = s_;
    if (!clearSlot(slot)) return EquipResult::BadItem;
    const EquipResult result = equipRow(table, setName, slot, row, FailureReport::Message, check);
    // The off-hand's kind follows the table of what it now wears.
    if (result == EquipResult::Equipped && slot == Slot::OffHand)
        s_.offHandKind = table == Category::Shields ? OffHandKind::Shield : OffHandKind::Dagger;
    if (result != EquipResult::Equipped) {
        // The appended rows are kept: they stay until the program ends.
        before.catalogue = std::move(s_.catalogue);
        s_ = std::move(before);
    }
    return result;
}

bool Planner::wearNewRow(Slot slot, Category table, const QVector<QString> &cells, const QString &setName,
                         const NewRowWording &wording) {
    if (const int worn = s_.slot(slot).row; worn != 0) {
        const CategoryTable &wornTable = s_.catalogue.table(slotCategory(slot));
        const auto read = readItem(wornTable, worn);
        if (const auto *fault = std::get_if<ItemFault>(&read)) {
            message(itemRefusal(wornTable.cell(col::Name, worn), wording.copyOfWorn ? wording.refusal : kNotTakenOff,
                                   itemFaultReason(*fault)));
            return false;
        }
    }
    const auto row = appendRow(table, cells);
    if (!row) {
        QString reason = QStringLiteral("в таблице «%1» нет свободной строки").arg(categoryTypeValue(table));
        if (wording.copyOfWorn) reason += QStringLiteral(" (в ней уже %1 предметов)").arg(CategoryTable::kMaxItemRows);
        message(itemRefusal(wording.itemName, wording.refusal, reason));
        return false;
    }
    return replaceWornItem(slot, table, *row, setName, false) == EquipResult::Equipped;
}

// ---- Character ----

void Planner::writePointLabels() {
    CharacterSheet &sheet = s_.sheet;
    sheet.setText(Lbl::Label_lvl, QStringLiteral("[%1]").arg(s_.points.level));
    for (const PointTableInfo &t : kPointTables) sheet.setValue(t.freePoints, s_.points.free[pointTableIndex(t.table)]);
    for (int r = 0; r < kPointRowCount; ++r) sheet.setValue(kPointRows[r].own, s_.points.own[r]);
}

bool Planner::resetCharacter() {
    const PointTableInfo &stats = pointTableInfo(PointTable::Stats);
    std::array<qint64, kPointRowCount> own{};
    for (int r = stats.firstRow; r < stats.firstRow + stats.rowCount; ++r) {
        const QString &field = s_.entryTexts[kPointRows[r].entryField];
        const auto v = parseInt32(field);
        if (!v) {
            message(notAnIntegerMessage(field));
            return false;
        }
        own[r] = *v;
    }
    s_.points.level = 1;
    s_.points.free = {5, 1, 1};
    s_.points.own = own;
    for (int r = stats.firstRow; r < stats.firstRow + stats.rowCount; ++r) {
        s_.itemTotals.values[r] = 0;
        s_.sheet.setValue(kPointRows[r].items, 0);
    }
    writePointLabels();
    s_.sheet.entryPanelVisible = false;
    layoutItemModifiers();
    return true;
}

bool Planner::applyCharacterEntry() {
    // The own values are read before the level and the free points, so a fault
    // there is the one reported first.
    std::array<qint32, kEntryFieldCount> entered{};
    for (int k = 0; k < kEntryFieldCount; ++k) {
        const int f = (k + 4) % kEntryFieldCount;
        const auto v = parseInt32(s_.entryTexts[f]);
        if (!v) {
            message(notAnIntegerMessage(s_.entryTexts[f]));
            return false;
        }
        entered[f] = *v;
    }
    if (!takeOffAll()) return false;
    resetCharacter();
    s_.sheet.setText(Lbl::LMoneti, QStringLiteral("0"));
    s_.sheet.setText(Lbl::LZoloto, QStringLiteral("0"));
    s_.sheet.entryPanelVisible = false;

    s_.points.level = std::max<qint64>(1, entered[entry::Level]);
    s_.points.free[pointTableIndex(PointTable::Stats)] = std::max<qint64>(0, entered[entry::FreeStats]);
    s_.points.free[pointTableIndex(PointTable::Masteries)] = std::max<qint64>(0, entered[entry::FreeMasteries]);
    s_.points.free[pointTableIndex(PointTable::Magic)] = std::max<qint64>(0, entered[entry::FreeMagic]);
    writePointLabels();

    refreshMagicButtons();
    refreshMasteryButtons();
    refreshStatButtons();
    updateStatBonuses();
    updateCarryingCapacity();
    applySetBonus();
    updateHealthAndMana();
    updateAuras();
    // The entered values may sit below the requirements, so the marks follow them.
    highlightUnmetRequirements();
    return true;
}

void Planner::setEntryText(int field, const QString &t) {
    if (field >= 0 && field < kEntryFieldCount) s_.entryTexts[field] = t;
}

void Planner::refreshStatButtons() { refreshButtons(s_.sheet, PointTable::Stats); }
void Planner::refreshMasteryButtons() { refreshButtons(s_.sheet, PointTable::Masteries); }
void Planner::refreshMagicButtons() { refreshButtons(s_.sheet, PointTable::Magic); }
void Planner::updateTotals() { veldora::updateTotals(s_.sheet); }
void Planner::updateCarryingCapacity() { veldora::updateCarryingCapacity(s_.sheet); }
void Planner::updateHealthAndMana() { veldora::updateHealthAndMana(s_.sheet, s_.points.level); }
void Planner::layoutItemModifiers() { veldora::layoutItemModifiers(s_.sheet); }
void Planner::updateStatBonuses() { veldora::updateStatBonuses(s_.sheet); }
void Planner::updateAuras() { veldora::updateAuras(s_.sheet); }

void Planner::runLinks(PointTable table, unsigned links) {
    if (links & LinkRefreshButtons) refreshButtons(s_.sheet, table);
    if (links & LinkStatBonuses) updateStatBonuses();
    if (links & LinkCarryingCapacity) updateCarryingCapacity();
    if (links & LinkSetBonus) applySetBonus();
    if (links & LinkHealthAndMana) updateHealthAndMana();
    if (links & LinkAuras) updateAuras();
    if (links & LinkHighlight) highlightUnmetRequirements();
}

void Planner::plus(PointTable table, int row) {
    const PointTableInfo &info = pointTableInfo(table);
    if (row < 0 || row >= info.rowCount) return;
    const int r = info.firstRow + row;
    // A hidden button cannot be clicked: the plus buttons show only while the
    // table has free points.
    if (!s_.sheet.buttons[r].plusVisible) return;
    if (r == stat::Uda4a && s_.points.level < 5) {
        message(QStringLiteral("Функция не доступна, т.к. ваш уровень ниже 5."));
        return;
    }
    qint64 &free = s_.points.free[pointTableIndex(table)];
    ++s_.points.own[r];
    --free;
    s_.sheet.setValue(kPointRows[r].own, s_.points.own[r]);
    s_.sheet.setValue(info.freePoints, free);
    runLinks(table, kPointRows[r].links);
}

void Planner::minus(PointTable table, int row) {
    const PointTableInfo &info = pointTableInfo(table);
    if (row < 0 || row >= info.rowCount) return;
    const int r = info.firstRow + row;
    if (s_.points.own[r] <= kPointRows[r].minimum) return;
    qint64 &free = s_.points.free[pointTableIndex(table)];
    --s_.points.own[r];
    ++free;
    s_.sheet.setValue(kPointRows[r].own, s_.points.own[r]);
    s_.sheet.setValue(info.freePoints, free);
    runLinks(table, kPointRows[r].links);
}

// ---- Set bonus ----

void Planner::countWornSets() {
    std::array<const QString *, kSlotCount> names;
    for (int i = 0; i < kSlotCount; ++i) names[i] = &s_.slot(kSetCountOrder[i]).setName;
    const WornSet worn = veldora::countWornSets(names);
    s_.wornSetName = worn.name;
    s_.wornSetCount = worn.count;
}

void Planner::applySetBonus() {
    if (s_.firstSetEvaluation)
        s_.firstSetEvaluation = false;
    else
        countWornSets();
    const auto fault = applySetBonusRow(s_.sheet, s_.catalogue.sets, {s_.wornSetName, s_.wornSetCount});
    // Reported once per set: the bonus is evaluated on every click.
    if (fault && !s_.reportedSetFaults.contains(s_.wornSetName)) {
        s_.reportedSetFaults.append(s_.wornSetName);
        message(QStringLiteral("Бонус комплекта «%1» не учтён: в поле «%2» записано «%3», а не целое число.")
                    .arg(s_.wornSetName, text(kSetBonusColumns[fault->column].field), fault->text));
    }
}

// ---- Window actions ----

std::optional<int> Planner::clickSlot(Slot slot) {
    lastCheck_.reset();
    if (slot == Slot::Weapon) s_.weaponGrip = WeaponGrip::Normal;
    if (s_.slot(slot).row != 0) {
        clearSlot(slot);
        return std::nullopt;
    }
    return catalogueTabOf(slotInfo(slot).category);
}

void Planner::clickCatalogueItem(int tabIndex, int row) {
    lastCheck_.reset();
    if (tabIndex < 0 || tabIndex >= kCatalogueTabCount) return;
    const CatalogueTab &tab = kCatalogueTabs[tabIndex];
    const CategoryTable &table = s_.catalogue.table(tab.category);
    if (row < 1 || row >= table.rowCount() || row > CategoryTable::kMaxItemRows ||
        table.cellRef(col::Name, row).isEmpty()) {
        message(QStringLiteral("Предмет №%1 вкладки «%2» не найден в таблице предметов.")
                    .arg(row)
                    .arg(text(tab.caption)));
        return;
    }
    switch (tabIndex) {
    case tab::Weapons:
        clickWeapon(row);
        return;
    case tab::Shields:
        clickShield(row);
        return;
    case tab::Rings:
        clickFreeSlot(tabIndex, row, freeRingSlot());
        return;
    case tab::Talismans:
        clickFreeSlot(tabIndex, row, freeTalismanSlot());
        return;
    default:
        if (row == s_.slot(tab.slot).row) return;  // already worn
        if (!clearSlot(tab.slot)) return;
        equipFromCatalogue(tab.category, table.cell(col::SetName, row), tab.slot, row);
    }
}

void Planner::clickShield(int row) {
    if (s_.offHandKind == OffHandKind::Shield && row == s_.slot(Slot::OffHand).row) return;
    // Refused before the off-hand's requirement row is reset: a shield kept by a
    // preset beside a two-handed weapon keeps its requirements.
    if (s_.weaponGrip == WeaponGrip::TwoHanded) {
        if (hideInfoPanel_) hideInfoPanel_();
        message(QStringLiteral("Оружие двуручное!"));
        return;
    }
    if (!clearSlot(Slot::OffHand)) return;
    s_.offHandKind = OffHandKind::Shield;
    const CategoryTable &shields = s_.catalogue.table(Category::Shields);
    equipFromCatalogue(Category::Shields, shields.cell(col::SetName, row), Slot::OffHand, row);
}

void Planner::clickWeapon(int row) {
    const CategoryTable &weapons = s_.catalogue.table(Category::Weapons);
    const QString setName = weapons.cell(col::SetName, row);
    const bool twoHanded = isYes(weapons.cellRef(col::TwoHanded, row));
    const WeaponGrip grip = twoHanded ? WeaponGrip::TwoHanded : WeaponGrip::Normal;
    // The grip follows what the weapon slot holds afterwards: a refused weapon
    // leaves the hand empty, and a worn weapon that could not be taken off keeps its grip.
    const WeaponGrip before = s_.weaponGrip;
    const auto equipWeapon = [&] {
        if (!clearSlot(Slot::Weapon)) {
            s_.weaponGrip = before;
            return;
        }
        const bool on = equipFromCatalogue(Category::Weapons, setName, Slot::Weapon, row) == EquipResult::Equipped;
        s_.weaponGrip = on ? grip : WeaponGrip::Normal;
    };

    if (s_.slot(Slot::OffHand).row == 0) {
        if (s_.weaponGrip != WeaponGrip::TwoHanded && isYes(weapons.cellRef(col::SecondWeapon, row))) {
            equipFromCatalogue(Category::Weapons, setName, Slot::OffHand, row);
            s_.offHandKind = OffHandKind::Dagger;
        } else {
            equipWeapon();
        }
    } else {
        equipWeapon();
        if (twoHanded) clearSlot(Slot::OffHand);
    }
}

std::optional<Slot> Planner::freeSlot(const std::array<Slot, 5> &candidates, const QString &fullMessage) {
    const auto free = std::find_if(candidates.begin(), candidates.end(), [&](Slot s) { return s_.slot(s).row == 0; });
    if (free != candidates.end()) return *free;
    message(fullMessage);
    return std::nullopt;
}

std::optional<Slot> Planner::freeRingSlot() { return freeSlot(kRingSlots, QStringLiteral("Все слоты для колец заняты.")); }

std::optional<Slot> Planner::freeTalismanSlot() {
    return freeSlot(kTalismanSlots, QStringLiteral("Все слоты для талисманов заняты."));
}

void Planner::clickFreeSlot(int tabIndex, int row, std::optional<Slot> free) {
    if (!free) return;
    const Category category = kCatalogueTabs[tabIndex].category;
    if (!clearSlot(*free)) return;
    equipFromCatalogue(category, s_.catalogue.table(category).cell(col::SetName, row), *free, row);
}

// ---- Presets ----

void Planner::equipPreset(const PresetArgs &a) {
    equipPreset(text(a.weaponName), text(a.setName), a.oneHanded, text(a.ringName), a.twinWeapons);
}

void Planner::equipPreset(const QString &weaponName, const QString &setName, int oneHanded, const QString &ringName,
                          int twinWeapons) {
    const QString heading = QStringLiteral("Требования не подходят для:\r\r");
    s_.errorLabel = heading;
    s_.lastFailedItemName.clear();
    s_.weaponGrip = oneHanded != 0 ? WeaponGrip::Normal : WeaponGrip::TwoHanded;

    const bool hasWeapon = weaponName != kNilName;
    if (clearSlot(Slot::Weapon) && hasWeapon)
        equipByName(Category::Weapons, setName, weaponName, Slot::Weapon, kNilName, 0);
    // An empty weapon hand holds nothing two-handed, whatever the preset meant to put in it.
    if (s_.slot(Slot::Weapon).row == 0) s_.weaponGrip = WeaponGrip::Normal;
    if (twinWeapons == 0) {
        if (s_.slot(Slot::OffHand).setName != setName) {
            if (clearSlot(Slot::OffHand) && oneHanded == 1)
                equipByName(Category::Shields, setName, kNilName, Slot::OffHand, kNilName, 0);
            s_.offHandKind = OffHandKind::Shield;
        }
    } else {
        if (clearSlot(Slot::OffHand) && hasWeapon)
            equipByName(Category::Weapons, setName, weaponName, Slot::OffHand, kNilName, 0);
        s_.offHandKind = OffHandKind::Dagger;
    }

    static constexpr Slot kSetSlots[] = {Slot::Helmet, Slot::Pendant, Slot::Armour, Slot::Belt,    Slot::Amulet,
                                         Slot::Boots,  Slot::Bracelets, Slot::Gloves, Slot::Trousers};
    const auto fill = [&](Slot slot, const QString &keepWhen, const QString &secondName) {
        if (s_.slot(slot).setName == keepWhen) return;
        if (clearSlot(slot)) equipByName(slotInfo(slot).category, setName, kNilName, slot, secondName, 0);
    };
    for (Slot slot : kSetSlots) fill(slot, setName, kNilName);
    // Ring slots are compared with the ring argument, so they are always put on afresh.
    for (Slot slot : kRingSlots) fill(slot, ringName, ringName);
    for (Slot slot : kTalismanSlots) fill(slot, setName, kNilName);

    if (s_.errorLabel != heading) message(s_.errorLabel);
}

}  // namespace veldora
