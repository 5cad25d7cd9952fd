// The staged sample program folder, read the way the program reads it: it must load
// without a message, hold numbers wherever the planner computes, name pictures that
// exist, and carry every set, weapon and ring that the outfit menu asks for.
#include "SampleTables.h"

#include "catalogue/CatalogueLoader.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLocale>
#include <QMap>
#include <QSet>

#include <algorithm>

using namespace veldora;
using namespace sampletest;

namespace {

const QString kItems = QStringLiteral("Предметы");
const QString kSets = QStringLiteral("Фулы Бонус");
const QString kReports = QStringLiteral("Отчёты");

QString tsvPath(const QString &table) { return sampleSources() + QLatin1Char('/') + table + QStringLiteral(".tsv"); }
QString mdbPath() { return sampleFolder() + QStringLiteral("/base/main.mdb"); }
QString s(const char *utf8) { return QString::fromUtf8(utf8); }

// Loaded once: every test below reads the same catalogue.
const CatalogueLoad &loaded() {
    static const CatalogueLoad load = loadCatalogue(sampleFolder());
    return load;
}

const Catalogue &catalogue() {
    if (!loaded().catalogue) throw std::runtime_error("the sample catalogue did not load");
    return *loaded().catalogue;
}

// Columns whose cells are text by meaning; every other item column is an integer,
// except the price (currency letter + decimal) and the mass (decimal).
const QSet<int> kTextColumns = {col::Name, col::Durability, col::SetName, col::SecondWeapon, col::ReqAlignment,
                                col::ReqClan, col::Repair, col::File, col::TwoHanded, col::Sex, col::Lifetime,
                                col::PartOfSets, col::Artefact};

bool isDecimal(const QString &text) {
    static const QLocale ru(QLocale::Russian);
    bool ok = false;
    ru.toDouble(text, &ok);
    return ok && !text.contains(QLatin1Char('.'));
}

const CategoryTable &table(const QString &type) {
    for (const CategoryInfo &c : kCategories)
        if (type == QString::fromUtf8(c.typeValue)) return catalogue().table(c.category);
    throw std::runtime_error("no such category");
}

// Rows 1..N of a category whose set column holds `set`.
QVector<int> rowsOfSet(const CategoryTable &t, const QString &set) {
    QVector<int> rows;
    for (int r = 1; r < t.rowCount(); ++r)
        if (t.cellRef(col::SetName, r) == set) rows << r;
    return rows;
}

int rowNamed(const CategoryTable &t, const QString &name) {
    for (int r = 1; r < t.rowCount(); ++r)
        if (t.cellRef(col::Name, r) == name) return r;
    return 0;
}

}  // namespace

