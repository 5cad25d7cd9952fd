// The file check against the structures libmdb parses without bounds: the tables'
// property blobs and the long values that hold them. Every file the check lets through
// must load with libmdb silent; every refusal names the fault.

#include "FixtureCatalogue.h"
#include "JetProperties.h"
#include "QStringPrinter.h"
#include "StderrCapture.h"
#include "catalogue/CatalogueLoader.h"
#include "catalogue/JetFileCheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace veldora;
using veldora::testing::FixtureCatalogue;
using veldora::testing::StderrCapture;

namespace {

const QStringList kTables{QStringLiteral("Предметы"), QStringLiteral("Фулы Бонус"), QStringLiteral("Отчёты")};

QByteArray le(quint64 v, int bytes) {
    QByteArray b;
    for (int i = 0; i < bytes; ++i) b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

// Blobs built piece by piece, so that any length can be made to lie.
QByteArray chunk(quint16 type, const QByteArray &payload, int length = -1) {
    return le(length < 0 ? quint32(payload.size() + 6) : quint32(length), 4) + le(type, 2) + payload;
}
QByteArray nameList(const QStringList &names) {
    QByteArray b;
    for (const QString &n : names) b += le(quint32(n.size() * 2), 2) + jet::textValue(n);
    return chunk(0x80, b);
}
QByteArray record(quint8 type, const QByteArray &value, int element = 0, int length = -1, int valueLength = -1) {
    return le(length < 0 ? quint32(8 + value.size()) : quint32(length), 2) + char(0) + char(type) + le(quint32(element), 2) +
           le(valueLength < 0 ? quint32(value.size()) : quint32(valueLength), 2) + value;
}
QByteArray values(const QByteArray &records, const QString &name = {}, int nameLength = -1) {
    const QByteArray n = jet::textValue(name);
    const QByteArray body = le(quint32(nameLength < 0 ? n.size() : nameLength), 2) + n + records;
    return chunk(0x00, le(quint32(body.size() + 4), 4) + body);
}
QByteArray blob(const QByteArray &chunks, const QByteArray &signature = QByteArray("MR2", 4)) { return signature + chunks; }

const QStringList kCaption{QStringLiteral("Caption")};

QByteArray build(const QByteArray &properties, jet::LongValueForm form) {
    FixtureCatalogue f;
    f.addItem(Category::Helmets, QStringLiteral("Шлем"), 1).addSet(QStringLiteral("Ангела"), 2);
    const jet::BuildResult built = jet::buildDatabase(f.tables(), {{0, properties, form}});
    EXPECT_FALSE(built.error) << built.error->describe(f.tables()).toStdString();
    return built.bytes;
}

QString problem(const QByteArray &file) { return checkJetFile(file, kTables).problem; }

// Loads the file as start-up does; libmdb must stay silent whatever the outcome.
CatalogueLoad load(const QByteArray &file, QTemporaryDir &dir) {
    EXPECT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("base")));
    QFile out(catalogueDatabasePath(dir.path()));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(file);
    out.close();
    StderrCapture capture;
    CatalogueLoad result = loadCatalogue(dir.path());
    EXPECT_EQ(capture.release(), QByteArray());
    return result;
}

constexpr jet::LongValueForm kForms[] = {jet::LongValueForm::Inline, jet::LongValueForm::OneRow, jet::LongValueForm::Chain};

}  // namespace

TEST(JetFileCheck, SoundPropertiesOfEveryTypeAndFormLoad) {
    const QByteArray sound = jet::propertyBlob(
        {{QString(), {{QStringLiteral("Description"), jet::prop::Memo, jet::textValue(QStringLiteral("Все предметы"))},
                      {QStringLiteral("Orientation"), jet::prop::Integer, le(0, 2)},
                      {QStringLiteral("Price"), jet::prop::Currency, le(0, 8)},
                      {QStringLiteral("Updated"), jet::prop::DateTime, le(0, 8)}}},
         {QStringLiteral("Название"),
          {{QStringLiteral("Required"), jet::prop::Bool, jet::boolValue(true)},
           {QStringLiteral("GUID"), jet::prop::Binary, QByteArray(16, '\x11')},
           {QStringLiteral("ColumnWidth"), jet::prop::Long, jet::longValue(1440)},
           {QStringLiteral("Format"), jet::prop::Text, QByteArray()}}}});
    QTemporaryDir dir;
    for (jet::LongValueForm form : kForms) {
        const QByteArray file = build(sound, form);
        EXPECT_EQ(problem(file), QString());
        EXPECT_TRUE(load(file, dir).catalogue);
    }
}

