#include "JetWriter.h"

#include "catalogue/JetRc4.h"

#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace jet {

namespace {

constexpr int kPageSize = 4096;
constexpr int kDataHeaderSize = 14;
constexpr int kMaxRowsPerPage = 255;   // row pointers keep the row index in one byte
constexpr int kTdefHeaderSize = 63;
constexpr int kColumnDescriptorSize = 25;
constexpr int kTdefContinuationHeader = 8;
constexpr int kUsageRowSize = 69;      // type byte, start page, 64 bytes of bitmap
constexpr int kInlineMapPages = 64 * 8;
constexpr int kUsageRowsPerPage = 56;  // 57 fit; keep owned/free pairs on one page
constexpr int kMapPageBits = (kPageSize - 4) * 8;
constexpr int kMaxMapPageRefs = 17;
constexpr quint32 kJetMagic = 1625;    // constant that Access writes in TDEFs and column descriptors

constexpr quint8 kPageData = 0x01;
constexpr quint8 kPageTdef = 0x02;
constexpr quint8 kPageUsageBitmap = 0x05;

// Column type bytes.
constexpr quint8 kTypeInt = 0x03;
constexpr quint8 kTypeLong = 0x04;
constexpr quint8 kTypeDateTime = 0x08;
constexpr quint8 kTypeBinary = 0x09;
constexpr quint8 kTypeText = 0x0A;
constexpr quint8 kTypeOle = 0x0B;
constexpr quint8 kTypeMemo = 0x0C;

// Column flags.
constexpr quint8 kFlagFixed = 0x01;
constexpr quint8 kFlagNullable = 0x02;
constexpr quint8 kFlagAutoLong = 0x04;

using Bytes = std::vector<quint8>;

void put16(quint8 *p, quint32 v) {
    p[0] = quint8(v);
    p[1] = quint8(v >> 8);
}
void put32(quint8 *p, quint32 v) {
    for (int i = 0; i < 4; ++i) p[i] = quint8(v >> (8 * i));
}
void append16(Bytes &b, quint32 v) {
    b.push_back(quint8(v));
    b.push_back(quint8(v >> 8));
}
void appendUcs2(Bytes &b, const QString &s) {
    for (QChar c : s) append16(b, c.unicode());
}

quint32 pageRow(int page, int row) { return (quint32(page) << 8) | quint32(row); }

// How one column is laid out, for user tables and the system catalogue alike.
struct Layout {
    QString name;
    quint8 type = kTypeText;
    quint8 flags = kFlagNullable;
    quint16 length = 0;  // bytes
    bool fixed = false;
    int fixedOffset = 0;
    int varIndex = 0;
};

struct EncodedTable {
    QString name;
    bool system = false;
    std::vector<Layout> columns;
    int fixedSize = 0;
    int varCount = 0;
    std::vector<Bytes> rows;
    qint32 lastAutoNumber = 0;