TEST(SampleFolder, StagedFolderHasItsFilesAndSettings) {
    const QDir dir(sampleFolder());
    for (const char *sub : {"base", "img", "pages", "DataObject"}) EXPECT_TRUE(dir.exists(s(sub))) << sub;
    EXPECT_TRUE(QFile::exists(mdbPath()));
    QFile ini(dir.filePath(QStringLiteral("ini.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    // Tutorial off at start, requirement check on.
    EXPECT_EQ(ini.readAll(), QByteArray("\x00\x01", 2));
    QImageReader noImage(dir.filePath(QStringLiteral("img/no_image.bmp")));
    EXPECT_EQ(noImage.format(), QByteArray("bmp"));
    EXPECT_EQ(noImage.size(), QSize(60, 60));
}

TEST(SampleFolder, MdbExportReadsEveryTableAsWritten) {
    for (const QString &name : {kItems, kSets, kReports}) {
        const Table source = readTsv(tsvPath(name));
        const Table exported = exportTable(mdbPath(), name);
        ASSERT_TRUE(source.error.isEmpty() && exported.error.isEmpty())
            << source.error.toStdString() << exported.error.toStdString();
        EXPECT_EQ(exported.header, source.header) << name.toStdString();
        ASSERT_EQ(exported.rows.size(), source.rows.size()) << name.toStdString();
        for (qsizetype r = 0; r < source.rows.size(); ++r)
            ASSERT_EQ(exported.rows[r], source.rows[r]) << name.toStdString() << " record " << r + 1;
    }
}

TEST(SampleFolder, LoaderReadsEveryItemSetAndReportWithoutAMessage) {
    const CatalogueLoad &load = loaded();
    ASSERT_TRUE(load.catalogue.has_value()) << load.error.toStdString();
    EXPECT_TRUE(load.error.isEmpty());
    EXPECT_TRUE(load.warnings.isEmpty()) << load.warnings.join(QLatin1Char('\n')).toStdString();

    // Each category holds its records by ascending level, equal levels in file order.
    const Table items = readTsv(tsvPath(kItems));
    const int typeCol = items.column(s("Тип")), levelCol = items.column(s("Треб Уровень"));
    EXPECT_EQ(catalogue().itemCount, items.rows.size());
    for (const CategoryInfo &c : kCategories) {
        QVector<QStringList> expected;
        for (const QStringList &row : items.rows)
            if (row[typeCol] == QString::fromUtf8(c.typeValue)) expected << row;
        std::stable_sort(expected.begin(), expected.end(), [&](const QStringList &a, const QStringList &b) {
            return a[levelCol].toInt() < b[levelCol].toInt();
        });
        const CategoryTable &t = catalogue().table(c.category);
        ASSERT_EQ(t.rowCount(), expected.size() + 1) << c.typeValue;
        for (int r = 1; r < t.rowCount(); ++r)
            for (const ItemColumn &ic : kItemColumns)
                ASSERT_EQ(t.cell(ic.column, r), expected[r - 1][items.column(itemFieldName(ic))])
                    << c.typeValue << " row " << r << " " << ic.field;
    }

    const Table sets = readTsv(tsvPath(kSets));
    EXPECT_EQ(catalogue().sets.rowCount(), sets.rows.size() + 1);
    for (const QStringList &row : sets.rows) {
        const int r = catalogue().sets.findSet(row[sets.column(s("Комплект"))]);
        ASSERT_GT(r, 0) << row[1].toStdString();
        for (const SetBonusColumn &bc : kSetBonusColumns)
            EXPECT_EQ(catalogue().sets.cell(bc.column, r), row[sets.column(s(bc.field))]) << bc.field;
    }

    // Newest report first; enough of them for three pages of six.
    const Table reports = readTsv(tsvPath(kReports));
    ASSERT_EQ(catalogue().reports.size(), reports.rows.size());
    EXPECT_GE(reports.rows.size(), 13);
    EXPECT_EQ(catalogue().reports.first().text, reports.rows.last()[2]);
    for (const Report &r : catalogue().reports) {
        EXPECT_LE(r.date.size(), 17);
        EXPECT_TRUE(QDateTime::fromString(r.date, QStringLiteral("dd.MM.yyyy HH:mm")).isValid()) << r.date.toStdString();
    }
}

TEST(SampleFolder, EveryCellThePlannerComputesWithIsANumber) {
    for (const CategoryTable &t : catalogue().tables) {
        for (int r = 1; r < t.rowCount(); ++r) {
            const std::string where = (t.cell(col::Name, r) + QStringLiteral(" / ")).toStdString();
            for (const ItemColumn &ic : kItemColumns) {
                const QString cell = t.cell(ic.column, r);
                if (ic.column == col::Price) {
                    // "0" for a gift, else a currency letter and an amount with a comma.
                    const bool letter = cell.startsWith(s("м")) || cell.startsWith(s("з"));
                    EXPECT_TRUE(cell == QStringLiteral("0") || (letter && isDecimal(cell.mid(1))))
                        << where << cell.toStdString();
                } else if (ic.column == col::Mass) {
                    EXPECT_TRUE(isDecimal(cell)) << where << cell.toStdString();
                } else if (!kTextColumns.contains(ic.column)) {
                    bool ok = false;
                    cell.toInt(&ok);
                    EXPECT_TRUE(ok) << where << ic.field << " = '" << cell.toStdString() << "'";
                }
            }
            EXPECT_TRUE(t.cell(col::Durability, r).startsWith(QStringLiteral("0/"))) << where;
        }
    }
    const SetBonusTable &sets = catalogue().sets;
    for (int r = 1; r < sets.rowCount(); ++r) {
        for (int c = 1; c < kSetBonusColumnCount; ++c) {
            bool ok = false;
            sets.cell(c, r).toInt(&ok);
            EXPECT_TRUE(ok) << sets.cell(0, r).toStdString() << " column " << c;
        }
        const int needed = sets.cell(kSetNeededColumn, r).toInt();
        if (sets.cell(0, r) == QStringLiteral("No Full")) {
            // The empty slots' row gives nothing and applies at once, so it clears a bonus.
            EXPECT_EQ(needed, 1);
            for (int c = 1; c < kSetBonusColumnCount; ++c) {
                if (c != kSetNeededColumn) {
                    EXPECT_EQ(sets.cell(c, r), QStringLiteral("0")) << c;
                }
            }
            continue;
        }
        EXPECT_TRUE(needed >= 3 && needed <= 9) << sets.cell(0, r).toStdString() << " needs " << needed;
    }
}

TEST(SampleFolder, EveryPictureExistsExceptTheDeliberateMisses) {
    const QStringList missingList = readList(sampleSources() + QStringLiteral("/missing-pictures.txt"));
    const QSet<QString> missing(missingList.begin(), missingList.end());
    ASSERT_FALSE(missing.isEmpty());
    QSet<QString> named;
    QMap<QByteArray, int> formats;
    // Browser picture size and slot size of each category, in query order.
    const QSize sizes[kCategoryCount][2] = {
        {{60, 60}, {63, 63}}, {{60, 20}, {63, 24}}, {{60, 40}, {63, 42}}, {{60, 80}, {63, 82}}, {{60, 20}, {63, 24}},
        {{60, 40}, {63, 42}}, {{60, 40}, {63, 43}}, {{60, 40}, {63, 42}}, {{20, 20}, {22, 24}}, {{60, 60}, {63, 63}},
        {{60, 60}, {63, 63}}, {{60, 60}, {63, 61}}, {{20, 20}, {22, 24}}};
    const QDir img(sampleFolder() + QStringLiteral("/img"));
    for (const CategoryInfo &c : kCategories) {
        const CategoryTable &t = catalogue().table(c.category);
        for (int r = 1; r < t.rowCount(); ++r) {
            const QString file = t.cell(col::File, r);
            EXPECT_FALSE(named.contains(file)) << "named twice: " << file.toStdString();
            named.insert(file);
            if (missing.contains(file)) {
                EXPECT_FALSE(img.exists(file)) << file.toStdString();
                continue;
            }
            QImageReader reader(img.filePath(file));
            const QSize size = reader.size();
            EXPECT_TRUE(size == sizes[categoryIndex(c.category)][0] || size == sizes[categoryIndex(c.category)][1])
                << file.toStdString() << " " << size.width() << "x" << size.height();
            const QString suffix = QFileInfo(file).suffix();
            EXPECT_EQ(reader.format(), suffix == QStringLiteral("jpg") ? QByteArray("jpeg") : suffix.toLatin1())
                << file.toStdString();
            ++formats[reader.format()];
        }
    }
    for (const QString &m : missing) EXPECT_TRUE(named.contains(m)) << "no item names " << m.toStdString();
    EXPECT_GT(formats.value("jpeg"), 0);
    EXPECT_GT(formats.value("bmp"), 0);
}

TEST(SampleFolder, CoversWhatThePlannerShows) {
    int total = 0, minLevel = 1000, maxLevel = 0;
    QSet<QString> setCells, prices;
    QMap<int, int> nonZero;  // column -> items with a value there
    QMap<QString, int> texts;
    for (const CategoryInfo &c : kCategories) {
        const CategoryTable &t = catalogue().table(c.category);
        const int n = t.rowCount() - 1;
        EXPECT_GE(n, 10) << c.typeValue;
        EXPECT_LE(n, 200) << c.typeValue;  // well below the 255 a category can hold
        total += n;
        for (int r = 1; r <= n; ++r) {
            const int level = t.cell(col::ReqLevel, r).toInt();
            minLevel = std::min(minLevel, level);
            maxLevel = std::max(maxLevel, level);
            setCells.insert(t.cell(col::SetName, r));
            prices.insert(t.cell(col::Price, r).left(1));
            for (const ItemColumn &ic : kItemColumns)
                if (!kTextColumns.contains(ic.column) && t.cell(ic.column, r) != QStringLiteral("0")) ++nonZero[ic.column];
            for (int tc : {col::Artefact, col::Sex, col::Lifetime, col::PartOfSets, col::ReqAlignment, col::ReqClan})
                ++texts[QString::number(tc) + QLatin1Char('=') + t.cell(tc, r)];
            if (t.cell(col::Mass, r).contains(QLatin1Char(','))) ++texts[QStringLiteral("decimal mass")];
            if (t.cell(col::Price, r).contains(QLatin1Char(','))) ++texts[QStringLiteral("decimal price")];
        }
    }
    EXPECT_GE(total, 400);
    EXPECT_EQ(minLevel, 1);
    EXPECT_GE(maxLevel, 25);
    for (const char *outside : {"NoFull", "Нет", "0"}) EXPECT_TRUE(setCells.contains(s(outside))) << outside;
    EXPECT_TRUE(prices.contains(s("м")) && prices.contains(s("з")));
    for (const char *key : {"126=Да", "126=Нет", "117=М", "117=Ж", "117=0", "118=24", "118=0", "118=Нет", "125=Да",
                            "125=Нет", "59=0", "60=0", "decimal mass", "decimal price"})
        EXPECT_GT(texts.value(s(key)), 0) << key;
    int alignments = 0, clans = 0;
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        alignments += it.key().startsWith(QStringLiteral("59=")) && it.key() != QStringLiteral("59=0");
        clans += it.key().startsWith(QStringLiteral("60=")) && it.key() != QStringLiteral("60=0");
    }
    EXPECT_GT(alignments, 0);
    EXPECT_GT(clans, 0);
    // Every aura kind, damage, armour, magic schools, their requirements and the
    // weapon amplifications appear on some item.
    for (int column : {97, 98, 99, 100, 101, 102, 103, 107, 40, 41, 27, 28, 29, 30, 69, 73, 74, 75, 76, 82, 86, 87,
                       88, 89, 104, 131, 132, 133, 134, 135})
        EXPECT_GT(nonZero.value(column), 0) << "column " << column;

    // Sets of the bonus table: all named by items but one, which no item carries.
    const SetBonusTable &sets = catalogue().sets;
    int unworn = 0, auras = 0, intensity = 0, guarding = 0;
    for (int r = 1; r < sets.rowCount(); ++r) {
        if (sets.cell(0, r) == QStringLiteral("No Full")) continue;  // the empty slots' row
        bool carried = false;
        for (const CategoryTable &t : catalogue().tables) carried = carried || !rowsOfSet(t, sets.cell(0, r)).isEmpty();
        unworn += !carried;
        for (int c = 39; c <= 46; ++c) auras += sets.cell(c, r) != QStringLiteral("0");
        intensity += sets.cell(47, r) != QStringLiteral("0");
        guarding += sets.cell(46, r) != QStringLiteral("0");
    }
    EXPECT_EQ(unworn, 1);
    EXPECT_GT(auras, 3);
    EXPECT_GT(intensity, 0);
    EXPECT_GT(guarding, 0);
    for (const QString &set : setCells) {
        if (set == QStringLiteral("NoFull") || set == s("Нет") || set == QStringLiteral("0")) continue;
        EXPECT_GT(sets.findSet(set), 0) << "no bonus row for " << set.toStdString();
    }
}

namespace {

enum Mark { One = 0, Two = 1, Twin = 2 };

struct Choice {
    const char *weapon;  // nullptr: no weapon
    int mark = One;
    const char *ring = nullptr;
};

struct PresetSet {
    const char *set;
    std::vector<Choice> choices;
};

// The outfit menu: set names and the weapons and rings its entries put on.
const std::vector<PresetSet> kPresets = {
    {"Ангела", {{"Кинжал Ангелов"}, {"Ангельский меч"}, {"Ангельский топор"}, {"Ангельский молот"}}},
    {"Погружения", {{"Меч погружения"}, {"Топор погружения"}, {"Булава погружения"}}},
    {"Безмолвия", {{"Меч безмолвия"}, {"Топор безмолвия"}, {"Молот безмолвия"}, {"Меч вихря", Two},
                   {"Молот вихря", Two}, {"Топор вихря", Two}}},
    {"Скольжения", {{"Меч скольжения"}, {"Топор скольжения"}, {"Булава скольжения"}, {"Меч вихря", Two},
                    {"Молот вихря", Two}, {"Топор вихря", Two}}},
    {"Рассвета", {{"Меч рассвета"}, {"Топор рассвета"}, {"Дубина рассвета"}, {"Меч вихря", Two},
                  {"Молот вихря", Two}, {"Топор вихря", Two}}},
    {"Подвижности", {{"Кинжал подвижности"}, {"Меч подвижности"}, {"Топор подвижности"}, {"Кинжал подвижности", Twin}}},
    {"Хитрости", {{"Кинжал хитрости"}, {"Меч хитрости"}, {"Топор хитрости"}, {"Кинжал хитрости", Twin}}},
    {"Странника", {{"Кинжал странника"}, {"Меч странника"}, {"Топор странника"}, {"Кинжал странника", Twin}}},
    {"Движения", {{"Нож движения"}, {"Меч движения"}, {"Топор движения"}, {"Нож движения", Twin}}},
    {"Призрака", {{"Нож призрака"}, {"Меч призрака"}, {"Топор призрака"}, {"Молот призрака"}}},
    {"Отверженного", {{"Меч отверженного"}, {"Топор отверженного"}, {"Булава отверженного"}}},
    {"Предназначения", {{"Меч предназначения"}, {"Топор предназначения"}, {"Булава предназначения"},
                        {"Меч силы", Two}, {"Молот силы", Two}, {"Топор силы", Two}}},
    {"Изумления", {{"Меч изумления"}, {"Топор Изумления"}, {"Дубина Изумления"}, {"Меч силы", Two},
                   {"Молот силы", Two}, {"Топор силы", Two}}},
    {"Крови", {{"Меч крови"}, {"Топор крови"}, {"Дубина крови"}, {"Меч силы", Two}, {"Молот силы", Two},
               {"Топор силы", Two}}},
    {"Опасности", {{"Меч опасности"}, {"Топор опасности"}}},
    {"Уничтожения", {{"Меч уничтожения"}, {"Топор уничтожения"}}},
    {"Жнеца", {{"Меч жнеца"}, {"Топор жнеца"}}},
    {"Резни", {{"Меч резни"}, {"Топор резни"}}},
    {"Противостояния", {{"Булава противостояния"}}},
    {"Сокрушения", {{"Молот сокрушения"}}},
    {"Подавления", {{"Дубина подавления"}}},
    {"Покорителя", {{"Дубина покорителя"}, {"Молот покорителя"}}},
    {"Стабильности", {{"Дубина стабильности"}, {"Молот стабильности"}}},
    {"Погребения", {{nullptr}}},
    {"Зеркала", {{nullptr}}},
    {"Основ", {{"Посох основ"}}},
    {"Стремлений", {{"Посох стремлений"}}},
    {"Пламени", {{"Посох пламени"}}},
    {"Перемен", {{"Посох перемен"}}},
    {"Песков", {{"Посох песков"}}},
    {"Холода", {{"Посох холода"}}},
    {"Пепла", {{"Посох пепла"}}},
    {"Ветров", {{"Посох ветров"}}},
    {"Разлома", {{nullptr}}},
    {"Шторма", {{nullptr}}},
    {"Пожара", {{nullptr}}},
    {"Циклона", {{nullptr}}},
    {"Капель", {{"Посох капель", Two}}},
    {"Облаков", {{"Посох облаков", Two}}},
    {"Магмы", {{"Посох магмы", Two}}},
    {"Извержения", {{"Посох извержения", Two}}},
    {"Молний", {{"Посох молний", Two}}},
    {"Аморфности", {{"Посох аморфности", Two}}},
    {"Жара", {{"Посох жара", Two}}},
    {"Погибели", {{"Посох погибели", Two}}},
    {"Цунами", {{"Посох цунами", Two}}},
    {"Гранита", {{"Посох гранита", Two}}},
    {"Пиромана", {{"Посох пиромана", Two}}},
    {"Торнадо", {{"Посох торнадо", Two}}},
    {"Волхва", {{"Посох волхва", Two, "Кольцо огненного волхва"}, {"Посох волхва", Two, "Кольцо водного волхва"},
                {"Посох волхва", Two, "Кольцо воздушного волхва"}, {"Посох волхва", Two, "Кольцо земляного волхва"}}},
    {"Фараона", {{"Меч фараона"}, {"Топор фараона"}, {"Булава фараона"}}},
    {"Отражения", {{"Меч отражения"}, {"Топор отражения"}, {"Дубина отражения"}}},
    {"Лесного духа", {{"Посох лесных духов"}}},
    {"Деда Мороза", {{"Посох Деда Мороза"}}},
    {"Снегурочки", {{"Посох Снегурочки"}}},
    {"Жениха", {{"Свадебная трость"}}},
    {"Невесты", {{nullptr}}},
    {"Одинокого странника", {{"Кинжал странника [Обновлён]"}, {"Меч странника [Обновлён]"},
                             {"Топор странника [Обновлён]"}, {"Кинжал странника [Обновлён]", Twin}}},
    {"Непреклонного жнеца", {{"Топор жнеца [Обновлён]"}, {"Меч жнеца [Обновлён]"}}},
    {"Стремительного покорителя", {{"Дубина покорителя [Обновлён]"}, {"Молот покорителя [Обновлён]"}}},
    {"Верховного волхва", {{"Посох волхва [Обновлён]", One, "Кольцо огненного волхва [Обновлён]"},
                           {"Посох волхва [Обновлён]", One, "Кольцо водного волхва [Обновлён]"},
                           {"Посох волхва [Обновлён]", One, "Кольцо воздушного волхва [Обновлён]"},
                           {"Посох волхва [Обновлён]", One, "Кольцо земляного волхва [Обновлён]"}}},
};

// Sets that deliberately lack a category, so that the menu leaves that slot empty.
const QMap<QString, QString> kLacks = {
    {QStringLiteral("Хитрости"), QStringLiteral("Перчатки")}, {QStringLiteral("Опасности"), QStringLiteral("Кулоны")},
    {QStringLiteral("Снегурочки"), QStringLiteral("Пояса")},  {QStringLiteral("Зеркала"), QStringLiteral("Кольца")},
    {QStringLiteral("Жениха"), QStringLiteral("Щиты")},
};

}  // namespace

TEST(SampleFolder, EveryOutfitOfTheMenuFindsItsSetWeaponsAndRings) {
    const CategoryTable &weapons = table(s("Оружия"));
    const CategoryTable &rings = table(s("Кольца"));
    const CategoryTable &helmets = table(s("Шлемы"));
    int setsWithTwoHelmets = 0;
    for (const PresetSet &p : kPresets) {
        const QString set = s(p.set);
        SCOPED_TRACE(p.set);
        EXPECT_GT(catalogue().sets.findSet(set), 0);

        bool oneHanded = false, namedRings = false;
        for (const Choice &c : p.choices) {
            oneHanded = oneHanded || c.mark != Two;
            if (c.weapon) {
                const int r = rowNamed(weapons, s(c.weapon));
                ASSERT_GT(r, 0) << c.weapon;
                EXPECT_EQ(isYes(weapons.cell(col::TwoHanded, r)), c.mark == Two) << c.weapon;
                if (c.mark == Twin) {
                    EXPECT_TRUE(isYes(weapons.cell(col::SecondWeapon, r))) << c.weapon;
                }
                // A weapon of several menu sets carries one of them and says it is shared.
                EXPECT_TRUE(weapons.cell(col::SetName, r) == set || isYes(weapons.cell(col::PartOfSets, r))) << c.weapon;
            }
            if (c.ring) {
                namedRings = true;
                const QString ring = s(c.ring);
                const int r = rowNamed(rings, ring);
                ASSERT_GT(r, 0) << c.ring;
                EXPECT_EQ(rings.cell(col::SetName, r), set);
            }
        }

        QStringList filled = {s("Шлемы"), s("Кулоны"), s("Броня"),    s("Пояса"), s("Амулеты"),
                             s("Обувь"), s("Браслеты"), s("Перчатки"), s("Штаны")};
        if (oneHanded) filled << s("Щиты");
        if (!namedRings) filled << s("Кольца");
        for (const QString &type : filled) {
            const bool lacks = kLacks.value(set) == type;
            EXPECT_EQ(rowsOfSet(table(type), set).isEmpty(), lacks) << type.toStdString();
        }

        // The outfit takes the first helmet of the set, which must be its lowest-level one.
        const QVector<int> setHelmets = rowsOfSet(helmets, set);
        if (setHelmets.size() > 1) {
            ++setsWithTwoHelmets;
            const int first = helmets.cell(col::ReqLevel, setHelmets.first()).toInt();
            for (int r : setHelmets.mid(1)) EXPECT_LT(first, helmets.cell(col::ReqLevel, r).toInt());
        }
    }
    EXPECT_GE(setsWithTwoHelmets, 2);
    // Besides the menu's outfits the bonus table holds one set no item carries and the empty slots' row.
    EXPECT_EQ(catalogue().sets.rowCount() - 1, static_cast<int>(kPresets.size()) + 2);
}

TEST(SampleFolder, ALevelOneCharacterFailsMostOutfits) {
    int wearable = 0;
    for (const PresetSet &p : kPresets) {
        int highest = 0;
        for (const CategoryTable &t : catalogue().tables)
            for (int r : rowsOfSet(t, s(p.set))) highest = std::max(highest, t.cell(col::ReqLevel, r).toInt());
        wearable += highest <= 1;
    }
    EXPECT_GT(wearable, 0);
    EXPECT_LT(wearable * 5, static_cast<int>(kPresets.size()));
}