TEST(JetFileCheck, PropertyBlobsThatLibmdbWouldReadPastAreRefusedByName) {
    const QByteArray names = nameList(kCaption);
    const QByteArray caption = record(jet::prop::Text, jet::textValue(QStringLiteral("Шлемы")));
    // Enough leading bytes to push a currency value past libmdb's 4096-byte page buffer.
    const QByteArray filler = record(jet::prop::Text, QByteArray(4090, 'a'));
    const QString in = QStringLiteral("свойства в системном каталоге: ");
    const struct {
        QByteArray blob;
        QString problem;
    } cases[] = {
        {blob(names + values(caption, QStringLiteral("N"), 100)),
         in + QStringLiteral("имя блока значений (100 байт) выходит за пределы блока (20 байт)")},
        {blob(names + values(record(jet::prop::Long, le(7, 2)))),
         in + QStringLiteral("значение свойства «Caption» занимает 2 байт, а для его типа читается 4")},
        {blob(names + values(record(jet::prop::Bool, {}))),
         in + QStringLiteral("значение свойства «Caption» занимает 0 байт, а для его типа читается 1")},
        {blob(names + values(record(jet::prop::Guid, QByteArray(8, '\0')))),
         in + QStringLiteral("значение свойства «Caption» занимает 8 байт, а для его типа читается 16")},
        {blob(names + values(record(jet::prop::Text, QByteArray(4, 'x'), 0, 10))),
         in + QStringLiteral("значение свойства «Caption» (4 байт) длиннее своей записи")},
        {blob(names + values(record(jet::prop::Text, QByteArray(4, 'x'), 0, 12, 40))),
         in + QStringLiteral("значение свойства «Caption» (40 байт) длиннее своей записи")},
        {blob(names + values(record(jet::prop::Text, QByteArray(4, 'x'), 0, 200))),
         in + QStringLiteral("запись свойства длиной 200 байт выходит за пределы блока")},
        {blob(names + values(record(jet::prop::Text, {}, 5))), in + QStringLiteral("запись ссылается на имя № 6, а имён 1")},
        {blob(names + values(record(0x10, QByteArray(17, '\0')))), in + QStringLiteral("свойство «Caption» неизвестного типа 16")},
        {blob(names + values(filler + record(jet::prop::Currency, le(0, 8)))),
         in + QStringLiteral("денежное свойство «Caption» читается за пределами страницы")},
        {blob(values(caption) + names), in + QStringLiteral("значения идут до списка имён")},
        {blob(names + chunk(0x05, QByteArray(4, '\0'))), in + QStringLiteral("блок неизвестного вида 5")},
        {blob(names + chunk(0x00, caption, 1000)), in + QStringLiteral("блок длиной 1000 байт выходит за пределы свойств (24 байт)")},
        {blob(chunk(0x80, le(40, 2) + jet::textValue(QStringLiteral("Cap")))),
         in + QStringLiteral("имя свойства (40 байт) выходит за пределы списка имён")},
        {blob(names + values(caption), QByteArray("MR2X")), in + QStringLiteral("неизвестный формат")},
        {QByteArray(), in + QStringLiteral("пустое значение")},
    };
    for (const auto &c : cases) {
        // The chain puts faults of long blobs into later rows: the check reads the whole value.
        for (jet::LongValueForm form : {jet::LongValueForm::Inline, jet::LongValueForm::Chain}) {
            if (form == jet::LongValueForm::Inline && c.blob.size() > 3000) continue;
            EXPECT_EQ(problem(build(c.blob, form)), c.problem) << int(form);
        }
    }
    QTemporaryDir dir;
    const CatalogueLoad refused = load(build(cases[0].blob, jet::LongValueForm::OneRow), dir);
    EXPECT_FALSE(refused.catalogue);
    EXPECT_EQ(refused.error, QStringLiteral("Файл базы предметов «%1» повреждён или не является базой данных Access 2000–2003: %2.")
                                 .arg(catalogueDatabasePath(dir.path()), cases[0].problem));
}