    int tdefPage = 0;
    int tdefPageCount = 1;
    std::vector<std::vector<int>> pages;  // row indexes per data page
    int firstDataPage = 0;
    std::vector<int> bitmapPages;         // type-5 pages of a reference map, per 32736-page range
    int firstBitmapRange = 0;
    int usageIndex = 0;                   // owned map at usage row 2*i, free map at 2*i + 1
};

void assignLayout(EncodedTable &t) {
    int fixedOffset = 0;
    int varIndex = 0;
    for (Layout &c : t.columns) {
        if (c.fixed) {
            c.fixedOffset = fixedOffset;
            fixedOffset += c.length;
        } else {
            c.varIndex = varIndex++;
        }
    }
    t.fixedSize = fixedOffset;
    t.varCount = varIndex;
}

Layout userLayout(const Column &c) {
    Layout l;
    l.name = c.name;
    switch (c.type) {
    case ColumnType::AutoNumber:
        l.type = kTypeLong;
        l.flags = kFlagFixed | kFlagNullable | kFlagAutoLong;
        l.length = 4;
        l.fixed = true;
        break;
    case ColumnType::Long:
        l.type = kTypeLong;
        l.flags = kFlagFixed | kFlagNullable;
        l.length = 4;
        l.fixed = true;
        break;
    case ColumnType::Integer:
        l.type = kTypeInt;
        l.flags = kFlagFixed | kFlagNullable;
        l.length = 2;
        l.fixed = true;
        break;
    case ColumnType::Text:
        l.type = kTypeText;
        l.flags = kFlagNullable;
        l.length = quint16(2 * c.width);
        l.fixed = false;
        break;
    }
    return l;
}

// A value ready for a row: the bytes of a present value, or nothing for NULL.
using Value = std::optional<Bytes>;

Bytes encodeRow(const EncodedTable &t, const std::vector<Value> &values) {
    const int columnCount = int(t.columns.size());
    Bytes row;
    append16(row, quint32(columnCount));
    const size_t fixedStart = row.size();
    row.resize(fixedStart + size_t(t.fixedSize), 0);
    std::vector<int> varOffsets(size_t(t.varCount), 0);
    for (int i = 0; i < columnCount; ++i) {
        const Layout &c = t.columns[size_t(i)];
        if (c.fixed && values[size_t(i)])
            std::memcpy(row.data() + fixedStart + c.fixedOffset, values[size_t(i)]->data(), c.length);
    }
    if (t.varCount > 0) {
        for (int i = 0; i < columnCount; ++i) {
            const Layout &c = t.columns[size_t(i)];
            if (c.fixed) continue;
            varOffsets[size_t(c.varIndex)] = int(row.size());
            if (values[size_t(i)]) row.insert(row.end(), values[size_t(i)]->begin(), values[size_t(i)]->end());
        }
        append16(row, quint32(row.size()));  // end of the variable data
        for (int k = t.varCount - 1; k >= 0; --k) append16(row, quint32(varOffsets[size_t(k)]));
        append16(row, quint32(t.varCount));
    }
    const size_t maskStart = row.size();
    row.resize(maskStart + size_t((columnCount + 7) / 8), 0);
    for (int i = 0; i < columnCount; ++i)
        if (values[size_t(i)]) row[maskStart + size_t(i / 8)] |= quint8(1u << (i % 8));
    return row;
}

std::optional<qint64> parseWhole(const QString &text) {
    if (text.isEmpty() || text.size() > 12) return std::nullopt;
    int i = 0;
    const bool negative = text[0] == QLatin1Char('-');
    if (negative) i = 1;
    if (i == text.size()) return std::nullopt;
    qint64 v = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        v = v * 10 + (c - u'0');
    }
    return negative ? -v : v;
}

bool validName(const QString &name) {
    if (name.isEmpty() || name.size() > kMaxNameLength || name.front().isSpace()) return false;
    for (QChar c : name)
        if (c.unicode() < 0x20 || c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('`') ||
            c == QLatin1Char('[') || c == QLatin1Char(']'))
            return false;
    return true;
}

std::optional<WriteError> checkSchema(const std::vector<Table> &tables) {
    QSet<QString> tableNames;
    for (int ti = 0; ti < int(tables.size()); ++ti) {
        const Table &t = tables[size_t(ti)];
        auto fail = [&](int column, const QString &message) { return WriteError{ti, -1, column, message}; };
        if (!validName(t.name))
            return fail(-1, QStringLiteral("a table name must have 1 to %1 characters, no control characters "
                                           "and none of . ! ` [ ]").arg(kMaxNameLength));
        if (t.name.compare(QStringLiteral("MSysObjects"), Qt::CaseInsensitive) == 0)
            return fail(-1, QStringLiteral("the name MSysObjects belongs to the system catalogue"));
        if (tableNames.contains(t.name.toCaseFolded()))
            return fail(-1, QStringLiteral("two tables have this name (names ignore letter case)"));
        tableNames.insert(t.name.toCaseFolded());
        if (t.columns.empty() || int(t.columns.size()) > kMaxColumns)
            return fail(-1, QStringLiteral("a table has 1 to %1 columns").arg(kMaxColumns));
        QSet<QString> columnNames;
        int autoNumbers = 0;
        for (int ci = 0; ci < int(t.columns.size()); ++ci) {
            const Column &c = t.columns[size_t(ci)];
            if (!validName(c.name))
                return fail(ci, QStringLiteral("a column name must have 1 to %1 characters, no control characters "
                                               "and none of . ! ` [ ]").arg(kMaxNameLength));
            if (columnNames.contains(c.name.toCaseFolded()))
                return fail(ci, QStringLiteral("two columns have this name (names ignore letter case)"));
            columnNames.insert(c.name.toCaseFolded());
            if (c.type == ColumnType::Text && (c.width < 1 || c.width > kMaxTextWidth))
                return fail(ci, QStringLiteral("a TEXT width must be 1 to %1, not %2").arg(kMaxTextWidth).arg(c.width));
            if (c.type == ColumnType::AutoNumber && ++autoNumbers > 1)
                return fail(ci, QStringLiteral("a table has at most one AUTONUMBER column"));
        }
    }
    return std::nullopt;
}

