#include "catalogue/JetPropertyCheck.h"

#include "catalogue/JetBytes.h"
#include "catalogue/JetFileCheck.h"

#include <QStringList>

#include <array>
#include <optional>
#include <string_view>

namespace veldora {

namespace {

constexpr int kChunkHeader = 6;   // length (counting itself) and type
constexpr int kBlockHeader = 6;   // a value chunk's own length and its name's length
constexpr int kRecordHeader = 8;  // length, flag, type, name number, value length
constexpr int kNameChunk = 0x80;
constexpr int kLastValueChunk = 0x02;  // libmdb takes chunk types 0 to 2 for values
constexpr quint8 kCurrency = 0x05;


// What libmdb reads of a value of each type when it turns the value into text: a number
// of bytes from the value's start whatever the value's length, or nothing (text and binary
// values are read for their length). Types it cannot convert are missing: it warns.
struct ValueType {
    quint8 type;
    int bytesRead;
};
constexpr std::array<ValueType, 14> kValueTypes{{
    {0x01, 1},   // yes/no: the first byte
    {0x02, 1},   {0x03, 2},  {0x04, 4},
    {kCurrency, 8},  // read from libmdb's page buffer at the value's offset in the block
    {0x06, 4},   {0x07, 8},  {0x08, 8},
    {0x09, 0},   // binary; 16 bytes named GUID are a GUID
    {0x0A, 0},   {0x0B, 0},  {0x0C, 0},
    {0x0F, 16},  // GUID
    {0x12, 4},   // complex
}};

std::optional<int> bytesRead(quint8 type) {
    for (const ValueType &t : kValueTypes)
        if (t.type == type) return t.bytesRead;
    return std::nullopt;
}

QString problem(const QString &what) { return QStringLiteral("свойства в системном каталоге: ") + what; }

// A value chunk: its own length and name, then records of one property each.
QString checkValues(const unsigned char *c, qsizetype size, const QStringList &names) {
    if (size < kBlockHeader) return problem(QStringLiteral("обрезан блок значений"));
    const int nameLength = jetGet16(c + 4);
    if (kBlockHeader + nameLength > size)
        return problem(QStringLiteral("имя блока значений (%1 байт) выходит за пределы блока (%2 байт)")
                           .arg(nameLength)
                           .arg(size - kBlockHeader));
    for (qsizetype p = kBlockHeader + nameLength; p < size;) {
        if (p + kRecordHeader > size) return problem(QStringLiteral("обрезана запись свойства"));
        const int record = jetGet16(c + p);
        const quint8 type = c[p + 3];
        const int element = jetGet16(c + p + 4);
        const int valueSize = jetGet16(c + p + 6);
        if (record < kRecordHeader || p + record > size)
            return problem(QStringLiteral("запись свойства длиной %1 байт выходит за пределы блока").arg(record));
        if (element >= names.size())
            return problem(QStringLiteral("запись ссылается на имя № %1, а имён %2").arg(element + 1).arg(names.size()));
        // One pass of arg(): a name may hold "%1" itself.
        const QString &name = names[element];
        if (kRecordHeader + valueSize > record)
            return problem(QStringLiteral("значение свойства «%1» (%2 байт) длиннее своей записи")
                               .arg(name, QString::number(valueSize)));
        const std::optional<int> reads = bytesRead(type);
        if (!reads) return problem(QStringLiteral("свойство «%1» неизвестного типа %2").arg(name, QString::number(type)));
        if (type == kCurrency) {
            if (p + kRecordHeader + *reads > kJetPageSize)
                return problem(QStringLiteral("денежное свойство «%1» читается за пределами страницы").arg(name));
        } else if (valueSize < *reads) {
            return problem(QStringLiteral("значение свойства «%1» занимает %2 байт, а для его типа читается %3")
                               .arg(name, QString::number(valueSize), QString::number(*reads)));
        }
        p += record;
    }
    return {};
}

}  // namespace

QString checkJetProperties(const QByteArray &blob) {
    const auto *b = reinterpret_cast<const unsigned char *>(blob.constData());
    const qsizetype n = blob.size();
    if (n == 0) return problem(QStringLiteral("пустое значение"));
    // libmdb compares the start with strcmp: the zero byte must be there.
    if (n < 4 || (std::string_view(blob.constData(), 4) != std::string_view("MR2", 4) &&
                  std::string_view(blob.constData(), 4) != std::string_view("KKD", 4)))
        return problem(QStringLiteral("неизвестный формат"));
    QStringList names;
    bool haveNames = false;
    for (qsizetype pos = 4; pos < n;) {
        if (pos + kChunkHeader > n) return problem(QStringLiteral("обрезан заголовок блока"));
        const quint32 chunk = jetGet32(b + pos);
        const int type = jetGet16(b + pos + 4);
        if (chunk < kChunkHeader || chunk > quint32(n - pos))
            return problem(QStringLiteral("блок длиной %1 байт выходит за пределы свойств (%2 байт)").arg(chunk).arg(n - pos));
        const unsigned char *c = b + pos + kChunkHeader;
        const qsizetype size = qsizetype(chunk) - kChunkHeader;
        if (type == kNameChunk) {
            // Each names chunk replaces the names before it.
            names.clear();
            haveNames = true;
            for (qsizetype p = 0; p < size;) {
                if (p + 2 > size) return problem(QStringLiteral("обрезан список имён"));
                const int length = jetGet16(c + p);
                if (p + 2 + length > size)
                    return problem(QStringLiteral("имя свойства (%1 байт) выходит за пределы списка имён").arg(length));
                names << decodeJetText(c + p + 2, length);
                p += 2 + length;
            }
        } else if (type <= kLastValueChunk) {
            if (!haveNames) return problem(QStringLiteral("значения идут до списка имён"));
            if (const QString fault = checkValues(c, size, names); !fault.isEmpty()) return fault;
        } else {
            return problem(QStringLiteral("блок неизвестного вида %1").arg(type));
        }
        pos += qsizetype(chunk);
    }
    return {};
}

}  // namespace veldora
