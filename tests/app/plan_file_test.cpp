#include "PlanFixtures.h"
#include "app/PlanOpening.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace {

struct PlanFixture : PlannerFixture {
    UndoHistory history{planner};
    explicit PlanFixture(Catalogue c = guardCatalogue()) : PlannerFixture(std::move(c)) {}
    void run(const std::vector<Action> &actions) {
        for (const Action &a : actions) history.perform(a.label, [&] { a.run(planner); });
    }
};

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The cells each slot wears, which a fresh program may hold in other row numbers.
std::vector<QVector<QString>> wornCells(const PlannerState &s) {
    std::vector<QVector<QString>> worn;
    for (const SlotInfo &slot : kSlots) {
        QVector<QString> cells;
        if (const int row = s.slot(slot.slot).row) {
            for (int col = 0; col < kItemColumnCount; ++col)
                cells.append(s.catalogue.table(wornCategory(s, slot.slot)).cell(col, row));
        }
        worn.push_back(cells);
    }
    return worn;
}

// A character with points moved both ways, a preset with a two-handed weapon, the helmet enchanted and then forged, a custom amulet.
std::vector<Action> buildCharacter(const PlannerState &s) {
    const PresetArgs twoHanded{"Двуручный меч", "Стража", 0, kNil, 0};
    return {
        enter({"7", "2", "1", "1", "5", "3", "3", "3", "3", "1", "1", "0"}),
        {pointLabel(PointTable::Stats, 0, false), [](Planner &p) { p.minus(PointTable::Stats, 0); }},
        plus(PointTable::Stats, 7),
        plus(PointTable::Stats, 7),
        plus(PointTable::Stats, 2),
        plus(PointTable::Masteries, 4),
        {presetLabel(twoHanded), [=](Planner &p) { p.equipPreset(twoHanded); }},
        wear(s, Category::Helmets, "Шлем стража"),
        enchantHelmet(),
        forgeHelmetCopper(3),
        putOnCustomAmulet("Амулет удачи"),
        {slotClickLabel(s, Slot::Ring3), [](Planner &p) { p.clickSlot(Slot::Ring3); }},
    };
}

}  // namespace

TEST(PlanFile, ACharacterWithCopiesComesBackAsItWasInTheSameRunAndInANewOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Уклонист.json"));
    PlanFixture f;
    f.run(buildCharacter(f.state()));
    const PlannerState saved = f.state();
    ASSERT_EQ(saved.weaponGrip, WeaponGrip::TwoHanded);
    ASSERT_EQ(saved.points.own[stat::Uda4a], 2);
    ASSERT_EQ(saved.slot(Slot::Ring3).row, 0);
    QString error;
    ASSERT_TRUE(savePlanFile(path, saved, &error)) << error.toStdString();
    EXPECT_EQ(std::get<Plan>(readPlanJson(readAll(path))), planOf(saved)) << "the file holds the whole plan";

    // The same run: the entry panel's "Ok" empties everything; the copies are
    // found again among the rows appended before, so the state is the very same.
    f.run({enter({"1", "5", "1", "1"})});
    const int steps = f.history.undoCount();
    const PlannerState reset = f.state();
    EXPECT_TRUE(openPlanFile(f.history, path));
    EXPECT_TRUE(sameCharacterAndOutfit(f.state(), saved)) << firstDifference(f.state(), saved);
    EXPECT_EQ(f.history.undoCount(), steps + 1) << "opening is one step";
    EXPECT_EQ(f.history.undoLabel(), u("Открыть план «Уклонист»"));
    f.history.undo();
    EXPECT_TRUE(sameCharacterAndOutfit(f.state(), reset));

    // A new run on the same database: the copies get rows of their own.
    PlanFixture fresh;
    EXPECT_TRUE(openPlanFile(fresh.history, path));
    EXPECT_TRUE(fresh.messages.shown.isEmpty()) << fresh.messages.shown.join(u(" | ")).toStdString();
    EXPECT_EQ(fresh.state().sheet, saved.sheet) << firstDifference(fresh.state(), saved);
    EXPECT_EQ(wornCells(fresh.state()), wornCells(saved));
    EXPECT_EQ(fresh.state().requirements, saved.requirements);
    EXPECT_EQ(fresh.state().weaponGrip, WeaponGrip::TwoHanded);
    EXPECT_EQ(fresh.state().slot(Slot::Amulet).setName, saved.slot(Slot::Amulet).setName);
    EXPECT_EQ(fresh.state().catalogue.table(Category::Helmets).rowCount(),
              saved.catalogue.table(Category::Helmets).rowCount());
}

TEST(PlanFile, TheRequirementCheckIsKeptInThePlanButOpeningLeavesThePlayersSetting) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("План.json"));
    PlanFixture f;
    f.run({wear(f.state(), Category::Helmets, "Шлем стража")});  // level 4 needed
    f.planner.setRequirementCheckOn(true);
    ASSERT_TRUE(savePlanFile(path, f.state(), nullptr));
    EXPECT_TRUE(std::get<Plan>(loadPlanFile(path)).requirementCheckOn);
    for (bool check : {true, false}) {
        PlanFixture other;
        other.planner.setRequirementCheckOn(check);
        EXPECT_TRUE(openPlanFile(other.history, path));
        EXPECT_NE(other.row(Slot::Helmet), 0) << "worn as it was saved, whatever the check says at level 1";
        EXPECT_EQ(other.state().requirementCheckOn, check) << "the setting belongs to ini.ini";
    }
}

