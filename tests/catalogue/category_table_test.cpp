#include "catalogue/CategoryTable.h"
#include "catalogue/SetBonusTable.h"

#include <gtest/gtest.h>

using namespace veldora;

TEST(CategoryTable, StoresEveryColumnAndAppendsToFirstRowWithEmptyName) {
    CategoryTable t(Category::Helmets);
    t.setCell(col::Name, 1, QStringLiteral("Шлем"));
    t.setCell(135, 1, QStringLiteral("7"));
    t.setRowCount(2);
    EXPECT_EQ(t.cell(135, 1), QStringLiteral("7"));
    EXPECT_EQ(t.cell(0, 1), QString());
    EXPECT_EQ(t.cell(5, 200), QString());

    QVector<QString> copy(kItemColumnCount);
    copy[col::Name] = QStringLiteral("Копия");
    EXPECT_EQ(t.appendRow(copy), 2);
    EXPECT_EQ(t.rowCount(), 2);  // appended rows lie beyond the row count
    EXPECT_EQ(t.appendRow(copy), 3);
}

TEST(CategoryTable, FullTableRefusesAppendWithoutWrapping) {
    CategoryTable t(Category::Rings);
    for (int row = 1; row <= CategoryTable::kMaxItemRows; ++row)
        t.setCell(col::Name, row, QString::number(row));
    QVector<QString> copy(kItemColumnCount);
    copy[col::Name] = QStringLiteral("x");
    EXPECT_EQ(t.appendRow(copy), std::nullopt);
    EXPECT_EQ(t.cell(col::Name, 0), QString());
    EXPECT_EQ(t.cell(col::Name, 1), QStringLiteral("1"));
}

TEST(SetBonusTable, CaptionRowIsNeverASet) {
    SetBonusTable s;
    EXPECT_EQ(s.cell(0, 0), QStringLiteral("Комплект"));
    EXPECT_EQ(s.cell(44, 0), QStringLiteral("Аура Стих. защиты"));
    EXPECT_EQ(s.findSet(QStringLiteral("Комплект")), 0);
    s.setCell(0, 1, QStringLiteral("Ангела"));
    s.setCell(0, 2, QStringLiteral("Ангела"));
    s.setRowCount(3);
    EXPECT_EQ(s.findSet(QStringLiteral("Ангела")), 1);
    EXPECT_EQ(s.findSet(QStringLiteral("ангела")), 0);
}

TEST(CategoryTable, ACopyKeepsItsOwnCellsWhileSharingTheRowsNeitherChanges) {
    CategoryTable t(Category::Helmets);
    for (int row = 1; row <= 3; ++row) t.setCell(col::Name, row, QStringLiteral("Шлем %1").arg(row));
    const CategoryTable snapshot = t;
    QVector<QString> copy(kItemColumnCount);
    copy[col::Name] = QStringLiteral("Копия");
    t.appendRow(copy);
    t.setCell(27, 2, QStringLiteral("16"));
    EXPECT_EQ(snapshot.cell(col::Name, 4), QString());
    EXPECT_EQ(snapshot.cell(27, 2), QString());
    EXPECT_EQ(t.cell(col::Name, 4), QStringLiteral("Копия"));
    EXPECT_FALSE(t == snapshot);

    // Equal is cell by cell: a row written back as it was, or written with empty
    // text, equals the row it replaced; a table with fewer stored rows does not.
    CategoryTable back = t;
    back.setCell(27, 2, QString());
    back.setCell(col::Name, 4, QString());
    EXPECT_FALSE(back == snapshot);  // it stores four rows now
    CategoryTable three = snapshot;
    three.setCell(5, 3, QString());
    EXPECT_TRUE(three == snapshot);
}
