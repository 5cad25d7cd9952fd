// The picture generator: reading the item table source safely, and drawing every
// category at the size the item browser and the equipment slots expect.
#include "Drawing.h"
#include "ItemList.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

using namespace picturegen;

namespace {

const QString kHeader = QStringLiteral(
    "ID:AUTONUMBER\tТип:TEXT(30)\tНазвание:TEXT(30)\tКомплект:TEXT(30)\tFile:TEXT(200)\t"
    "Треб Уровень:INTEGER\tАрт:TEXT(3)\tДвуручное:TEXT(3)\tМагия Огонь:TEXT(255)\tМагия Общая:TEXT(255)\t"
    "Треб Магия Вода:TEXT(255)\n");

QString writeTsv(const QTemporaryDir &dir, const QString &body) {
    const QString path = dir.filePath(QStringLiteral("items.tsv"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write((kHeader + body).toUtf8());
    return path;
}

QByteArray encoded(const QImage &img) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "BMP");
    return bytes;
}

}  // namespace

TEST(PicturegenItemList, ReadsCellsAndPicksTheStrongestSchool) {
    QTemporaryDir dir;
    const QString path = writeTsv(dir, QStringLiteral(
        "1\tОружия\tПосох\\tпламени\tПламени\tstaff.jpg\t7\tНет\tДа\t3\t1\t9\n"
        "2\tКольца\tКольцо\tНет\tring.bmp\t12\tДа\tНет\t0\t0\t4\n"
        "3\tШлемы\tШлем\\\\\tNoFull\thelm.jpg\t1\tнет\tнет\t0\t0\t0\n"));
    const ItemListResult r = readItemList(path);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    ASSERT_EQ(r.items.size(), 3);
    EXPECT_EQ(r.items[0].name, QStringLiteral("Посох\tпламени"));
    EXPECT_EQ(r.items[0].level, 7);
    EXPECT_TRUE(r.items[0].twoHanded);
    EXPECT_FALSE(r.items[0].artefact);
    // A bonus outweighs a requirement: the fire staff stays fire though it asks for water.
    EXPECT_EQ(r.items[0].element, QStringLiteral("fire"));
    // With no bonus at all, the required school colours the item.
    EXPECT_EQ(r.items[1].element, QStringLiteral("water"));
    EXPECT_TRUE(r.items[1].artefact);
    EXPECT_EQ(r.items[2].name, QStringLiteral("Шлем\\"));
    EXPECT_TRUE(r.items[2].element.isEmpty());
}

TEST(PicturegenItemList, RefusesSourcesThatWouldWriteWrongFiles) {
    struct Case {
        const char *body;
        const char *expected;  // part of the message
    };
    const Case cases[] = {
        {"1\tШлемы\tШлем\tNoFull\t../../etc/helm.jpg\t1\tНет\tНет\t0\t0\t0\n", "не простое имя файла"},
        {"1\tШлемы\tШлем\tNoFull\tsub\\\\helm.jpg\t1\tНет\tНет\t0\t0\t0\n", "не простое имя файла"},
        {"1\tШлемы\tШлем\tNoFull\t\t1\tНет\tНет\t0\t0\t0\n", "не простое имя файла"},
        {"1\tШлемы\tШлем\tNoFull\ta.jpg\t1\tНет\tНет\t0\t0\t0\n"
         "2\tШлемы\tШлем 2\tNoFull\ta.jpg\t2\tНет\tНет\t0\t0\t0\n", "Строка 3"},
        {"1\tШлемы\tШлем\tNoFull\ta.jpg\tпять\tНет\tНет\t0\t0\t0\n", "не число"},
        {"1\tШлемы\tШлем\tNoFull\ta.jpg\t1\tНет\n", "ячеек"},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const ItemListResult r = readItemList(writeTsv(dir, QString::fromUtf8(c.body)));
        EXPECT_TRUE(r.items.isEmpty()) << c.body;
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.expected))) << r.error.toStdString();
    }
    EXPECT_FALSE(readItemList(QStringLiteral("/nonexistent/items.tsv")).error.isEmpty());
}

TEST(PicturegenItemList, NameListSkipsCommentsAndBlanks) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("m.txt")));
    f.open(QIODevice::WriteOnly);
    f.write("# deliberately absent\n\na.jpg\n  b.bmp  \n");
    f.close();
    QString error;
    EXPECT_EQ(readNameList(f.fileName(), &error), (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.bmp")}));
    EXPECT_TRUE(error.isEmpty());
    readNameList(dir.filePath(QStringLiteral("none.txt")), &error);
    EXPECT_FALSE(error.isEmpty());
}

TEST(PicturegenDrawing, EveryCategoryAtItsBrowserOrSlotSize) {
    struct Expect {
        const char *type;
        QSize tab, slot;
    };
    const Expect expected[] = {
        {"Шлемы", {60, 60}, {63, 63}},    {"Кулоны", {60, 20}, {63, 24}},   {"Броня", {60, 80}, {63, 82}},
        {"Пояса", {60, 40}, {63, 42}},    {"Амулеты", {60, 20}, {63, 24}},  {"Обувь", {60, 40}, {63, 42}},
        {"Браслеты", {60, 40}, {63, 42}}, {"Перчатки", {60, 40}, {63, 43}}, {"Оружия", {60, 60}, {63, 63}},
        {"Щиты", {60, 60}, {63, 61}},     {"Штаны", {60, 60}, {63, 63}},    {"Кольца", {20, 20}, {22, 24}},
        {"Талисманы", {20, 20}, {22, 24}},
    };
    for (const Expect &e : expected) {
        PictureItem item;
        item.type = QString::fromUtf8(e.type);
        item.name = QStringLiteral("Предмет пробы");
        item.set = QStringLiteral("Пробы");
        item.level = 10;
        const QImage plain = drawItem(item);
        EXPECT_EQ(plain.size(), e.tab) << e.type;
        item.artefact = true;
        EXPECT_EQ(drawItem(item).size(), e.slot) << e.type;
        // Something is drawn: the picture is not one flat colour.
        const QRgb corner = plain.pixel(plain.width() / 2, 1);
        bool varied = false;
        for (int y = 0; y < plain.height() && !varied; ++y)
            for (int x = 0; x < plain.width() && !varied; ++x) varied = plain.pixel(x, y) != corner;
        EXPECT_TRUE(varied) << e.type;
    }
    PictureItem unknown;
    unknown.type = QStringLiteral("Сундуки");
    EXPECT_TRUE(drawItem(unknown).isNull());
    EXPECT_EQ(drawNoImage().size(), QSize(60, 60));
}

TEST(PicturegenDrawing, SameItemSameBytesAndSetsKeepTheirColour) {
    PictureItem a;
    a.type = QStringLiteral("Оружия");
    a.name = QStringLiteral("Меч погружения");
    a.set = QStringLiteral("Погружения");
    a.level = 9;
    EXPECT_EQ(encoded(drawItem(a)), encoded(drawItem(a)));

    // Pieces of one set share their colour whatever their category; another set differs.
    PictureItem helmet = a;
    helmet.type = QStringLiteral("Шлемы");
    EXPECT_EQ(paletteFor(helmet).main, paletteFor(a).main);
    PictureItem other = a;
    other.set = QStringLiteral("Безмолвия");
    EXPECT_NE(paletteFor(other).main, paletteFor(a).main);
    // The hash is pinned so that set colours do not drift between builds or machines.
    EXPECT_EQ(stableHash(QStringLiteral("a")), 0xe40c292cu);
}