std::optional<WriteError> encodeUserTable(const Table &t, int tableIndex, EncodedTable &out) {
    out.name = t.name;
    for (const Column &c : t.columns) out.columns.push_back(userLayout(c));
    assignLayout(out);
    const size_t columnCount = t.columns.size();
    std::vector<Value> values(columnCount);
    qint64 lastAuto = 0;
    out.rows.reserve(t.rows.size());
    for (int ri = 0; ri < int(t.rows.size()); ++ri) {
        const Row &row = t.rows[size_t(ri)];
        auto fail = [&](int column, const QString &message) {
            return std::optional<WriteError>(WriteError{tableIndex, ri, column, message});
        };
        if (row.size() != columnCount)
            return fail(-1, QStringLiteral("the row has %1 cells but the table has %2 columns")
                                .arg(row.size())
                                .arg(columnCount));
        for (size_t ci = 0; ci < columnCount; ++ci) {
            const Column &c = t.columns[ci];
            const Cell &cell = row[ci];
            values[ci].reset();
            if (!cell) continue;
            if (c.type == ColumnType::Text) {
                if (cell->size() > c.width)
                    return fail(int(ci), QStringLiteral("the text has %1 characters, more than the width %2")
                                             .arg(cell->size())
                                             .arg(c.width));
                // Readers take a value that begins with FF FE for compressed text.
                if (cell->startsWith(QChar(0xFEFF)))
                    return fail(int(ci), QStringLiteral("the text begins with U+FEFF, which readers mistake "
                                                        "for the mark of compressed text"));
                Bytes b;
                b.reserve(size_t(cell->size()) * 2);
                appendUcs2(b, *cell);
                values[ci] = std::move(b);
                continue;
            }
            qint64 number = 0;
            if (c.type == ColumnType::AutoNumber && cell->isEmpty()) {
                number = lastAuto + 1;
            } else {
                const auto parsed = parseWhole(*cell);
                if (!parsed) return fail(int(ci), QStringLiteral("«%1» is not a whole number").arg(*cell));
                number = *parsed;
            }
            const bool isShort = c.type == ColumnType::Integer;
            const qint64 lo = isShort ? -32768 : -2147483648LL;
            const qint64 hi = isShort ? 32767 : 2147483647LL;
            if (number < lo || number > hi)
                return fail(int(ci), QStringLiteral("%1 is outside the range %2..%3 of %4")
                                         .arg(number)
                                         .arg(lo)
                                         .arg(hi)
                                         .arg(isShort ? QStringLiteral("INTEGER") : QStringLiteral("LONG")));
            if (c.type == ColumnType::AutoNumber) lastAuto = std::max(lastAuto, number);
            Bytes b(isShort ? 2 : 4);
            if (isShort) put16(b.data(), quint32(number));
            else put32(b.data(), quint32(number));
            values[ci] = std::move(b);
        }
        Bytes encoded = encodeRow(out, values);
        if (int(encoded.size()) > kMaxRowBytes)
            return fail(-1, QStringLiteral("the row takes %1 bytes, more than the %2 a page can hold")
                                .arg(encoded.size())
                                .arg(kMaxRowBytes));
        out.rows.push_back(std::move(encoded));
    }
    out.lastAutoNumber = qint32(lastAuto);
    return std::nullopt;
}

