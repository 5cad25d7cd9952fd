// The writer's files are proved to be Jet 4 by libmdb's own tools and library, not by
// reading our own bytes back.

#include "FixtureCatalogue.h"
#include "JetProperties.h"
#include "JetWriter.h"
#include "catalogue/CatalogueLoader.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/ToolRun.h"

#include <gtest/gtest.h>
#include <mdbtools.h>

using namespace veldora;
using veldora::testing::FixtureCatalogue;

namespace {

using veldora::testing::ToolRun;
ToolRun run(const QString &program, const QStringList &args) { return veldora::testing::runTool(program, args); }

// Rows of a table as mdb-export gives them, cells unquoted; NULL and empty both read "".
QList<QStringList> exportRows(const QString &file, const QString &table) {
    const ToolRun r = run(QStringLiteral("mdb-export"), {QStringLiteral("-H"), QStringLiteral("-Q"), QStringLiteral("-d"),
                                                     QStringLiteral("\x1f"), QStringLiteral("-R"), QStringLiteral("\x1e"),
                                                     file, table});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QString());
    QList<QStringList> rows;
    for (const QString &line : r.out.split(QChar(0x1e), Qt::SkipEmptyParts)) rows << line.split(QChar(0x1f));
    return rows;
}

QString schema(const QString &file) {
    const ToolRun r = run(QStringLiteral("mdb-schema"), {file});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    return r.out;
}

QString write(const QTemporaryDir &dir, const std::vector<jet::Table> &tables) {
    const QString path = dir.filePath(QStringLiteral("t.mdb"));
    EXPECT_EQ(jet::writeDatabase(path, tables), QString());
    return path;
}

jet::Table numbers(const QString &name, int rows) {
    jet::Table t{name, {{QStringLiteral("N"), jet::ColumnType::Integer, 0}}, {}};
    for (int i = 0; i < rows; ++i) t.rows.push_back({QString::number(i)});
    return t;
}

}  // namespace

TEST(JetWriter, TypesWidthsCyrillicExtremesAndNullReadByMdbTools) {
    QTemporaryDir dir;
    jet::Table items{QStringLiteral("Предметы"),
                     {{QStringLiteral("ID"), jet::ColumnType::AutoNumber, 0},
                      {QStringLiteral("Название"), jet::ColumnType::Text, 30},
                      {QStringLiteral("Треб Уровень"), jet::ColumnType::Integer, 0},
                      {QStringLiteral("Цена в медяках"), jet::ColumnType::Long, 0},
                      {QStringLiteral("Описание"), jet::ColumnType::Text, 255}},
                     {}};
    const QString longText = QStringLiteral("Ѐ\u0100ж").repeated(85);  // 255 characters, some with a zero low byte
    items.rows = {{QString(), QStringLiteral("Меч короля"), QStringLiteral("-32768"), QStringLiteral("-2147483648"), longText},
                  {QStringLiteral("10"), std::nullopt, QStringLiteral("32767"), QStringLiteral("2147483647"), std::nullopt},
                  {QString(), QStringLiteral("tab\there\nline\\"), std::nullopt, std::nullopt, QString()}};
    const jet::Table empty{QStringLiteral("Пусто"), {{QStringLiteral("A"), jet::ColumnType::Text, 1}}, {}};
    const QString path = write(dir, {items, empty});

    const ToolRun version = run(QStringLiteral("mdb-ver"), {path});
    EXPECT_EQ(version.out.trimmed(), QStringLiteral("JET4"));
    const ToolRun tables = run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), path});
    EXPECT_EQ(tables.out.split('\n', Qt::SkipEmptyParts), (QStringList{"Предметы", "Пусто"}));
    const QString s = schema(path);
    for (const char *line : {"[ID]\t\t\tLong Integer", "[Название]\t\t\tText (30)", "[Треб Уровень]\t\t\tInteger",
                             "[Цена в медяках]\t\t\tLong Integer", "[Описание]\t\t\tText (255)", "[A]\t\t\tText (1)"})
        EXPECT_TRUE(s.contains(QString::fromUtf8(line))) << line;
    EXPECT_TRUE(run(QStringLiteral("mdb-schema"), {path, QStringLiteral("postgres")}).out.contains(QStringLiteral("SERIAL")));

    const QList<QStringList> expected{
        {"1", "Меч короля", "-32768", "-2147483648", longText},
        {"10", "", "32767", "2147483647", ""},  // autonumbers go on after an explicit 10
        {"11", "tab\there\nline\\", "", "", ""}};
    EXPECT_EQ(exportRows(path, QStringLiteral("Предметы")), expected);
    EXPECT_TRUE(exportRows(path, QStringLiteral("Пусто")).isEmpty());
    EXPECT_EQ(run(QStringLiteral("mdb-count"), {path, QStringLiteral("Предметы")}).out.trimmed(), QStringLiteral("3"));

    // The same tables give the same bytes.
    QFile a(path);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), jet::buildDatabase({items, empty}).bytes);
}

