#include "app/PlanFile.h"

#include "catalogue/FileErrorText.h"
#include "catalogue/ProgramFiles.h"
#include "character/NumberText.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace veldora {

namespace {

QString u8(const char *text) { return QString::fromUtf8(text); }

// The entry fields by their captions, without the colon some of them show.
QString entryKey(int field) {
    QString caption = u8(kEntryFields[field].caption);
    if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
    return caption;
}

QString slotKey(Slot slot) { return u8(slotInfo(slot).slotKey); }

std::optional<Category> categoryOfName(const QString &name) {
    for (const CategoryInfo &c : kCategories)
        if (name == u8(c.typeValue)) return c.category;
    return std::nullopt;
}

// Reading stops at the first fault, which names the field.
struct Fault {
    QString text;
};

QString damaged(const QString &what) { return QStringLiteral("он повреждён: %1").arg(what); }

const QJsonValue &require(const QJsonValue &v, const QString &name) {
    if (v.isUndefined()) throw Fault{damaged(QStringLiteral("нет поля «%1»").arg(name))};
    return v;
}

QString readText(const QJsonValue &v, const QString &name) {
    if (!require(v, name).isString()) throw Fault{damaged(QStringLiteral("поле «%1» не текст").arg(name))};
    return v.toString();
}

qint64 readWhole(const QJsonValue &v, const QString &name, qint64 low, qint64 high) {
    const double d = require(v, name).toDouble(std::nan(""));
    if (!v.isDouble() || !std::isfinite(d) || d != std::floor(d) || d < double(low) || d > double(high))
        throw Fault{damaged(QStringLiteral("в поле «%1» не целое число от %2 до %3").arg(name).arg(low).arg(high))};
    return qint64(d);
}

QJsonObject readObject(const QJsonValue &v, const QString &name) {
    if (!require(v, name).isObject()) throw Fault{damaged(QStringLiteral("поле «%1» не набор полей").arg(name))};
    return v.toObject();
}

template <typename E>
E readChoice(const QJsonValue &v, const QString &name, std::initializer_list<std::pair<E, QString>> choices) {
    const QString text = readText(v, name);
    for (const auto &[value, caption] : choices)
        if (text == caption) return value;
    throw Fault{damaged(QStringLiteral("в поле «%1» записано «%2»").arg(name, text))};
}

PlanItem readItem(const QJsonValue &v, int index) {
    const QString where = QStringLiteral("items[%1]").arg(index);
    const QJsonObject o = readObject(v, where);
    PlanItem item;
    const QString key = readText(o.value(QLatin1String("slot")), where + QStringLiteral(".slot"));
    const auto slot = slotByKey(key);
    if (!slot) throw Fault{damaged(QStringLiteral("слота «%1» нет").arg(key))};
    item.slot = *slot;
    const QString category = readText(o.value(QLatin1String("category")), where + QStringLiteral(".category"));
    const auto table = categoryOfName(category);
    // An off-hand holds a shield or a second weapon; every other slot its own kind.
    const bool fits = table && (*table == slotInfo(*slot).category ||
                                (*slot == Slot::OffHand && *table == Category::Weapons));
    if (!fits)
        throw Fault{damaged(QStringLiteral("в слот «%1» записан предмет из таблицы «%2»").arg(key, category))};
    item.table = *table;
    item.name = readText(o.value(QLatin1String("name")), where + QStringLiteral(".name"));
    // The row only tells apart items of the same name; a plan written by hand may leave it out.
    if (const QJsonValue row = o.value(QLatin1String("row")); !row.isUndefined())
        item.row = int(readWhole(row, where + QStringLiteral(".row"), 0, CategoryTable::kMaxItemRows));
    item.setName = readText(o.value(QLatin1String("set")), where + QStringLiteral(".set"));
    const QJsonValue copy = o.value(QLatin1String("copy"));
    if (!copy.isUndefined()) {
        const QString name = where + QStringLiteral(".copy");
        if (!copy.isArray() || copy.toArray().size() != kItemColumnCount)
            throw Fault{damaged(QStringLiteral("в поле «%1» не %2 ячеек").arg(name).arg(kItemColumnCount))};
        const QJsonArray cells = copy.toArray();
        item.cells.resize(kItemColumnCount);
        for (int c = 0; c < kItemColumnCount; ++c)
            item.cells[c] = readText(cells.at(c), QStringLiteral("%1[%2]").arg(name).arg(c));
        if (item.cells[col::Name].isEmpty())
            throw Fault{damaged(QStringLiteral("у копии в поле «%1» нет названия").arg(name))};
    }
    return item;
}

Plan readPlan(const QJsonObject &root) {
    Plan plan;
    const QJsonObject character = readObject(root.value(QLatin1String("character")), QStringLiteral("character"));
    const QJsonObject entry = readObject(character.value(QLatin1String("entry")), QStringLiteral("entry"));
    for (int f = 0; f < kEntryFieldCount; ++f) {
        const QString key = entryKey(f);
        plan.entryTexts[f] = readText(entry.value(key), key);
        // The entry as the panel's "Ok" took it: whole numbers only.
        if (!parseInt32(plan.entryTexts[f]))
            throw Fault{damaged(QStringLiteral("в поле «%1» записано «%2», а не целое число").arg(key, plan.entryTexts[f]))};
    }
    const QJsonObject points = readObject(character.value(QLatin1String("points")), QStringLiteral("points"));
    for (int r = 0; r < kPointRowCount; ++r) {
        const QString key = u8(kPointRows[r].caption);
        plan.own[r] = readWhole(points.value(key), key, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    }
    const QJsonValue check = root.value(QLatin1String("requirementCheck"));
    if (!require(check, QStringLiteral("requirementCheck")).isBool())
        throw Fault{damaged(QStringLiteral("поле «requirementCheck» не true и не false"))};
    plan.requirementCheckOn = check.toBool();
    plan.weaponGrip = readChoice<WeaponGrip>(root.value(QLatin1String("weaponGrip")), QStringLiteral("weaponGrip"),
                                 {{WeaponGrip::Normal, weaponGripText(WeaponGrip::Normal)},
                                  {WeaponGrip::TwoHanded, weaponGripText(WeaponGrip::TwoHanded)}});
    plan.offHandKind = readChoice<OffHandKind>(root.value(QLatin1String("offHand")), QStringLiteral("offHand"),
                                  {{OffHandKind::Shield, offHandKindText(OffHandKind::Shield)},
                                   {OffHandKind::Dagger, offHandKindText(OffHandKind::Dagger)}});
    const QJsonValue items = require(root.value(QLatin1String("items")), QStringLiteral("items"));
    if (!items.isArray()) throw Fault{damaged(QStringLiteral("поле «items» не список"))};
    std::array<bool, kSlotCount> taken{};
    const QJsonArray list = items.toArray();
    for (int i = 0; i < list.size(); ++i) {
        PlanItem item = readItem(list.at(i), i);
        bool &slotTaken = taken[slotIndex(item.slot)];
        if (slotTaken) throw Fault{damaged(QStringLiteral("в слот «%1» записано два предмета").arg(slotKey(item.slot)))};
        slotTaken = true;
        plan.items.append(std::move(item));
    }
    std::sort(plan.items.begin(), plan.items.end(),
              [](const PlanItem &a, const PlanItem &b) { return slotIndex(a.slot) < slotIndex(b.slot); });
    return plan;
}

}  // namespace

Plan planOf(const PlannerState &state) {
    Plan plan;
    plan.entryTexts = state.entryTexts;
    plan.own = state.points.own;
    plan.requirementCheckOn = state.requirementCheckOn;
    plan.weaponGrip = state.weaponGrip;
    plan.offHandKind = state.offHandKind;
    for (const SlotInfo &s : kSlots) {
        const EquipmentSlot &worn = state.slot(s.slot);
        if (worn.row == 0) continue;
        PlanItem item;
        item.slot = s.slot;
        item.table = wornCategory(state, s.slot);
        const CategoryTable &table = state.catalogue.table(item.table);
        item.name = table.cell(col::Name, worn.row);
        item.row = worn.row;
        item.setName = worn.setName;
        // Rows past the catalogue's are copies made while the program ran.
        if (worn.row >= table.rowCount()) item.cells = table.rowCells(worn.row);
        plan.items.append(std::move(item));
    }
    return plan;
}

QByteArray planJson(const Plan &plan) {
    QJsonObject entry;
    for (int f = 0; f < kEntryFieldCount; ++f) entry.insert(entryKey(f), plan.entryTexts[f]);
    QJsonObject points;
    for (int r = 0; r < kPointRowCount; ++r) points.insert(u8(kPointRows[r].caption), double(plan.own[r]));
    QJsonArray items;
    for (const PlanItem &item : plan.items) {
        QJsonObject o{{QStringLiteral("slot"), slotKey(item.slot)},
                      {QStringLiteral("category"), categoryTypeValue(item.table)},
                      {QStringLiteral("name"), item.name},
                      {QStringLiteral("row"), item.row},
                      {QStringLiteral("set"), item.setName}};
        if (item.isCopy()) o.insert(QStringLiteral("copy"), QJsonArray::fromStringList(QStringList(item.cells.begin(), item.cells.end())));
        items.append(o);
    }
    const QJsonObject root{
        {QStringLiteral("format"), u8(kPlanFormat)},
        {QStringLiteral("version"), kPlanVersion},
        {QStringLiteral("character"), QJsonObject{{QStringLiteral("entry"), entry}, {QStringLiteral("points"), points}}},
        {QStringLiteral("requirementCheck"), plan.requirementCheckOn},
        {QStringLiteral("weaponGrip"), weaponGripText(plan.weaponGrip)},
        {QStringLiteral("offHand"), offHandKindText(plan.offHandKind)},
        {QStringLiteral("items"), items},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<Plan, QString> readPlanJson(const QByteArray &json) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        // A plan cut short or edited by hand: its keys come in name order, so the
        // part about the character comes first and the format's name near the end.
        if (json.contains(kPlanFormat) || json.contains("\"character\""))
            return damaged(QStringLiteral("в строке %1 нарушена запись JSON").arg(json.left(error.offset).count('\n') + 1));
        return QStringLiteral("это не план Вельдоры");
    }
    const QJsonObject root = doc.object();
    if (root.value(QLatin1String("format")).toString() != u8(kPlanFormat)) return QStringLiteral("это не план Вельдоры");
    const QJsonValue version = root.value(QLatin1String("version"));
    const double v = version.toDouble(0);
    if (!version.isDouble() || v < 1 || v != std::floor(v)) return damaged(QStringLiteral("у него нет номера версии"));
    if (v > kPlanVersion)
        return QStringLiteral("он записан более новой версией программы (версия плана %1, эта программа открывает "
                              "планы до версии %2)")
            .arg(qint64(v))
            .arg(kPlanVersion);
    try {
        return readPlan(root);
    } catch (const Fault &fault) {
        return fault.text;
    }
}

QString planName(const QString &path) {
    const QFileInfo info(path);
    return info.suffix().compare(QLatin1String(kPlanSuffix), Qt::CaseInsensitive) == 0 ? info.completeBaseName()
                                                                                       : info.fileName();
}

bool savePlanFile(const QString &path, const PlannerState &state, QString *error) {
    QSaveFile file(path);
    const QByteArray bytes = planJson(planOf(state));
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    forgetFolderListings();  // the plan may sit in the program folder
    if (!ok && error)
        *error = QStringLiteral("План «%1» не сохранён в %2: %3.").arg(planName(path), path, fileErrorText(file));
    return ok;
}

std::variant<Plan, QString> loadPlanFile(const QString &path) {
    const auto refused = [&](const QString &why) {
        return QStringLiteral("План «%1» не открыт: %2.").arg(planName(path), why);
    };
    QFile file(path);
    // A plan is a few kilobytes; anything far larger is no plan and is not read whole.
    constexpr qint64 kLargest = 16 * 1024 * 1024;
    if (!file.open(QIODevice::ReadOnly)) return refused(QStringLiteral("файл не читается: %1").arg(fileErrorText(file)));
    if (file.size() > kLargest) return refused(QStringLiteral("это не план Вельдоры"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refused(QStringLiteral("файл не читается: %1").arg(fileErrorText(file)));
    auto plan = readPlanJson(bytes);
    if (const QString *why = std::get_if<QString>(&plan)) return refused(*why);
    return plan;
}

}  // namespace veldora