// The system catalogue with the columns Access gives it; readers bind Id, Name, Type,
// Flags and LvProp by name.
EncodedTable catalogueTable() {
    struct Def {
        const char *name;
        quint8 type;
        quint16 length;
    };
    static const Def defs[] = {
        {"Id", kTypeLong, 4},          {"ParentId", kTypeLong, 4},    {"Name", kTypeText, 510},
        {"Type", kTypeInt, 2},         {"DateCreate", kTypeDateTime, 8}, {"DateUpdate", kTypeDateTime, 8},
        {"Owner", kTypeBinary, 510},   {"Flags", kTypeLong, 4},       {"Database", kTypeMemo, 0},
        {"Connect", kTypeMemo, 0},     {"ForeignName", kTypeText, 510}, {"RmtInfoShort", kTypeBinary, 510},
        {"RmtInfoLong", kTypeOle, 0},  {"Lv", kTypeOle, 0},           {"LvProp", kTypeOle, 0},
        {"LvModule", kTypeOle, 0},     {"LvExtra", kTypeOle, 0},
    };
    EncodedTable t;
    t.name = QStringLiteral("MSysObjects");
    t.system = true;
    for (const Def &d : defs) {
        Layout l;
        l.name = QString::fromLatin1(d.name);
        l.type = d.type;
        l.length = d.length;
        l.fixed = d.type == kTypeLong || d.type == kTypeInt || d.type == kTypeDateTime;
        l.flags = l.fixed ? (kFlagFixed | kFlagNullable) : kFlagNullable;
        t.columns.push_back(l);
    }
    assignLayout(t);
    return t;
}

void catalogueRow(EncodedTable &catalogue, const EncodedTable &user, const std::optional<Bytes> &properties) {
    std::vector<Value> values(catalogue.columns.size());
    auto long32 = [](quint32 v) {
        Bytes b(4);
        put32(b.data(), v);
        return b;
    };
    values[0] = long32(quint32(user.tdefPage));  // Id: the table's definition page
    values[1] = long32(0x0F000001);              // ParentId: the "Tables" container
    Bytes name;
    appendUcs2(name, user.name);
    values[2] = name;
    Bytes type(2);
    put16(type.data(), 1);  // a local table
    values[3] = type;
    values[7] = long32(0);  // Flags: not a system table
    values[14] = properties;  // LvProp
    catalogue.rows.push_back(encodeRow(catalogue, values));
}

// Splits rows into pages: row pointers keep the row index in a byte, and each row also
// costs a 2-byte offset entry.
std::vector<std::vector<int>> packRows(const std::vector<Bytes> &rows) {
    std::vector<std::vector<int>> pages;
    int used = 0;
    for (int i = 0; i < int(rows.size()); ++i) {
        const int need = int(rows[size_t(i)].size()) + 2;
        if (pages.empty() || int(pages.back().size()) == kMaxRowsPerPage ||
            kDataHeaderSize + used + need > kPageSize) {
            pages.emplace_back();
            used = 0;
        }
        pages.back().push_back(i);
        used += need;
    }
    return pages;
}

// Rows are packed from the page end downwards without gaps: readers derive each row's
// length from its neighbour's offset.
void writeDataPage(quint8 *page, quint32 owner, const std::vector<const Bytes *> &rows) {
    page[0] = kPageData;
    page[1] = 0x01;
    put32(page + 4, owner);
    put16(page + 12, quint32(rows.size()));
    int end = kPageSize;
    int used = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int start = end - int(rows[i]->size());
        std::memcpy(page + start, rows[i]->data(), rows[i]->size());
        put16(page + kDataHeaderSize + 2 * i, quint32(start));
        used += int(rows[i]->size()) + 2;
        end = start;
    }
    put16(page + 2, quint32(kPageSize - kDataHeaderSize - used));
}

