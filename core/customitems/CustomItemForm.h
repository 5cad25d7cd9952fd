#pragma once

#include "app/UserMessages.h"
#include "customitems/CustomItemRecord.h"
#include "customitems/CustomItemStore.h"

#include <QString>
#include <array>
#include <optional>

namespace veldora {

// Which window a form belongs to: the editing window has no input for the sun
// aura and the spear mastery, so those fields keep what the file held.
enum class FormWindow { Creation, Editing };

// What the creation and the editing window hold: one text per field of the
// record as typed (the flags as "1" or "0"), and the picture path: a chosen
// picture's full path, or the path the record stores.
struct CustomItemForm {
    std::array<QString, kCustomItemFieldCount> texts;
    QString picture;

    // The creation window's start and its state after a save.
    static CustomItemForm defaults();
    // Every field from the record, the name and type from the file name.
    static CustomItemForm fromRecord(const CustomItemRecord &record, const CustomItemEntry &entry);

    bool flag(int field) const { return texts[field] == QLatin1String("1"); }
    void setFlag(int field, bool on) { texts[field] = on ? QStringLiteral("1") : QStringLiteral("0"); }

    // Every field the window has an input for, each text cut to its capacity.
    void writeInto(CustomItemRecord &record, FormWindow window) const;

    bool operator==(const CustomItemForm &) const = default;
};

// The creation window's save: checks the inputs, writes the item's file (replacing
// one of the same name and type), copies the picture, says "Предмет создан." and
// resets the form. Returns false, writing nothing and keeping the form, when an
// input is missing or cannot name a file; the message says why.
bool createCustomItem(const CustomItemStore &store, CustomItemForm &form, UserMessages &messages);

// The item the editing window is open for.
struct EditedItem {
    CustomItemRecord record;  // as read; the save writes the window's fields into it
    QString openedFrom;       // file name in DataObject/
};

// Reads the listed item for editing; nullopt, after the message that says why,
// when the file cannot be read.
std::optional<EditedItem> openCustomItem(const CustomItemStore &store, const CustomItemEntry &entry,
                                         UserMessages &messages);

// The editing window's save: the same checks and writes as creating, into the
// record as read, then "Предмет изменён.". A new name or type moves the item: the
// new file is complete before the old one is removed. On success `item` follows
// the saved file.
bool saveEditedItem(const CustomItemStore &store, EditedItem &item, const CustomItemForm &form,
                    UserMessages &messages);

}  // namespace veldora
