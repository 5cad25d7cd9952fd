#include "customitems/Cp1251.h"
#include "customitems/CustomItemRecord.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <random>

using namespace veldora;

namespace {

// Bytes that read as a record: noise everywhere, each length byte within its field.
QByteArray noisyRecord(unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes(kCustomItemRecordSize, '\0');
    for (char &b : bytes) b = static_cast<char>(random() & 0xFF);
    for (const CustomItemField &f : kCustomItemFields)
        bytes[f.offset] = static_cast<char>(f.kind == FieldKind::Flag ? random() % 2 : random() % (f.capacity + 1));
    return bytes;
}

}  // namespace

TEST(Cp1251, EveryByteSurvivesAReadAndAWrite) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    EXPECT_EQ(encodeCp1251(decodeCp1251(all)), all);

    EXPECT_EQ(decodeCp1251(QByteArray("\xCC\xE5\xF7\xE8")), QStringLiteral("Мечи"));
    EXPECT_EQ(decodeCp1251(QByteArray("\xA8\xB8\xB9\x88")), QStringLiteral("Ёё№€"));
    EXPECT_EQ(encodeCp1251(QStringLiteral("Ёж «x»")), QByteArray("\xA8\xE6 \xAB" "x\xBB"));
    // What the code page lacks is written as '?' and named by the check.
    EXPECT_EQ(encodeCp1251(QStringLiteral("a中b")), QByteArray("a?b"));
    EXPECT_EQ(firstNonCp1251(QStringLiteral("Меч中")), QChar(0x4E2D));
    EXPECT_FALSE(firstNonCp1251(QStringLiteral("Меч героя №1")));
}

TEST(CustomItemRecord, EveryFieldRoundTripsByteForByteThroughItsText) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const QByteArray bytes = noisyRecord(seed);
        auto read = CustomItemRecord::fromBytes(bytes);
        ASSERT_TRUE(std::holds_alternative<CustomItemRecord>(read));
        CustomItemRecord record = std::get<CustomItemRecord>(read);
        // Writing back what each field reads changes nothing, the bytes after
        // each text included.
        for (int i = 0; i < kCustomItemFieldCount; ++i) {
            if (kCustomItemFields[i].kind == FieldKind::Flag)
                record.setFlag(i, record.flag(i));
            else
                record.setText(i, record.text(i));
        }
        ASSERT_EQ(record.bytes(), bytes) << "seed " << seed;
    }
}

TEST(CustomItemRecord, ATextIsALengthByteAndCp1251CutToItsCapacityKeepingTheBytesAfterIt) {
    CustomItemRecord record;
    record.setText(field::Name, QStringLiteral("Меч героя"));
    EXPECT_EQ(record.bytes()[256], char(9));
    EXPECT_EQ(record.bytes().mid(257, 9), encodeCp1251(QStringLiteral("Меч героя")));
    EXPECT_EQ(record.text(field::Name), QStringLiteral("Меч героя"));

    // A shorter text leaves the old bytes after it, as the Windows version did.
    record.setText(field::Name, QStringLiteral("Меч"));
    EXPECT_EQ(record.bytes()[256], char(3));
    EXPECT_EQ(record.bytes().mid(260, 6), encodeCp1251(QStringLiteral(" героя")));
    EXPECT_EQ(record.text(field::Name), QStringLiteral("Меч"));

    // Cut to the capacity, never into the next field.
    record.setText(field::Type, QStringLiteral("Оружие очень-очень длинное"));
    EXPECT_EQ(record.bytes()[287], char(16));
    EXPECT_EQ(record.text(field::Type), QStringLiteral("Оружие очень-оче"));
    EXPECT_EQ(record.bytes()[304], char(0)) << "the price's length byte";

    record.setFlag(field::Coins, true);
    EXPECT_EQ(record.bytes()[310], char(1));
    EXPECT_EQ(record.bytes().size(), kCustomItemRecordSize);
}

TEST(CustomItemRecord, ShortFilesAndOverlongLengthsAreRefusedWithoutReadingPastTheRecord) {
    auto shortFile = CustomItemRecord::fromBytes(QByteArray(809, '\0'));
    ASSERT_TRUE(std::holds_alternative<RecordFault>(shortFile));
    EXPECT_EQ(recordFaultMessage(QStringLiteral("x.Мечи"), std::get<RecordFault>(shortFile)),
              QStringLiteral("Файл «x.Мечи» не является файлом предмета: его размер 809 байт, а запись предмета "
                             "занимает 810 байт."));

    QByteArray bytes(kCustomItemRecordSize, '\0');
    bytes[287] = char(17);  // the type holds 16
    auto overlong = CustomItemRecord::fromBytes(bytes);
    ASSERT_TRUE(std::holds_alternative<RecordFault>(overlong));
    EXPECT_EQ(std::get<RecordFault>(overlong).field, field::Type);
    EXPECT_EQ(recordFaultMessage(QStringLiteral("x.Мечи"), std::get<RecordFault>(overlong)),
              QStringLiteral("Файл «x.Мечи» не является файлом предмета: в поле «Тип предмета» записана длина 17, "
                             "а поле вмещает не больше 16 знаков."));

    // The last field's length byte at its capacity, and bytes after the record.
    bytes[287] = char(16);
    bytes[805] = char(4);
    auto longer = CustomItemRecord::fromBytes(bytes + QByteArray("trailing"));
    ASSERT_TRUE(std::holds_alternative<CustomItemRecord>(longer));
    EXPECT_EQ(std::get<CustomItemRecord>(longer).bytes(), bytes);
    // A flag byte other than 0 or 1 counts as set and stays as it was.
    bytes[310] = char(7);
    CustomItemRecord flagged = std::get<CustomItemRecord>(CustomItemRecord::fromBytes(bytes));
    EXPECT_TRUE(flagged.flag(field::Coins));
    flagged.setFlag(field::Coins, true);
    EXPECT_EQ(flagged.bytes()[310], char(7));
}