Bytes tdefBytes(const EncodedTable &t, quint32 ownedMap, quint32 freeMap) {
    Bytes d(kTdefHeaderSize, 0);
    d[0] = kPageTdef;
    d[1] = 0x01;
    put32(&d[12], kJetMagic);
    put32(&d[16], quint32(t.rows.size()));
    put32(&d[20], quint32(t.lastAutoNumber));
    d[24] = 0x01;
    d[40] = t.system ? 0x53 : 0x4E;
    const quint32 columnCount = quint32(t.columns.size());
    put16(&d[41], columnCount);
    put16(&d[43], quint32(t.varCount));
    put16(&d[45], columnCount);
    put32(&d[55], ownedMap);
    put32(&d[59], freeMap);
    for (size_t i = 0; i < t.columns.size(); ++i) {
        const Layout &c = t.columns[i];
        quint8 e[kColumnDescriptorSize] = {};
        e[0] = c.type;
        put32(e + 1, kJetMagic);
        put16(e + 5, quint32(i));
        put16(e + 7, c.fixed ? 0 : quint32(c.varIndex));
        put16(e + 9, quint32(i));
        if (c.type == kTypeText || c.type == kTypeMemo) put16(e + 11, 0x0409);  // General sort order
        e[15] = c.flags;
        e[16] = c.type == kTypeText ? 0x01 : 0x00;
        put16(e + 21, c.fixed ? quint32(c.fixedOffset) : 0);
        put16(e + 23, c.length);
        d.insert(d.end(), e, e + kColumnDescriptorSize);
    }
    for (const Layout &c : t.columns) {
        append16(d, quint32(c.name.size() * 2));
        appendUcs2(d, c.name);
    }
    append16(d, 0xFFFF);
    put32(&d[8], quint32(d.size()));
    return d;
}

int tdefPagesFor(size_t length) {
    if (length <= size_t(kPageSize)) return 1;
    const size_t rest = length - kPageSize;
    const size_t payload = kPageSize - kTdefContinuationHeader;
    return 1 + int((rest + payload - 1) / payload);
}

// A definition longer than a page continues on further pages, each with an 8-byte header
// whose bytes 4..7 chain to the next.
void writeTdef(quint8 *file, int firstPage, int pageCount, const Bytes &d) {
    size_t pos = 0;
    for (int p = 0; p < pageCount; ++p) {
        quint8 *page = file + size_t(firstPage + p) * kPageSize;
        size_t room;
        if (p == 0) {
            room = std::min(d.size(), size_t(kPageSize));
            std::memcpy(page, d.data(), room);
        } else {
            page[0] = kPageTdef;
            page[1] = 0x01;
            room = std::min(d.size() - pos, size_t(kPageSize - kTdefContinuationHeader));
            std::memcpy(page + kTdefContinuationHeader, d.data() + pos, room);
        }
        pos += room;
        const int headerBytes = p == 0 ? 0 : kTdefContinuationHeader;
        put16(page + 2, quint32(kPageSize - headerBytes - int(room)));
        put32(page + 4, p + 1 < pageCount ? quint32(firstPage + p + 1) : 0);
    }
}

void writeHeader(quint8 *page) {
    page[0] = 0x00;
    page[1] = 0x01;
    std::memcpy(page + 4, "Standard Jet DB", 16);
    page[0x14] = 0x01;  // Jet 4
    put16(page + 0x3C, 1252);  // code page; Jet 4 text is UCS-2 whatever it says
    put32(page + 0x3E, 0);     // database key 0: pages are not encrypted
    put16(page + 0x6E, 0x0409);  // General sort order
    // creation date 0.0 and an empty password area leave the bytes zero
    static const quint8 key[4] = {0xC7, 0xDA, 0x39, 0x6B};
    veldora::jetRc4Xor(key, 4, page + 0x18, 128);
}


