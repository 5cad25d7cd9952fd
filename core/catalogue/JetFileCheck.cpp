#include "catalogue/JetFileCheck.h"

#include "catalogue/JetBytes.h"
#include "catalogue/JetPropertyCheck.h"
#include "catalogue/JetRc4.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <optional>
#include <vector>

namespace veldora {

namespace {

constexpr int kRowCountOffset = 12;
constexpr int kRowOffsetMask = 0x1FFF;
// libmdb skips rows whose offset carries 0x4000 and reads those with 0x8000 in place.
constexpr int kDeletedRow = 0x4000;
constexpr int kRowFlags = 0xC000;
constexpr int kMaxColumns = 255;   // libmdb cracks rows into a 256-field array
constexpr int kMaxTdefPages = 64;
constexpr int kMapPageBits = (kJetPageSize - 4) * 8;
constexpr int kTdefHeaderSize = 63;
constexpr int kColumnEntrySize = 25;
constexpr int kIndexEntrySize = 12;
constexpr quint8 kPageData = 0x01;
constexpr quint8 kPageTdef = 0x02;
constexpr quint8 kPageUsageBitmap = 0x05;
constexpr int kLongValueHeader = 12;
constexpr quint32 kInlineLongValue = 0x80000000;
constexpr quint32 kOneRowLongValue = 0x40000000;
constexpr quint32 kLastChainHeader = 0x0FFFFFFF;  // libmdb warns about other flags

enum ColumnTypes : quint8 {
    kBool = 0x01, kByte = 0x02, kInt = 0x03, kLong = 0x04, kMoney = 0x05, kFloat = 0x06, kDouble = 0x07,
    kDateTime = 0x08, kBinary = 0x09, kText = 0x0A, kOle = 0x0B, kMemo = 0x0C, kRepId = 0x0F, kNumeric = 0x10,
};


struct Column {
    quint8 type = 0;
    int number = 0;    // position in the null mask
    int varIndex = 0;
    int fixedOffset = 0;
    int size = 0;
    bool fixed = false;
    QString name;
};

struct Tdef {
    quint32 page = 0;
    int varCount = 0;
    std::vector<Column> columns;  // in column-number order, as libmdb sorts them
    std::vector<quint32> dataPages;
};

struct Field {
    bool present = false;  // not null
    int start = 0;         // within the page
    int size = 0;
};

struct Row {
    int start = 0;
    int length = 0;
};

class Checker {
public:
    explicit Checker(const QByteArray &file) : file_(file) {}

    JetFileCheck run(const QStringList &tables);

private:
    bool fail(const QString &why) {
        if (problem_.isEmpty()) problem_ = why;
        return false;
    }
    const unsigned char *page(quint32 p) const { return data_ + size_t(p) * kJetPageSize; }
    bool inFile(quint32 p) const { return p < pageCount_; }

    bool header();
    std::optional<Row> findRow(quint32 pg, int row, bool allowFlags);
    std::optional<Row> pointedRow(quint32 pageRow, const QString &what);
    std::optional<Tdef> readTdef(quint32 tdefPage);
    bool readUsageMap(Tdef &t, quint32 pageRow);
    bool crackRow(const Tdef &t, const unsigned char *pg, const Row &row, std::vector<Field> &fields);
    bool checkProperties(const unsigned char *pg, const Field &f);
    template <typename Visit>
    bool forEachRow(const Tdef &t, Visit visit);

