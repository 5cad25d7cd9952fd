// The text source format and the jetwrite command.

#include "TsvTable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/ToolRun.h"

#include <gtest/gtest.h>

namespace {

using veldora::testing::ToolRun;
ToolRun run(const QString &program, const QStringList &args) { return veldora::testing::runTool(program, args); }

QString writeSource(const QTemporaryDir &dir, const QString &name, const QByteArray &content) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
    return path;
}

}  // namespace

TEST(TsvTable, ParsesHeadersEscapesNullsAndTheFinalLineEnd) {
    const auto parsed = jet::parseTsvTable(QStringLiteral("/x/Фулы Бонус.tsv"),
                                           "ID:AUTONUMBER\ta:b:TEXT(7)\tN:INTEGER\tL:LONG\n"
                                           "\t\\t\\n\\r\\\\\t-5\t\\N\n"
                                           "3\t\t0\t7\n"
                                           "\\N\t\\\\N\t1\t2\n");
    ASSERT_TRUE(std::holds_alternative<jet::Table>(parsed)) << std::get<jet::TsvError>(parsed).describe().toStdString();
    const jet::Table &t = std::get<jet::Table>(parsed);
    EXPECT_EQ(t.name, QStringLiteral("Фулы Бонус"));
    ASSERT_EQ(t.columns.size(), 4u);
    EXPECT_EQ(t.columns[1].name, QStringLiteral("a:b"));
    EXPECT_EQ(t.columns[1].width, 7);
    EXPECT_EQ(t.columns[0].type, jet::ColumnType::AutoNumber);
    EXPECT_EQ(t.columns[3].type, jet::ColumnType::Long);
    const std::vector<jet::Row> rows{{QString(), QStringLiteral("\t\n\r\\"), QStringLiteral("-5"), std::nullopt},
                                     {QStringLiteral("3"), QString(), QStringLiteral("0"), QStringLiteral("7")},
                                     {std::nullopt, QStringLiteral("\\N"), QStringLiteral("1"), QStringLiteral("2")}};
    EXPECT_EQ(t.rows, rows);
    // Without the final line end, and a single-column table whose empty line is a record.
    const auto single = jet::parseTsvTable(QStringLiteral("A.tsv"), "T:TEXT(1)\n\nx");
    ASSERT_TRUE(std::holds_alternative<jet::Table>(single));
    EXPECT_EQ(std::get<jet::Table>(single).rows, (std::vector<jet::Row>{{QString()}, {QStringLiteral("x")}}));
}

TEST(TsvTable, ErrorsNameFileLineAndColumn) {
    const struct {
        const char *content;
        int line;
        const char *column;
        const char *mentions;
    } cases[] = {
        {"", 1, "", "no header"},
        {"\xEF\xBB\xBF" "A:TEXT(1)\n", 1, "", "BOM"},
        {"A:TEXT(1)\n\xFF\n", 0, "", "UTF-8"},
        {"A\n", 1, "", "not Name:TYPE"},
        {"A:TEXT(0)\n", 1, "", "outside 1..255"},
        {"A:TEXT(256)\n", 1, "", "outside 1..255"},
        {"A:MEMO\n", 1, "", "unknown type"},
        {":LONG\n", 1, "", "no column name"},
        {"A:TEXT(3)\tB:LONG\nx\t1\ny\n", 3, "", "1 cells for 2 columns"},
        {"A:TEXT(3)\tB:LONG\nx\t1\r\n", 2, "B", "carriage return"},
        {"A:TEXT(3)\tB:LONG\nx\\q\t1\n", 2, "A", "unknown escape \\q"},
        {"A:TEXT(3)\tB:LONG\nx\\\t1\n", 2, "A", "backslash ends"},
    };
    for (const auto &c : cases) {
        const auto parsed = jet::parseTsvTable(QStringLiteral("dir/T.tsv"), QByteArray(c.content));
        ASSERT_TRUE(std::holds_alternative<jet::TsvError>(parsed)) << c.content;
        const jet::TsvError &e = std::get<jet::TsvError>(parsed);
        EXPECT_EQ(e.file, QStringLiteral("dir/T.tsv"));
        EXPECT_EQ(e.line, c.line) << c.content;
        EXPECT_EQ(e.column, QString::fromUtf8(c.column)) << c.content;
        EXPECT_TRUE(e.message.contains(QString::fromUtf8(c.mentions))) << e.message.toStdString();
    }
    EXPECT_TRUE(std::holds_alternative<jet::TsvError>(jet::parseTsvTable(QStringLiteral("T.txt"), "A:LONG\n")));
}