constexpr quint32 kLongValuePageOwner = 0x4C41564C;  // "LVAL" where a data page names its table
constexpr int kLongValueHeaderSize = 12;
constexpr quint32 kInlineLongValue = 0x80000000;
constexpr quint32 kOneRowLongValue = 0x40000000;

// The property blobs laid out: the LvProp value (header, and the bytes when inline) of
// each table's catalogue row, and the rows of the long-value pages the headers point to.
struct LongValues {
    std::vector<std::optional<Bytes>> headers;  // by table index
    std::vector<Bytes> rows;
    std::vector<std::vector<int>> pages;
    std::vector<quint32> rowPointers;
    int firstPage = 0;
};

std::optional<WriteError> layOutLongValues(const std::vector<TableProperties> &properties, int tableCount,
                                           LongValues &out) {
    out.headers.assign(size_t(tableCount), std::nullopt);
    struct Link {
        int table;
        int firstRow;
        int rowCount;
        bool chain;
    };
    std::vector<Link> links;
    for (const TableProperties &p : properties) {
        if (p.table < 0 || p.table >= tableCount || out.headers[size_t(p.table)])
            return WriteError{p.table, -1, -1, QStringLiteral("properties given twice or for no table")};
        const quint32 size = quint32(p.bytes.size());
        Bytes header(kLongValueHeaderSize, 0);
        const auto *b = reinterpret_cast<const quint8 *>(p.bytes.constData());
        switch (p.form) {
        case LongValueForm::Inline:
            put32(header.data(), kInlineLongValue | size);
            header.insert(header.end(), b, b + size);
            break;
        case LongValueForm::OneRow:
            if (p.bytes.size() > kMaxRowBytes)
                return WriteError{p.table, -1, -1, QStringLiteral("properties of %1 bytes do not fit one row").arg(size)};
            put32(header.data(), kOneRowLongValue | size);
            links.push_back({p.table, int(out.rows.size()), 1, false});
            out.rows.emplace_back(b, b + size);
            break;
        case LongValueForm::Chain: {
            const int first = int(out.rows.size());
            qsizetype at = 0;
            do {
                const qsizetype piece = std::min<qsizetype>(kChainPieceBytes, p.bytes.size() - at);
                Bytes row(4, 0);  // the pointer to the next row, filled in once rows are placed
                row.insert(row.end(), b + at, b + at + piece);
                out.rows.push_back(std::move(row));
                at += piece;
            } while (at < p.bytes.size());
            put32(header.data(), size);
            links.push_back({p.table, first, int(out.rows.size()) - first, true});
            break;
        }
        }
        out.headers[size_t(p.table)] = std::move(header);
    }
    out.pages = packRows(out.rows);
    out.rowPointers.resize(out.rows.size());
    for (size_t p = 0; p < out.pages.size(); ++p)
        for (size_t i = 0; i < out.pages[p].size(); ++i)
            out.rowPointers[size_t(out.pages[p][i])] = quint32(p) << 8 | quint32(i);  // page relative until placed
    for (const Link &l : links) {
        put32(out.headers[size_t(l.table)]->data() + 4, quint32(l.firstRow));  // row index until placed
        if (l.chain)
            for (int r = l.firstRow; r + 1 < l.firstRow + l.rowCount; ++r) put32(out.rows[size_t(r)].data(), quint32(r + 1));
    }
    return std::nullopt;
}

// Turns the row indexes left in headers and chains into row pointers once the first
// long-value page is known.
void placeLongValues(LongValues &lv, int firstPage, const std::vector<TableProperties> &properties) {
    lv.firstPage = firstPage;
    auto pointer = [&](quint32 row) { return lv.rowPointers[row] + (quint32(firstPage) << 8); };
    for (const TableProperties &p : properties) {
        if (p.form == LongValueForm::Inline) continue;
        quint8 *h = lv.headers[size_t(p.table)]->data() + 4;
        const quint32 first = quint32(h[0] | h[1] << 8 | h[2] << 16 | h[3] << 24);
        put32(h, pointer(first));
        if (p.form != LongValueForm::Chain) continue;
        for (quint32 r = first;; ++r) {
            quint8 *n = lv.rows[r].data();
            const quint32 next = quint32(n[0] | n[1] << 8 | n[2] << 16 | n[3] << 24);
            if (next == 0) break;
            put32(n, pointer(next));
        }
    }
}

}  // namespace