TEST(PlanFile, AnItemTheDatabaseNoLongerHoldsIsNamedAndTheRestComesBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Старый.json"));
    PlanFixture f;
    f.run({wear(f.state(), Category::Helmets, "Обруч"), wear(f.state(), Category::Pendants, "Кулон стража"),
           wear(f.state(), Category::Rings, "Кольцо стража")});
    ASSERT_TRUE(savePlanFile(path, f.state(), nullptr));

    // The new database lost the circlet and the pendant, and put the ring elsewhere.
    CatalogueBuilder b;
    b.add(Category::Rings, u("Кольцо огня"));
    const int ring = b.add(Category::Rings, u("Кольцо стража"), {{col::SetName, u("Стража")}});
    PlanFixture newer(b.catalogue);
    EXPECT_TRUE(openPlanFile(newer.history, path));
    EXPECT_EQ(newer.messages.shown,
              QStringList{u("В базе предметов больше нет этих предметов плана «Старый», они не надеты:\r\r"
                            "Обруч\rКулон стража")});
    EXPECT_EQ(newer.state().slot(Slot::Ring1).row, ring);
    EXPECT_EQ(newer.state().slot(Slot::Helmet).row, 0);
    EXPECT_EQ(newer.history.undoCount(), 1);
}

TEST(PlanFile, ADamagedForeignOrNewerFileChangesNothingAndSaysWhy) {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.json"));
    PlanFixture source;
    source.run({enter({"5", "3"}), plus(PointTable::Stats, 7), wear(source.state(), Category::Helmets, "Обруч")});
    ASSERT_TRUE(savePlanFile(good, source.state(), nullptr));
    const QByteArray json = readAll(good);
    const auto edited = [&](const std::function<void(QJsonObject &)> &edit) {
        QJsonObject root = QJsonDocument::fromJson(json).object();
        edit(root);
        return QJsonDocument(root).toJson();
    };
    const auto character = [](QJsonObject &root, const char *part, const char *key, const QJsonValue &v) {
        QJsonObject c = root[QStringLiteral("character")].toObject();
        QJsonObject o = c[QLatin1String(part)].toObject();
        o[u(key)] = v;
        c[QLatin1String(part)] = o;
        root[QStringLiteral("character")] = c;
    };
    const QString refused = u("План «plan» не открыт: ");
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {"Список покупок: меч, щит", u("это не план Вельдоры.")},
        {json.left(json.size() / 2),
         u("он повреждён: в строке %1 нарушена запись JSON.").arg(json.left(json.size() / 2).count('\n') + 1)},
        {edited([](QJsonObject &r) { r[QStringLiteral("version")] = 2; }),
         u("он записан более новой версией программы (версия плана 2, эта программа открывает планы до версии 1).")},
        {edited([&](QJsonObject &r) { character(r, "entry", "Сила", u("три")); }),
         u("он повреждён: в поле «Сила» записано «три», а не целое число.")},
        {edited([&](QJsonObject &r) { character(r, "entry", "Уровень", u("4")); }),
         u("он повреждён: «Удача» 1 не получить кнопками из введённых данных.")},
        {edited([](QJsonObject &r) {
             QJsonArray items = r[QStringLiteral("items")].toArray();
             QJsonObject helmet = items[0].toObject();
             helmet[QStringLiteral("slot")] = u("Кольцо1");
             items[0] = helmet;
             r[QStringLiteral("items")] = items;
         }),
         u("он повреждён: в слот «Кольцо1» записан предмет из таблицы «Шлемы».")},
    };
    const QString path = dir.filePath(QStringLiteral("plan.json"));
    for (const auto &[bytes, why] : cases) {
        PlanFixture f;
        f.run({wear(f.state(), Category::Rings, "Кольцо стража")});
        const PlannerState before = f.state();
        write(path, bytes);
        EXPECT_FALSE(openPlanFile(f.history, path)) << why.toStdString();
        EXPECT_EQ(f.messages.shown, QStringList{refused + why});
        EXPECT_EQ(f.state(), before) << why.toStdString();
        EXPECT_EQ(f.history.undoCount(), 1) << why.toStdString();
    }

    PlanFixture f;
    EXPECT_FALSE(openPlanFile(f.history, dir.filePath(QStringLiteral("нет.json"))));
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_TRUE(f.messages.shown[0].startsWith(u("План «нет» не открыт: файл не читается: "))) << f.messages.shown[0].toStdString();
}

TEST(PlanFile, ASaveThatFailsSaysWhyAndLeavesNoFile) {
    QTemporaryDir dir;
    PlanFixture f;
    QString error;
    const QString nowhere = dir.filePath(QStringLiteral("нет/План.json"));
    EXPECT_FALSE(savePlanFile(nowhere, f.state(), &error));
    EXPECT_TRUE(error.startsWith(u("План «План» не сохранён в %1: ").arg(nowhere))) << error.toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}