TEST(JetwriteCommand, WritesTheTablesOrNothingAtAll) {
    const QString jetwrite = QStringLiteral(JETWRITE_PATH);
    QTemporaryDir dir;
    const QString items = writeSource(dir, QStringLiteral("Предметы.tsv"),
                                      "ID:AUTONUMBER\tНазвание:TEXT(30)\tТреб Уровень:INTEGER\n\tМеч\t3\n\tЩит\t\\N\n");
    const QString reports = writeSource(dir, QStringLiteral("Отчёты.tsv"), "ID:AUTONUMBER\tОтчёт:TEXT(255)\n");
    const QString out = dir.filePath(QStringLiteral("main.mdb"));
    ToolRun r = run(jetwrite, {out, items, reports});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(run(QStringLiteral("mdb-export"), {out, QStringLiteral("Предметы")}).out,
              QStringLiteral("ID,Название,Треб Уровень\n1,\"Меч\",3\n2,\"Щит\",\n"));
    EXPECT_EQ(run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), out}).out, QStringLiteral("Предметы\nОтчёты\n"));
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray before = written.readAll();
    written.close();

    // Errors: status 1, a message naming the place, and the existing output left as it was.
    const struct {
        QByteArray source;
        const char *mentions;
    } bad[] = {
        {"ID:AUTONUMBER\tНазвание:TEXT(30)\n\tМеч\n\t\xEF\xBB\xBFЩит\n", ":3: column «Название»: the text begins with U+FEFF"},
        {"ID:AUTONUMBER\tУровень:INTEGER\n\t\n", ":2: column «Уровень»: «» is not a whole number"},
        {"ID:AUTONUMBER\tУровень:INTEGER\n\tдесять\n", ":2: column «Уровень»: «десять» is not a whole number"},
        {"ID:AUTONUMBER\tУровень:INTEGER\n\t40000\n", ":2: column «Уровень»: 40000 is outside"},
        {"ID:AUTONUMBER\tЦена:LONG\n\t2147483648\n", ":2: column «Цена»: 2147483648 is outside"},
        {"ID:AUTONUMBER\tИмя:TEXT(2)\n\tтри\n", ":2: column «Имя»: the text has 3 characters"},
        {"ID:AUTONUMBER\tИмя:TEXT(2)\n\tx\\y\n", ":2: column «Имя»: unknown escape"},
    };
    for (const auto &b : bad) {
        const QString source = writeSource(dir, QStringLiteral("Плохая.tsv"), b.source);
        r = run(jetwrite, {out, items, source});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(QStringLiteral("Плохая.tsv"))) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(b.mentions))) << r.err.toStdString();
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), before);
        written.close();
    }
    const QString fresh = dir.filePath(QStringLiteral("fresh.mdb"));
    EXPECT_EQ(run(jetwrite, {fresh, items, dir.filePath(QStringLiteral("нет такого.tsv"))}).status, 1);
    EXPECT_EQ(run(jetwrite, {fresh, items, items}).status, 1);  // one table twice
    EXPECT_EQ(run(jetwrite, {fresh}).status, 1);
    EXPECT_TRUE(run(jetwrite, {QStringLiteral("--help")}).out.contains(QStringLiteral("not as NULL")));
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("fresh*")}, QDir::Files | QDir::Hidden), QStringList());
}