    const QByteArray &file_;
    QByteArray decrypted_;
    const unsigned char *data_ = nullptr;
    quint32 pageCount_ = 0;
    QString problem_;
};

bool Checker::header() {
    if (file_.size() < 3 * kJetPageSize) return fail(QStringLiteral("файл слишком мал"));
    if (file_.size() % kJetPageSize != 0) return fail(QStringLiteral("размер файла не кратен странице 4096 байт"));
    if (file_.size() / kJetPageSize > 0x00FFFFFF) return fail(QStringLiteral("файл слишком велик"));
    pageCount_ = quint32(file_.size() / kJetPageSize);
    const auto *h = reinterpret_cast<const unsigned char *>(file_.constData());
    if (h[0] != 0x00 || std::string_view(reinterpret_cast<const char *>(h + 4), 15) != "Standard Jet DB")
        return fail(QStringLiteral("нет заголовка базы данных Access"));
    if (h[0x14] != 0x01) return fail(QStringLiteral("версия файла не Jet 4 (Access 2000–2003)"));
    // Bytes 0x18..0x97 are masked; the database key among them encrypts every other page.
    std::array<quint8, 128> plain;
    std::copy(h + 0x18, h + 0x18 + 128, plain.begin());
    static const quint8 headerKey[4] = {0xC7, 0xDA, 0x39, 0x6B};
    veldora::jetRc4Xor(headerKey, 4, plain.data(), 128);
    const quint32 dbKey = jetGet32(plain.data() + 0x3E - 0x18);
    data_ = h;
    if (dbKey != 0) {
        decrypted_ = file_;
        auto *d = reinterpret_cast<quint8 *>(decrypted_.data());
        for (quint32 p = 1; p < pageCount_; ++p) {
            const quint32 k = dbKey ^ p;
            const quint8 key[4] = {quint8(k), quint8(k >> 8), quint8(k >> 16), quint8(k >> 24)};
            veldora::jetRc4Xor(key, 4, d + size_t(p) * kJetPageSize, kJetPageSize);
        }
        data_ = d;
    }
    return true;
}

// A row of a data page, bounded as libmdb bounds it: from its offset to the previous
// row's offset (or the page end).
std::optional<Row> Checker::findRow(quint32 pg, int row, bool allowFlags) {
    const unsigned char *p = page(pg);
    const int rows = jetGet16(p + kRowCountOffset);
    const int tableEnd = kRowCountOffset + 2 + 2 * rows;
    if (row >= rows || tableEnd > kJetPageSize) {
        fail(QStringLiteral("страница %1: неверная ссылка на запись").arg(pg));
        return std::nullopt;
    }
    const int raw = jetGet16(p + kRowCountOffset + 2 + 2 * row);
    if (!allowFlags && (raw & kRowFlags)) {
        fail(QStringLiteral("страница %1: ссылка на удалённую запись").arg(pg));
        return std::nullopt;
    }
    const int start = raw & kRowOffsetMask;
    const int end = row == 0 ? kJetPageSize : (jetGet16(p + kRowCountOffset + 2 * row) & kRowOffsetMask);
    if (start < tableEnd || start > end || end > kJetPageSize) {
        fail(QStringLiteral("страница %1: запись %2 выходит за границы").arg(pg).arg(row));
        return std::nullopt;
    }
    return Row{start, end - start};
}

std::optional<Row> Checker::pointedRow(quint32 pageRow, const QString &what) {
    const quint32 pg = pageRow >> 8;
    if (!inFile(pg) || page(pg)[0] != kPageData) {
        fail(QStringLiteral("%1 указывает за пределы файла или не на страницу данных").arg(what));
        return std::nullopt;
    }
    return findRow(pg, int(pageRow & 0xFF), false);
}

std::optional<Tdef> Checker::readTdef(quint32 tdefPage) {
    const QString where = QStringLiteral("описание таблицы на странице %1").arg(tdefPage);
    if (!inFile(tdefPage) || tdefPage == 0 || page(tdefPage)[0] != kPageTdef) {
        fail(where + QStringLiteral(": не найдено"));
        return std::nullopt;
    }
    // The definition continues over chained pages, each adding its bytes from offset 8.
    QByteArray d(reinterpret_cast<const char *>(page(tdefPage)), kJetPageSize);
    QSet<quint32> seen{tdefPage};
    for (quint32 next = jetGet32(page(tdefPage) + 4); next != 0; next = jetGet32(page(next) + 4)) {
        if (!inFile(next) || page(next)[0] != kPageTdef || seen.contains(next) || seen.size() >= kMaxTdefPages) {
            fail(where + QStringLiteral(": повреждена цепочка страниц"));
            return std::nullopt;
        }
        seen.insert(next);
        d.append(reinterpret_cast<const char *>(page(next)) + 8, kJetPageSize - 8);
    }
    // libmdb follows the chain lazily and reads page 0 where the chain ends too early, so
    // everything it reads must lie within the pages chained. The last page is dropped:
    // its end would be read by following its (zero) next pointer.
    const auto *b = reinterpret_cast<const unsigned char *>(d.constData());
    const qsizetype usable = d.size() - 1;
    Tdef t;
    t.page = tdefPage;
    t.varCount = jetGet16(b + 43);
    const int columnCount = jetGet16(b + 45);
    const quint32 realIndexes = jetGet32(b + 51);
    if (columnCount < 1 || columnCount > kMaxColumns || t.varCount > columnCount || realIndexes > 1000) {
        fail(where + QStringLiteral(": неверное число полей"));
        return std::nullopt;
    }
    qsizetype pos = kTdefHeaderSize + qsizetype(realIndexes) * kIndexEntrySize;
    if (pos + qsizetype(columnCount) * kColumnEntrySize > usable) {
        fail(where + QStringLiteral(": обрезано"));
        return std::nullopt;
    }
    QSet<int> numbers;
    int fixedEnd = 0;
    for (int i = 0; i < columnCount; ++i, pos += kColumnEntrySize) {
        const unsigned char *e = b + pos;
        Column c;
        c.type = e[0];
        c.number = e[5];  // libmdb reads one byte
        c.varIndex = jetGet16(e + 7);
        c.fixed = e[15] & 0x01;
        c.fixedOffset = jetGet16(e + 21);
        c.size = c.type == kBool ? 0 : jetGet16(e + 23);
        if (numbers.contains(c.number)) {
            fail(where + QStringLiteral(": два поля с одним номером"));
            return std::nullopt;
        }
        numbers.insert(c.number);
        if (c.fixed) fixedEnd = std::max(fixedEnd, c.fixedOffset + c.size);
        else if (c.varIndex >= t.varCount) {
            fail(where + QStringLiteral(": неверный номер поля переменной длины"));
            return std::nullopt;
        }
        t.columns.push_back(c);
    }
    for (Column &c : t.columns) {
        if (pos + 2 > usable) {
            fail(where + QStringLiteral(": обрезано"));
            return std::nullopt;
        }
        const int length = jetGet16(b + pos);
        pos += 2;
        if (length > 2 * 64 || length % 2 != 0 || pos + length > usable) {
            fail(where + QStringLiteral(": неверное имя поля"));
            return std::nullopt;
        }
        c.name = decodeJetText(b + pos, length);
        pos += length;
    }
    if (fixedEnd > kJetPageSize) {
        fail(where + QStringLiteral(": неверные размеры полей"));
        return std::nullopt;
    }
    std::sort(t.columns.begin(), t.columns.end(), [](const Column &a, const Column &c) { return a.number < c.number; });

    // libmdb copies both usage maps and refuses the table when either row is missing.
    if (!readUsageMap(t, jetGet32(b + 55))) return std::nullopt;
    if (!pointedRow(jetGet32(b + 59), where + QStringLiteral(": карта свободного места"))) return std::nullopt;
    return t;
}

// The map of the pages that hold the table's rows: an inline bitmap (type 0) or a list of
// bitmap pages (type 1). Every page listed must be a data page of this table; libmdb
// would skip others with a warning, losing their rows, or exit on a missing bitmap page.
bool Checker::readUsageMap(Tdef &t, quint32 pageRow) {
    const QString where = QStringLiteral("карта страниц таблицы на странице %1").arg(t.page);
    const auto row = pointedRow(pageRow, where);
    if (!row) return false;
    const unsigned char *map = page(pageRow >> 8) + row->start;
    const int size = row->length;
    std::vector<quint32> pages;
    if (size >= 5 && map[0] == 0x00) {
        const quint32 start = jetGet32(map + 1);
        // libmdb starts its scan one page after page 0, so bit 0 of a map from page 0 never counts.
        for (int i = start == 0 ? 1 : 0; i < (size - 5) * 8; ++i)
            if (map[5 + i / 8] & (1 << (i % 8))) {
                // Counted without wrapping round: libmdb would stop at a page number that wraps.
                const quint64 p = quint64(start) + quint64(i);
                if (p >= pageCount_) return fail(where + QStringLiteral(": страница %1 за пределами файла").arg(p));
                pages.push_back(quint32(p));
            }
    } else if (size >= 1 && map[0] == 0x01) {
        for (int k = 0; k < (size - 1) / 4; ++k) {
            const quint32 bitmapPage = jetGet32(map + 1 + 4 * k);
            if (bitmapPage == 0) continue;
            if (!inFile(bitmapPage) || page(bitmapPage)[0] != kPageUsageBitmap)
                return fail(where + QStringLiteral(": неверная страница битовой карты"));
            const unsigned char *bits = page(bitmapPage) + 4;
            for (int i = k == 0 ? 1 : 0; i < kMapPageBits; ++i)
                if (bits[i / 8] & (1 << (i % 8))) pages.push_back(quint32(k) * kMapPageBits + quint32(i));
        }
    } else {
        return fail(where + QStringLiteral(": неизвестный вид карты"));
    }
    for (quint32 p : pages)
        if (!inFile(p) || page(p)[0] != kPageData || jetGet32(page(p) + 4) != t.page)
            return fail(where + QStringLiteral(": страница %1 не принадлежит таблице").arg(p));
    t.dataPages = std::move(pages);
    return true;
}

// Mirrors the way libmdb splits a row into fields, with every bound checked. The row:
// column count, fixed area, variable data, then from the end: null mask, number of
// variable columns, their offsets (last first) and the end of the variable data.
bool Checker::crackRow(const Tdef &t, const unsigned char *pg, const Row &row, std::vector<Field> &fields) {
    const QString where = QStringLiteral("запись таблицы на странице %1").arg(t.page);
    if (row.length < 3) return fail(where + QStringLiteral(": слишком короткая"));
    const unsigned char *r = pg + row.start;
    const int rowColumns = jetGet16(r);
    const int maskSize = (rowColumns + 7) / 8;
    if (rowColumns < 1 || 2 + maskSize > row.length) return fail(where + QStringLiteral(": неверное число полей"));
    const unsigned char *mask = r + row.length - maskSize;
    int rowVarColumns = 0;
    std::vector<int> offsets;
    if (t.varCount > 0) {
        if (2 + maskSize + 2 > row.length) return fail(where + QStringLiteral(": обрезана"));
        rowVarColumns = jetGet16(r + row.length - maskSize - 2);
        const int tableStart = row.length - maskSize - 2 - 2 * (rowVarColumns + 1);
        if (rowVarColumns > rowColumns || tableStart < 2) return fail(where + QStringLiteral(": неверная таблица смещений"));
        offsets.resize(size_t(rowVarColumns + 1));
        for (int i = 0; i <= rowVarColumns; ++i) offsets[size_t(i)] = jetGet16(r + row.length - maskSize - 4 - 2 * i);
        for (int i = 0; i <= rowVarColumns; ++i) {
            const int lo = i == 0 ? 2 : offsets[size_t(i - 1)];
            if (offsets[size_t(i)] < lo || offsets[size_t(i)] > tableStart)
                return fail(where + QStringLiteral(": неверная таблица смещений"));
        }
    }
    const int rowFixedColumns = rowColumns - rowVarColumns;
    int fixedFound = 0;
    fields.assign(t.columns.size(), Field{});
    for (size_t i = 0; i < t.columns.size(); ++i) {
        const Column &c = t.columns[i];
        Field &f = fields[i];
        int start = 0, size = 0;
        bool inRow = false;
        if (c.fixed && fixedFound < rowFixedColumns) {
            start = 2 + c.fixedOffset;
            size = c.size;
            ++fixedFound;
            inRow = true;
        } else if (!c.fixed && c.varIndex < rowVarColumns) {
            start = offsets[size_t(c.varIndex)];
            size = offsets[size_t(c.varIndex) + 1] - start;
            inRow = true;
        }
        if (start + size > row.length) return fail(where + QStringLiteral(": поле выходит за границы записи"));
        if (inRow && c.number >= rowColumns) return fail(where + QStringLiteral(": неверная маска пустых полей"));
        f.present = inRow && (mask[c.number / 8] & (1 << (c.number % 8)));
        f.start = row.start + start;
        f.size = size;
    }
    return true;
}

template <typename Visit>
bool Checker::forEachRow(const Tdef &t, Visit visit) {
    std::vector<Field> fields;
    for (quint32 pg : t.dataPages) {
        const unsigned char *p = page(pg);
        const int rows = jetGet16(p + kRowCountOffset);
        for (int r = 0; r < rows; ++r) {
            const auto row = findRow(pg, r, true);
            if (!row) return false;
            if (jetGet16(p + kRowCountOffset + 2 + 2 * r) & kDeletedRow) continue;
            if (!crackRow(t, p, *row, fields) || !visit(p, fields)) return false;
        }
    }
    return true;
}

// A long value: a 12-byte header whose flags say where the bytes are: inline after the
// header (all the rest of the field), in one row of another page (the whole row), or in a
// chain of rows each beginning with the pointer to the next, which ends at a zero pointer.
// libmdb reads the whole LvProp value of every table it lists and parses its property
// blocks; it follows no other long value of the catalogue.
bool Checker::checkProperties(const unsigned char *pg, const Field &f) {
    const QString where = QStringLiteral("длинное значение в системном каталоге");
    if (f.size < kLongValueHeader) return fail(where + QStringLiteral(": обрезано"));
    const unsigned char *h = pg + f.start;
    const quint32 header = jetGet32(h);
    QByteArray value;
    if (header & kInlineLongValue) {
        value = QByteArray(reinterpret_cast<const char *>(h + kLongValueHeader), f.size - kLongValueHeader);
    } else if (header & kOneRowLongValue) {
        const quint32 ptr = jetGet32(h + 4);
        const auto row = pointedRow(ptr, where);
        if (!row) return false;
        value = QByteArray(reinterpret_cast<const char *>(page(ptr >> 8) + row->start), row->length);
    } else if (header <= kLastChainHeader) {
        // libmdb reads the first row whatever the pointer says: a zero one would take it to
        // the file header.
        quint32 ptr = jetGet32(h + 4);
        if (ptr == 0) return fail(where + QStringLiteral(": цепочка не указывает ни на одну запись"));
        QSet<quint32> seen;
        while (ptr != 0) {
            if (seen.contains(ptr)) return fail(where + QStringLiteral(": зациклена цепочка"));
            seen.insert(ptr);
            const auto row = pointedRow(ptr, where);
            if (!row) return false;
            if (row->length < 4) return fail(where + QStringLiteral(": повреждена цепочка"));
            const unsigned char *r = page(ptr >> 8) + row->start;
            value.append(reinterpret_cast<const char *>(r + 4), row->length - 4);
            ptr = jetGet32(r);
        }
    } else {
        return fail(where + QStringLiteral(": неизвестный вид значения"));
    }
    const QString fault = checkJetProperties(value);
    return fault.isEmpty() || fail(fault);
}

// libmdb binds columns with g_ascii_strcasecmp: letter case is ignored for ASCII only.
bool sameAsciiName(const QString &name, const char *ascii) {
    const qsizetype n = qsizetype(std::strlen(ascii));
    if (name.size() != n) return false;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = name[i].unicode();
        if (c >= 0x80 || std::tolower(int(c)) != std::tolower(int(ascii[i]))) return false;
    }
    return true;
}

JetFileCheck Checker::run(const QStringList &tables) {
    if (!header()) return {problem_, {}};
    auto catalogue = readTdef(2);
    if (!catalogue) return {problem_, {}};
    // The catalogue columns that libmdb binds by name; it fails without any of them.
    struct Bound {
        const char *name;
        quint8 type;
        int size;
        int index = -1;
    };
    Bound bound[] = {{"Id", kLong, 4}, {"Name", kText, -1}, {"Type", kInt, 2}, {"Flags", kLong, 4}, {"LvProp", kOle, -1}};
    for (Bound &want : bound) {
        for (size_t i = 0; i < catalogue->columns.size(); ++i)
            if (sameAsciiName(catalogue->columns[i].name, want.name)) {
                want.index = int(i);
                break;
            }
        if (want.index < 0) return {QStringLiteral("в системном каталоге нет поля %1").arg(QLatin1String(want.name)), {}};
        const Column &c = catalogue->columns[size_t(want.index)];
        if (c.type != want.type || c.fixed != (want.size > 0) || (want.size > 0 && c.size != want.size))
            return {QStringLiteral("поле %1 системного каталога неверного типа").arg(QLatin1String(want.name)), {}};
    }
    // Tables as libmdb lists them: catalogue rows of Type exactly 1, in storage order; the
    // loader opens the first whose name matches.
    std::vector<std::optional<quint32>> tablePages(size_t(tables.size()));
    {
        const bool ok = forEachRow(*catalogue, [&](const unsigned char *pg, const std::vector<Field> &f) {
            const Field &name = f[size_t(bound[1].index)];
            const QString text = name.present ? decodeJetText(pg + name.start, name.size) : QString();
            if (text.toUtf8().size() > 255) return fail(QStringLiteral("слишком длинное имя в системном каталоге"));
            const Field &id = f[size_t(bound[0].index)];
            const Field &type = f[size_t(bound[2].index)];
            if (!type.present || qint16(jetGet16(pg + type.start)) != 1) return true;  // not a table
            const Field &properties = f[size_t(bound[4].index)];
            if (properties.present && !checkProperties(pg, properties)) return false;
            const quint32 tablePage = id.present ? jetGet32(pg + id.start) & 0x00FFFFFF : 0;
            for (qsizetype i = 0; i < tables.size(); ++i)
                if (!tablePages[size_t(i)] && text.compare(tables[i], Qt::CaseInsensitive) == 0)
                    tablePages[size_t(i)] = tablePage;
            return true;
        });
        if (!ok) return {problem_, {}};
    }
    JetFileCheck result;
    for (const auto &tablePage : tablePages) {
        result.tablePages.push_back(tablePage.value_or(0));
        if (!tablePage) continue;
        auto t = readTdef(*tablePage);
        if (!t || !forEachRow(*t, [](const unsigned char *, const std::vector<Field> &) { return true; }))
            return {problem_, {}};
    }
    return result;
}

}  // namespace

JetFileCheck checkJetFile(const QByteArray &file, const QStringList &tables) {
    return Checker(file).run(tables);
}

QString decodeJetText(const unsigned char *data, int size) {
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        QString out;
        out.reserve(size);
        bool compressed = true;
        for (int i = 2; i < size;) {
            if (data[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                out += QChar(char16_t(data[i++]));
            } else if (i + 1 < size) {
                out += QChar(char16_t(data[i] | (data[i + 1] << 8)));
                i += 2;
            } else {
                break;
            }
        }
        return out;
    }
    QString out(size / 2, Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    for (int i = 0; i < size / 2; ++i) d[i] = char16_t(data[2 * i] | (data[2 * i + 1] << 8));
    return out;
}

}  // namespace veldora
