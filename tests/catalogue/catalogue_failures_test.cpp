#include "FixtureCatalogue.h"
#include "StderrCapture.h"
#include "catalogue/CatalogueLoader.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>


using namespace veldora;
using veldora::testing::FixtureCatalogue;
using veldora::testing::StderrCapture;

namespace {

FixtureCatalogue smallCatalogue() {
    FixtureCatalogue f;
    f.addItem(Category::Weapons, QStringLiteral("Меч"), 3, {{col::SetName, QStringLiteral("Ангела")}})
        .addItem(Category::Helmets, QStringLiteral("Шлем"), 1)
        .addSet(QStringLiteral("Ангела"), 2)
        .addReport(QStringLiteral("01.01.2010"), QStringLiteral("Начало"));
    return f;
}

QString databasePath(const QTemporaryDir &dir) { return catalogueDatabasePath(dir.path()); }

QByteArray readFile(const QString &path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Exactly one of catalogue and error, and an error names the file.
void expectFailure(const CatalogueLoad &load, const QString &path, const QStringList &mentions = {}) {
    EXPECT_FALSE(load.catalogue);
    EXPECT_TRUE(load.error.contains(path)) << load.error.toStdString();
    for (const QString &m : mentions) EXPECT_TRUE(load.error.contains(m)) << load.error.toStdString() << " / " << m.toStdString();
}

CatalogueLoad loadTables(const std::vector<jet::Table> &tables, QTemporaryDir &dir) {
    EXPECT_EQ(FixtureCatalogue::writeTables(dir.path(), tables), QString());
    return loadCatalogue(dir.path());
}

}  // namespace

TEST(CatalogueFailures, MissingOrForeignFileGivesOneMessageNamingIt) {
    QTemporaryDir dir;
    const QString path = databasePath(dir);
    expectFailure(loadCatalogue(dir.path()), path, {QStringLiteral("Не найден")});

    ASSERT_EQ(smallCatalogue().write(dir.path()), QString());
    QByteArray random(8 * 4096, '\0');
    QRandomGenerator gen(7);
    for (char &c : random) c = char(gen.bounded(256));
    const QByteArray text = QByteArray("ID,Название\n1,Меч\n").repeated(1000);
    for (const QByteArray &bytes : {QByteArray(), random, text, QByteArray(4 * 4096, '\0')}) {
        writeFile(path, bytes);
        expectFailure(loadCatalogue(dir.path()), path, {QStringLiteral("повреждён")});
    }
}

TEST(CatalogueFailures, TruncatedOrDamagedHeaderIsRefused) {
    QTemporaryDir dir;
    ASSERT_EQ(smallCatalogue().write(dir.path()), QString());
    const QString path = databasePath(dir);
    const QByteArray good = readFile(path);
    ASSERT_TRUE(loadCatalogue(dir.path()).catalogue);
    for (qsizetype size : {qsizetype(0), qsizetype(1), qsizetype(100), qsizetype(4096), qsizetype(4097),
                           qsizetype(3 * 4096), qsizetype(good.size() / 2), good.size() - 4096, good.size() - 1}) {
        writeFile(path, good.left(size));
        expectFailure(loadCatalogue(dir.path()), path);
    }
    // Page type, signature, version, the masked database key, the catalogue's page.
    for (int offset : {0x00, 0x05, 0x14, 0x3E, 0x40, 2 * 4096, 2 * 4096 + 45, 2 * 4096 + 55}) {
        QByteArray bad = good;
        bad[offset] = char(bad[offset] ^ 0x5A);
        writeFile(path, bad);
        expectFailure(loadCatalogue(dir.path()), path);
    }
}

// Damage anywhere can make libmdb read out of bounds or loop: every mutation must end in a
// catalogue or one message, never in a crash or a hang. libmdb must not even warn: a
// warning means it walked a structure the check let through unproven.
TEST(CatalogueFailures, RandomDamageNeverCrashesOrHangs) {
    QTemporaryDir dir;
    FixtureCatalogue f = smallCatalogue();
    for (int i = 0; i < 40; ++i) f.addItem(Category::Rings, QStringLiteral("Кольцо %1").arg(i), i);
    ASSERT_EQ(f.write(dir.path()), QString());
    const QString path = databasePath(dir);
    const QByteArray good = readFile(path);
    const int pages = int(good.size() / 4096);
    QRandomGenerator gen(20240611);
    int refused = 0;
    StderrCapture capture;
    for (int round = 0; round < 1500; ++round) {
        QByteArray bad = good;
        const int changes = 1 + int(gen.bounded(8));
        for (int k = 0; k < changes; ++k) {
            const int page = 1 + int(gen.bounded(pages - 1));
            // Headers, row tables and row ends are where the structure lives.
            const int within = gen.bounded(3) == 0 ? int(gen.bounded(96)) : gen.bounded(2) ? int(gen.bounded(4096)) : 4000 + int(gen.bounded(96));
            const quint32 pick = gen.bounded(4);
            char &b = bad[qsizetype(page) * 4096 + within];
            b = pick == 0 ? char(0) : pick == 1 ? char(0xFF) : pick == 2 ? char(b ^ (1 << gen.bounded(8))) : char(gen.bounded(256));
        }
        writeFile(path, bad);
        const CatalogueLoad load = loadCatalogue(dir.path());
        EXPECT_NE(bool(load.catalogue), !load.error.isEmpty());
        if (!load.catalogue) {
            ++refused;
            EXPECT_TRUE(load.error.contains(path));
        }
    }
    EXPECT_EQ(capture.release(), QByteArray());
    EXPECT_GT(refused, 100);
}

TEST(CatalogueFailures, MissingTableOrFieldIsNamed) {
    QTemporaryDir dir;
    const QString path = databasePath(dir);
    const auto full = smallCatalogue().tables();
    for (size_t drop = 0; drop < full.size(); ++drop) {
        auto tables = full;
        tables.erase(tables.begin() + qsizetype(drop));
        expectFailure(loadTables(tables, dir), path, {QStringLiteral("нет таблицы «%1»").arg(full[drop].name)});
    }
    const std::pair<int, QString> dropped[] = {{0, QStringLiteral("Треб Уровень")}, {0, QStringLiteral("Стихийный пробой")},
                                               {0, QStringLiteral("Тип")}, {1, QStringLiteral("Интенсивность")},
                                               {1, QStringLiteral("ID")}, {2, QStringLiteral("Отчёт")}};
    for (const auto &[table, field] : dropped) {
        auto tables = full;
        jet::Table &t = tables[size_t(table)];
        const int index = FixtureCatalogue::columnIndex(t, field);
        ASSERT_GE(index, 0);
        t.columns.erase(t.columns.begin() + index);
        for (jet::Row &row : t.rows) row.erase(row.begin() + index);
        expectFailure(loadTables(tables, dir), path, {QStringLiteral("«%1»").arg(t.name), QStringLiteral("поля «%1»").arg(field)});
    }
}

TEST(CatalogueFailures, NullInAFieldThatIsReadNamesTableRecordAndField) {
    QTemporaryDir dir;
    const QString path = databasePath(dir);
    {
        FixtureCatalogue f = smallCatalogue();
        f.addItem(Category::Trousers, QStringLiteral("Штаны"), 1, {{col::File, std::nullopt}});  // ID 3
        expectFailure(loadTables(f.tables(), dir), path, {QStringLiteral("«Предметы»"), QStringLiteral("ID 3"), QStringLiteral("«File»")});
    }
    {
        FixtureCatalogue f = smallCatalogue();
        f.addSet(QStringLiteral("Бездна"), 3, {{47, std::nullopt}});
        expectFailure(loadTables(f.tables(), dir), path,
                      {QStringLiteral("«Фулы Бонус»"), QStringLiteral("ID 2"), QStringLiteral("«Интенсивность»")});
    }
    {
        FixtureCatalogue f = smallCatalogue();
        f.addReport(QStringLiteral("02.01.2010"), QStringLiteral("x"), 9);
        auto tables = f.tables();
        tables[2].rows.back()[1] = std::nullopt;
        expectFailure(loadTables(tables, dir), path, {QStringLiteral("«Отчёты»"), QStringLiteral("ID 9"), QStringLiteral("«Дата»")});
    }
    {
        auto tables = smallCatalogue().tables();
        tables[0].rows[1][0] = std::nullopt;  // the helmet, second record, has no ID
        tables[0].rows[1][5] = std::nullopt;
        expectFailure(loadTables(tables, dir), path, {QStringLiteral("№ 2"), QStringLiteral("«ID»")});
    }
    {
        // NULL in a record outside the thirteen categories is never read.
        FixtureCatalogue f = smallCatalogue();
        f.addItemOfType(QStringLiteral("Зелья"), QStringLiteral("Зелье"), 1, {{col::Price, std::nullopt}});
        EXPECT_TRUE(loadTables(f.tables(), dir).catalogue);
    }
}
