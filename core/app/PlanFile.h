#pragma once

#include "app/PlannerState.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <array>
#include <variant>

namespace veldora {

// A plan: what a player saves of a character and its outfit, to open it again
// later, also on another item database. It is a small JSON file, readable in any
// text editor, with a format name and a version.
//
//   {"format": "veldora-plan", "version": 1,
//    "character": {"entry": {"Уровень": "10", ...}, "points": {"Сила": 8, ...}},
//    "requirementCheck": true, "weaponGrip": "Норм", "offHand": "щит",
//    "items": [{"slot": "Шлем", "category": "Шлемы", "name": "Шлем хитрости",
//               "row": 12, "set": "Хитрости"}, ...]}
//
// A forged, enchanted or custom copy also carries "copy", its cells by column, so
// that it comes back as it was whatever the database holds.

inline constexpr int kPlanVersion = 1;
inline constexpr const char *kPlanFormat = "veldora-plan";
// Plans are JSON files; the file dialogs offer this suffix.
inline constexpr const char *kPlanSuffix = "json";

struct PlanItem {
    Slot slot = Slot::Helmet;
    Category table = Category::Helmets;
    QString name;
    int row = 0;               // its row when saved: tells apart items of the same name
    QString setName;           // the slot's set name, which a preset may have given
    QVector<QString> cells;    // a copy's cells, kItemColumnCount of them; empty for a catalogue item
    bool isCopy() const { return !cells.isEmpty(); }
    bool operator==(const PlanItem &) const = default;
};

struct Plan {
    std::array<QString, kEntryFieldCount> entryTexts;  // Edit1 .. Edit12 as last entered
    std::array<qint64, kPointRowCount> own{};          // own values after distributing the points
    bool requirementCheckOn = false;
    WeaponGrip weaponGrip = WeaponGrip::Normal;
    OffHandKind offHandKind = OffHandKind::Shield;
    QVector<PlanItem> items;                           // worn items, in slot order
    bool operator==(const Plan &) const = default;
};

// What the planner's state holds of a plan.
Plan planOf(const PlannerState &state);

QByteArray planJson(const Plan &plan);

// The plan in `json`, or why it is none, in Russian, to follow "План «…» не открыт: ".
std::variant<Plan, QString> readPlanJson(const QByteArray &json);

// The plan's name as the title and the messages show it: the file name without its suffix.
QString planName(const QString &path);

// Writes the plan of `state` to `path`, whole or nothing. On failure returns false
// and fills `error` with the message for the player.
bool savePlanFile(const QString &path, const PlannerState &state, QString *error);

// Reads the plan at `path`, or returns the message for the player.
std::variant<Plan, QString> loadPlanFile(const QString &path);

}  // namespace veldora