// mdb-export shows NULL and the empty string alike; the row's null mask keeps them apart.
TEST(JetWriter, EmptyTextIsAPresentValueAndNullIsNot) {
    QTemporaryDir dir;
    jet::Table t{QStringLiteral("T"),
                 {{QStringLiteral("Текст"), jet::ColumnType::Text, 5}, {QStringLiteral("Число"), jet::ColumnType::Long, 0}},
                 {{QString(), QStringLiteral("0")}, {std::nullopt, std::nullopt}, {QStringLiteral("a"), QStringLiteral("1")}}};
    const QString path = write(dir, {t});
    MdbHandle *mdb = mdb_open(qPrintable(path), MDB_NOFLAGS);
    ASSERT_TRUE(mdb);
    MdbTableDef *table = mdb_read_table_by_name(mdb, const_cast<char *>("T"), MDB_TABLE);
    ASSERT_TRUE(table);
    mdb_read_columns(table);
    mdb_rewind_table(table);
    std::vector<std::pair<bool, int>> text, number;  // (is null, size) per row
    MdbField fields[256];
    while (mdb_read_next_dpg(table)) {
        const int rows = mdb_get_int16(mdb->pg_buf, mdb->fmt->row_count_offset);
        for (int r = 0; r < rows; ++r) {
            int start = 0;
            size_t length = 0;
            ASSERT_EQ(mdb_find_row(mdb, r, &start, &length), 0);
            ASSERT_EQ(mdb_crack_row(table, start & 0x1FFF, length, fields), 2);
            text.emplace_back(fields[0].is_null, fields[0].siz);
            number.emplace_back(fields[1].is_null, fields[1].siz);
        }
    }
    mdb_free_tabledef(table);
    mdb_close(mdb);
    EXPECT_EQ(text, (std::vector<std::pair<bool, int>>{{false, 0}, {true, 0}, {false, 2}}));
    EXPECT_EQ(number[0].first, false);
    EXPECT_EQ(number[1].first, true);
}

TEST(JetWriter, RowsSpreadOverManyPagesWithAtMost255APage) {
    QTemporaryDir dir;
    // Five-byte rows: a page is full at 255 rows, long before its bytes run out.
    const jet::Table small = numbers(QStringLiteral("Мелкие"), 600);
    // ~700-byte rows over more than 512 pages, past what an inline usage map can list.
    jet::Table wide{QStringLiteral("Широкая"), {{QStringLiteral("ID"), jet::ColumnType::AutoNumber, 0}}, {}};
    for (int c = 0; c < 134; ++c) wide.columns.push_back({QStringLiteral("Поле %1").arg(c), jet::ColumnType::Text, 255});
    for (int r = 0; r < 3000; ++r) {
        jet::Row row{QString()};
        for (int c = 0; c < 134; ++c) row.push_back(c % 20 == 0 ? QStringLiteral("строка %1").arg(r) : QString::number(c % 10));
        wide.rows.push_back(row);
    }
    const QString path = write(dir, {small, wide});
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_GT(bytes.size() / 4096, 512 + 60);
    int fullPages = 0;
    for (qsizetype p = 0; p < bytes.size() / 4096; ++p)
        if (bytes[p * 4096] == 0x01 && quint8(bytes[p * 4096 + 12]) == 255 && bytes[p * 4096 + 13] == 0) ++fullPages;
    EXPECT_EQ(fullPages, 2);

    const QList<QStringList> smallRows = exportRows(path, QStringLiteral("Мелкие"));
    ASSERT_EQ(smallRows.size(), 600);
    for (int i = 0; i < 600; ++i) EXPECT_EQ(smallRows[i], QStringList{QString::number(i)});
    const QList<QStringList> wideRows = exportRows(path, QStringLiteral("Широкая"));
    ASSERT_EQ(wideRows.size(), 3000);
    EXPECT_EQ(wideRows[2999][0], QStringLiteral("3000"));
    EXPECT_EQ(wideRows[2999][1], QStringLiteral("строка 2999"));
    EXPECT_EQ(wideRows[1234][134], QStringLiteral("3"));
    EXPECT_EQ(schema(path).count(QStringLiteral("Text (255)")), 134);  // a definition over several pages
}