QString WriteError::describe(const std::vector<Table> &tables) const {
    QStringList where;
    const Table *t = table >= 0 && table < int(tables.size()) ? &tables[size_t(table)] : nullptr;
    if (t) where << QStringLiteral("table «%1»").arg(t->name);
    if (row >= 0) where << QStringLiteral("row %1").arg(row + 1);
    if (t && column >= 0 && column < int(t->columns.size()))
        where << QStringLiteral("column «%1»").arg(t->columns[size_t(column)].name);
    return where.isEmpty() ? message : where.join(QStringLiteral(", ")) + QStringLiteral(": ") + message;
}

BuildResult buildDatabase(const std::vector<Table> &tables, const std::vector<TableProperties> &properties) {
    if (auto e = checkSchema(tables)) return {{}, e};
    LongValues longValues;
    if (auto e = layOutLongValues(properties, int(tables.size()), longValues)) return {{}, e};
    std::vector<EncodedTable> all;
    all.reserve(tables.size() + 1);
    all.push_back(catalogueTable());
    for (int i = 0; i < int(tables.size()); ++i) {
        all.emplace_back();
        if (auto e = encodeUserTable(tables[size_t(i)], i, all.back())) return {{}, e};
    }
    for (size_t i = 0; i < all.size(); ++i) all[i].usageIndex = int(i);

    // Pages: 0 header, 1 global usage map, 2 catalogue definition (readers expect it
    // there), then the usage-map pages, each user table's definition, data and bitmap
    // pages, the long-value pages of the properties, and last the catalogue's data pages,
    // whose rows name the definition pages.
    const int usagePages = int((2 * all.size() + kUsageRowsPerPage - 1) / kUsageRowsPerPage);
    const int firstUsagePage = 3;
    int next = firstUsagePage + usagePages;
    all[0].tdefPage = 2;
    std::vector<Bytes> tdefs(all.size());
    auto placeData = [&](EncodedTable &t) {
        t.pages = packRows(t.rows);
        t.firstDataPage = next;
        next += int(t.pages.size());
        if (int(t.pages.size()) > kInlineMapPages) {
            const int lastPage = t.firstDataPage + int(t.pages.size()) - 1;
            t.firstBitmapRange = t.firstDataPage / kMapPageBits;
            for (int r = t.firstBitmapRange; r <= lastPage / kMapPageBits; ++r) t.bitmapPages.push_back(next++);
        }
    };
    for (size_t i = 1; i < all.size(); ++i) {
        EncodedTable &t = all[i];
        t.tdefPage = next;
        // The definition's length does not depend on the map pointers.
        t.tdefPageCount = tdefPagesFor(tdefBytes(t, 0, 0).size());
        next += t.tdefPageCount;
        placeData(t);
    }
    placeLongValues(longValues, next, properties);
    next += int(longValues.pages.size());
    for (size_t i = 1; i < all.size(); ++i) {
        catalogueRow(all[0], all[i], longValues.headers[i - 1]);
        if (all[0].rows.back().size() > size_t(kMaxRowBytes))
            return {{}, WriteError{int(i) - 1, -1, -1, QStringLiteral("the properties do not fit inline in the catalogue row")}};
    }
    placeData(all[0]);
    for (const EncodedTable &t : all)
        if (int(t.bitmapPages.size()) + t.firstBitmapRange > kMaxMapPageRefs)
            return {{}, WriteError{-1, -1, -1, QStringLiteral("the file would exceed the size Jet can map")}};
    const int pageCount = next;

    QByteArray out(qsizetype(pageCount) * kPageSize, '\0');
    quint8 *file = reinterpret_cast<quint8 *>(out.data());
    auto pagePtr = [&](int p) { return file + size_t(p) * kPageSize; };
    writeHeader(pagePtr(0));

    // Page 1 as Access shapes it: a map whose bits mark the pages past the end of the file.
    {
        Bytes freePages(kUsageRowSize, 0), none(kUsageRowSize, 0);
        for (int p = pageCount; p < kInlineMapPages; ++p) freePages[5 + size_t(p / 8)] |= quint8(1u << (p % 8));
        writeDataPage(pagePtr(1), 1, {&freePages, &none});
    }

    std::vector<Bytes> usageRows(2 * all.size());
    for (EncodedTable &t : all) {
        Bytes owned(kUsageRowSize, 0), freeSpace(kUsageRowSize, 0);
        const int start = t.pages.empty() ? 0 : t.firstDataPage;
        put32(&freeSpace[1], quint32(start));
        if (t.bitmapPages.empty()) {
            put32(&owned[1], quint32(start));
            for (size_t p = 0; p < t.pages.size(); ++p) owned[5 + p / 8] |= quint8(1u << (p % 8));
        } else {
            // Too many pages for an inline map: the row lists bitmap pages, the k-th of
            // which covers pages k*32736 onwards.
            owned[0] = 0x01;
            for (size_t k = 0; k < t.bitmapPages.size(); ++k) {
                const int range = t.firstBitmapRange + int(k);
                put32(&owned[1 + 4 * size_t(range)], quint32(t.bitmapPages[k]));
                quint8 *bitmap = pagePtr(t.bitmapPages[k]);
                bitmap[0] = kPageUsageBitmap;
                bitmap[1] = 0x01;
                for (size_t p = 0; p < t.pages.size(); ++p) {
                    const int page = t.firstDataPage + int(p);
                    if (page / kMapPageBits != range) continue;
                    const int bit = page % kMapPageBits;
                    bitmap[4 + bit / 8] |= quint8(1u << (bit % 8));
                }
            }
        }
        usageRows[size_t(2 * t.usageIndex)] = std::move(owned);
        usageRows[size_t(2 * t.usageIndex + 1)] = std::move(freeSpace);
    }
    for (int p = 0; p < usagePages; ++p) {
        std::vector<const Bytes *> rows;
        for (int r = p * kUsageRowsPerPage; r < std::min(int(usageRows.size()), (p + 1) * kUsageRowsPerPage); ++r)
            rows.push_back(&usageRows[size_t(r)]);
        writeDataPage(pagePtr(firstUsagePage + p), 0, rows);
    }

    for (EncodedTable &t : all) {
        const int usageRow = 2 * t.usageIndex;
        const int usagePage = firstUsagePage + usageRow / kUsageRowsPerPage;
        const Bytes d = tdefBytes(t, pageRow(usagePage, usageRow % kUsageRowsPerPage),
                                  pageRow(usagePage, usageRow % kUsageRowsPerPage + 1));
        writeTdef(file, t.tdefPage, t.tdefPageCount, d);
        for (size_t p = 0; p < t.pages.size(); ++p) {
            std::vector<const Bytes *> rows;
            for (int r : t.pages[p]) rows.push_back(&t.rows[size_t(r)]);
            writeDataPage(pagePtr(t.firstDataPage + int(p)), quint32(t.tdefPage), rows);
        }
    }
    for (size_t p = 0; p < longValues.pages.size(); ++p) {
        std::vector<const Bytes *> rows;
        for (int r : longValues.pages[p]) rows.push_back(&longValues.rows[size_t(r)]);
        writeDataPage(pagePtr(longValues.firstPage + int(p)), kLongValuePageOwner, rows);
    }
    return {out, std::nullopt};
}

QString writeDatabase(const QString &path, const std::vector<Table> &tables,
                      const std::vector<TableProperties> &properties) {
    const BuildResult built = buildDatabase(tables, properties);
    if (built.error) return built.error->describe(tables);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot create %1: %2").arg(path, file.errorString());
    if (file.write(built.bytes) != built.bytes.size() || !file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

}  // namespace jet