// Faults in the long value around the blob and in the catalogue's own definition, made by
// changing bytes of a sound file.
TEST(JetFileCheck, LongValueChainsCatalogueColumnsAndMapsAsLibmdbReadsThem) {
    const QByteArray sound = jet::propertyBlob({{QString(), {{QStringLiteral("Description"), jet::prop::Memo,
                                                              jet::textValue(QStringLiteral("д").repeated(1150))}}}});
    const QByteArray good = build(sound, jet::LongValueForm::Chain);
    ASSERT_EQ(problem(good), QString());
    const qsizetype header = good.indexOf(le(quint32(sound.size()), 4) + char(0));
    ASSERT_GT(header, good.size() - 4096);  // in the catalogue's data page, the last one
    const QString where = QStringLiteral("длинное значение в системном каталоге: ");
    auto changed = [&](qsizetype at, const QByteArray &bytes) { return QByteArray(good).replace(at, bytes.size(), bytes); };
    const quint32 first = quint32(uchar(good[header + 4])) | quint32(uchar(good[header + 5])) << 8 |
                          quint32(uchar(good[header + 6])) << 16;
    const qsizetype offsetEntry = qsizetype(first >> 8) * 4096 + 14 + 2 * qsizetype(first & 0xFF);
    const qsizetype firstRow = qsizetype(first >> 8) * 4096 + (uchar(good[offsetEntry]) | uchar(good[offsetEntry + 1]) << 8);
    // libmdb would read a zero first pointer as row 0 of the file header.
    EXPECT_EQ(problem(changed(header + 4, le(0, 4))), where + QStringLiteral("цепочка не указывает ни на одну запись"));
    EXPECT_EQ(problem(changed(firstRow, le(first, 4))), where + QStringLiteral("зациклена цепочка"));
    EXPECT_EQ(problem(changed(header + 3, QByteArray(1, '\x10'))), where + QStringLiteral("неизвестный вид значения"));

    // libmdb binds Flags ignoring the case of ASCII letters only: "Flagſ" is not it.
    const qsizetype flags = good.indexOf(jet::textValue(QStringLiteral("Flags")), 2 * 4096);
    ASSERT_GT(flags, 0);
    const QByteArray longS = changed(flags + 8, jet::textValue(QStringLiteral("ſ")));
    EXPECT_EQ(problem(longS), QStringLiteral("в системном каталоге нет поля Flags"));
    QTemporaryDir dir;
    EXPECT_TRUE(load(longS, dir).error.contains(QStringLiteral("нет поля Flags")));

    // A page map whose start and bit add up past 2^32: counted as libmdb counts, the page
    // is beyond the file, not the table's first data page that a wrapped sum would give.
    const qsizetype usagePage = 3 * 4096;
    const qsizetype map = usagePage + (uchar(good[usagePage + 18]) | uchar(good[usagePage + 19]) << 8);  // row 2: Предметы
    const quint32 dataPage = quint32(uchar(good[map + 1])) | quint32(uchar(good[map + 2])) << 8;
    QByteArray wrapped = changed(map + 1, le(0xFFFFFFFBu, 4) + QByteArray(64, '\0'));
    wrapped[map + 5 + (5 + dataPage) / 8] = char(1 << ((5 + dataPage) % 8));
    const quint32 tdefPage = dataPage - 2;  // the definition of 133 columns takes two pages
    EXPECT_EQ(problem(wrapped), QStringLiteral("карта страниц таблицы на странице %1: страница %2 за пределами файла")
                                    .arg(tdefPage)
                                    .arg(quint64(1) << 32 | dataPage));
}