TEST(JetWriter, RefusesWhatJetCannotHoldOrReadersWouldMisread) {
    const jet::Column text{QStringLiteral("Т"), jet::ColumnType::Text, 3};
    const jet::Column integer{QStringLiteral("Ц"), jet::ColumnType::Integer, 0};
    const struct {
        std::vector<jet::Table> tables;
        QString mentions;
    } cases[] = {
        {{{QStringLiteral("A"), {text}, {{QStringLiteral("\uFEFFab")}}}}, QStringLiteral("row 1, column «Т»: the text begins with U+FEFF")},
        {{{QStringLiteral("A"), {text}, {{QStringLiteral("abcd")}}}}, QStringLiteral("more than the width 3")},
        {{{QStringLiteral("A"), {integer}, {{QStringLiteral("1")}, {QStringLiteral("32768")}}}}, QStringLiteral("row 2, column «Ц»: 32768 is outside")},
        {{{QStringLiteral("A"), {integer}, {{QStringLiteral(" 1")}}}}, QStringLiteral("not a whole number")},
        {{{QStringLiteral("A"), {integer}, {{QString()}}}}, QStringLiteral("not a whole number")},
        {{{QStringLiteral("A"), {text, integer}, {{QStringLiteral("a")}}}}, QStringLiteral("1 cells but the table has 2")},
        {{{QStringLiteral("A"), {text, text}, {}}}, QStringLiteral("two columns have this name")},
        {{{QStringLiteral("A"), {text}, {}}, {QStringLiteral("a"), {text}, {}}}, QStringLiteral("two tables")},
        {{{QStringLiteral("A"), {{QStringLiteral("W"), jet::ColumnType::Text, 256}}, {}}}, QStringLiteral("width must be 1 to 255")},
        {{{QStringLiteral("A.B"), {text}, {}}}, QStringLiteral("table name")},
        {{{QStringLiteral("MSysObjects"), {text}, {}}}, QStringLiteral("system catalogue")},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.mdb"));
    for (const auto &c : cases) {
        const QString error = jet::writeDatabase(path, c.tables);
        EXPECT_TRUE(error.contains(c.mentions)) << error.toStdString();
        EXPECT_FALSE(QFile::exists(path));
    }
    // A row that no page can hold.
    jet::Table wide{QStringLiteral("A"), {}, {{}}};
    for (int c = 0; c < 20; ++c) {
        wide.columns.push_back({QStringLiteral("c%1").arg(c), jet::ColumnType::Text, 255});
        wide.rows[0].push_back(QString(255, QLatin1Char('x')));
    }
    EXPECT_TRUE(jet::writeDatabase(path, {wide}).contains(QStringLiteral("more than the 4060 a page can hold")));
}

// Every kind of database the other tests build must be a file libmdb reads as it is.
TEST(JetWriter, CatalogueAndFailureFixturesAreReadByMdbExport) {
    QTemporaryDir dir;
    FixtureCatalogue f;
    f.addItem(Category::Weapons, QStringLiteral("Меч"), 2, {{col::File, QString()}})
        .addItem(Category::Rings, QStringLiteral("Кольцо"), 1, {{col::Price, std::nullopt}})
        .addSet(QStringLiteral("Ангела"), 3)
        .addReport(QStringLiteral("01.01.2010 10:00"), QStringLiteral("Отчёт"));
    std::vector<std::vector<jet::Table>> fixtures{f.tables()};
    auto noTable = f.tables();
    noTable.erase(noTable.begin() + 1);
    fixtures.push_back(noTable);
    auto noField = f.tables();
    noField[0].columns.erase(noField[0].columns.begin() + 3);
    for (jet::Row &r : noField[0].rows) r.erase(r.begin() + 3);
    fixtures.push_back(noField);

    for (const auto &tables : fixtures) {
        ASSERT_EQ(FixtureCatalogue::writeTables(dir.path(), tables), QString());
        const QString path = catalogueDatabasePath(dir.path());
        for (const jet::Table &t : tables) {
            const QList<QStringList> rows = exportRows(path, t.name);
            ASSERT_EQ(rows.size(), qsizetype(t.rows.size())) << t.name.toStdString();
            for (size_t r = 0; r < t.rows.size(); ++r)
                for (size_t c = 0; c < t.columns.size(); ++c)
                    if (t.rows[r][c] && !t.rows[r][c]->isEmpty()) {
                        EXPECT_EQ(rows[qsizetype(r)][qsizetype(c)], *t.rows[r][c]);
                    }
        }
    }
    // The real database's types and widths.
    ASSERT_EQ(f.write(dir.path()), QString());
    const QString s = schema(catalogueDatabasePath(dir.path()));
    for (const char *line : {"[ID]\t\t\tLong Integer", "[Тип]\t\t\tText (30)", "[ко]\t\t\tInteger", "[Треб Уровень]\t\t\tInteger",
                             "[File]\t\t\tText (200)", "[Масса]\t\t\tText (10)", "[Арт]\t\t\tText (3)", "[Крит]\t\t\tText (5)",
                             "[Стихийный пробой]\t\t\tText (255)", "[Часть комплектов]\t\t\tText (50)",
                             "[Кол-во предметов]\t\t\tText (50)", "[Дата]\t\t\tText (17)", "[Отчёт]\t\t\tText (255)"})
        EXPECT_TRUE(s.contains(QString::fromUtf8(line))) << line;
    EXPECT_EQ(s.count(QStringLiteral("CREATE TABLE")), 3);
}

// Properties in every form a long value takes are parsed by libmdb itself, and the tables
// still read: the blob is the table's, the column block the column's.
TEST(JetWriter, TablePropertiesReadByLibmdbInEveryForm) {
    QTemporaryDir dir;
    const QString description = QStringLiteral("Описание ").repeated(200);  // a chain of several rows
    const QByteArray blob = jet::propertyBlob(
        {{QString(), {{QStringLiteral("Description"), jet::prop::Memo, jet::textValue(description)},
                      {QStringLiteral("RowCount"), jet::prop::Long, jet::longValue(7)}}},
         {QStringLiteral("N"), {{QStringLiteral("Required"), jet::prop::Bool, jet::boolValue(true)}}}});
    ASSERT_GT(blob.size(), 3 * jet::kChainPieceBytes);
    const QByteArray small = jet::propertyBlob({{QString(), {{QStringLiteral("Caption"), jet::prop::Text, jet::textValue(QStringLiteral("Мал"))}}}});
    const std::vector<jet::Table> tables{numbers(QStringLiteral("A"), 3), numbers(QStringLiteral("B"), 2), numbers(QStringLiteral("C"), 1)};
    const QString path = dir.filePath(QStringLiteral("p.mdb"));
    ASSERT_EQ(jet::writeDatabase(path, tables,
                                 {{0, blob, jet::LongValueForm::Chain}, {1, small, jet::LongValueForm::OneRow},
                                  {2, small, jet::LongValueForm::Inline}}),
              QString());

    MdbHandle *mdb = mdb_open(qPrintable(path), MDB_NOFLAGS);
    ASSERT_TRUE(mdb);
    ASSERT_TRUE(mdb_read_catalog(mdb, MDB_TABLE));
    QHash<QString, MdbCatalogEntry *> entries;
    for (guint i = 0; i < mdb->catalog->len; ++i) {
        auto *e = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        entries.insert(QString::fromUtf8(e->object_name), e);
    }
    auto property = [](MdbCatalogEntry *e, guint block, const char *name) {
        if (!e || !e->props || block >= e->props->len) return QString();
        auto *p = static_cast<MdbProperties *>(g_ptr_array_index(e->props, block));
        return QString::fromUtf8(static_cast<const char *>(g_hash_table_lookup(p->hash, name)));
    };
    EXPECT_EQ(property(entries.value("A"), 0, "Description"), description);
    EXPECT_EQ(property(entries.value("A"), 0, "RowCount"), QStringLiteral("7"));
    EXPECT_EQ(property(entries.value("A"), 1, "Required"), QStringLiteral("yes"));
    for (const char *table : {"B", "C"}) EXPECT_EQ(property(entries.value(table), 0, "Caption"), QStringLiteral("Мал")) << table;
    mdb_close(mdb);
    EXPECT_EQ(exportRows(path, QStringLiteral("A")).size(), 3);

    EXPECT_TRUE(jet::writeDatabase(path, tables, {{0, QByteArray(4000, 'x'), jet::LongValueForm::Inline}})
                    .contains(QStringLiteral("do not fit inline")));
    EXPECT_FALSE(jet::writeDatabase(path, tables, {{3, small, jet::LongValueForm::Inline}}).isEmpty());
}
