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

TEST(CategoryTable, ACopyKeepsItsCellsWhenTheOriginalChangesAndEqualityIsCellByCell) {
    CategoryTable t(Category::Helmets);
    for (int row = 1; row <= 3; ++row) t.setCell(col::Name, row, QStringLiteral("Шлем %1").arg(row));
    const CategoryTable snapshot = t;
    t.setCell(27, 2, QStringLiteral("16"));
    EXPECT_EQ(snapshot.cell(27, 2), QString());
    EXPECT_FALSE(t == snapshot);
    t.setCell(27, 2, QString());
    EXPECT_TRUE(t == snapshot) << "written back as it was";
    t.setCell(27, 4, QString());
    EXPECT_FALSE(t == snapshot) << "a row more stored";
}
