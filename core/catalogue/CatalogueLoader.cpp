#include "catalogue/CatalogueLoader.h"

#include "catalogue/FileErrorText.h"
#include "catalogue/JetFileCheck.h"
#include "catalogue/ProgramFiles.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <mdbtools.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace veldora {

namespace {

const QString kItemsTable = QStringLiteral("Предметы");
const QString kReportsTable = QStringLiteral("Отчёты");
const QString kIdField = QStringLiteral("ID");
constexpr int kRowOffsetMask = 0x1FFF;
constexpr int kDeletedRow = 0x4000;  // skipped, as libmdb skips it; 0x8000 rows are read in place

QString message(const char *text) { return QString::fromUtf8(text); }

// Every message of the loader, in one place.
namespace msg {
const char *const MissingFile = "Не найден файл базы предметов «%1».";
const char *const Unreadable = "Не удалось прочитать файл базы предметов «%1»: %2.";
const char *const Damaged = "Файл базы предметов «%1» повреждён или не является базой данных Access 2000–2003: %2.";
const char *const NoTable = "В базе предметов «%1» нет таблицы «%2».";
const char *const NoField = "В базе предметов «%1» в таблице «%2» нет поля «%3».";
const char *const BadType = "В базе предметов «%1» поле «%3» таблицы «%2» имеет тип, который программа не читает "
                            "(нужен текст или целое число).";
const char *const NullValue = "В базе предметов «%1» в таблице «%2» у записи с ID %3 не заполнено поле «%4».";
const char *const NullValueNoId = "В базе предметов «%1» в таблице «%2» у записи № %3 (по порядку хранения) "
                                  "не заполнено поле «%4».";
const char *const TooManyItems = "Предметов в категории «%1»: %2, а помещается только %3. Загружены первые %3 "
                                 "по требуемому уровню, остальные (%4) пропущены.";
const char *const TooManySets = "Комплектов в таблице «%1»: %2, а помещается только %3. Загружены первые %3 "
                                "по названию, остальные (%4) пропущены.";
}  // namespace msg

struct LoadError {
    QString text;
};

struct MdbDeleter {
    void operator()(MdbHandle *m) const { mdb_close(m); }
    void operator()(MdbTableDef *t) const { mdb_free_tabledef(t); }
};

bool isIntegerType(int type) { return type == MDB_BYTE || type == MDB_INT || type == MDB_LONGINT; }

// Single characters are the commonest values ("0" above all): share one string for each.
const std::array<QString, 128> &asciiStrings() {
    static const std::array<QString, 128> strings = [] {
        std::array<QString, 128> s;
        for (int c = 0; c < 128; ++c) s[size_t(c)] = QString(QChar(char16_t(c)));
        return s;
    }();
    return strings;
}

QString fieldText(const MdbField &f, int type) {
    const auto *v = static_cast<const unsigned char *>(f.value);
    switch (type) {
    case MDB_TEXT:
        if (f.siz == 2 && v[1] == 0 && v[0] < 128) return asciiStrings()[v[0]];
        return decodeJetText(v, f.siz);
    case MDB_BYTE: return QString::number(v[0]);
    case MDB_INT: return QString::number(qint16(quint16(v[0] | v[1] << 8)));
    default: return QString::number(qint32(quint32(v[0]) | quint32(v[1]) << 8 | quint32(v[2]) << 16 | quint32(v[3]) << 24));
    }
}

// The records that one query delivers, in storage order: `width` texts per record.
struct Records {
    int width = 0;
    std::vector<QString> values;
    int count() const { return width ? int(values.size() / size_t(width)) : 0; }
    const QString &at(int record, int field) const { return values[size_t(record) * size_t(width) + size_t(field)]; }
};

// The order of ORDER BY over the records `subset`: by the key field, stable so that equal
// keys keep storage order. Integer keys compare as numbers, text keys under `collator`.
std::vector<int> queryOrder(const Records &r, std::vector<int> subset, int keyField, bool numeric, bool descending,
                            const QCollator &collator) {
    if (numeric) {
        std::vector<std::pair<qint64, int>> keyed;
        keyed.reserve(subset.size());
        for (int i : subset) keyed.emplace_back(r.at(i, keyField).toLongLong(), i);
        std::stable_sort(keyed.begin(), keyed.end(), [&](const auto &a, const auto &b) {
            return descending ? b.first < a.first : a.first < b.first;
        });
        for (size_t i = 0; i < keyed.size(); ++i) subset[i] = keyed[i].second;
    } else {
        std::vector<std::pair<QCollatorSortKey, int>> keyed;
        keyed.reserve(subset.size());
        for (int i : subset) keyed.emplace_back(collator.sortKey(r.at(i, keyField)), i);
        std::stable_sort(keyed.begin(), keyed.end(), [&](const auto &a, const auto &b) {
            return descending ? b.first.compare(a.first) < 0 : a.first.compare(b.first) < 0;
        });
        for (size_t i = 0; i < keyed.size(); ++i) subset[i] = keyed[i].second;
    }
    return subset;
}

std::vector<int> allRecords(const Records &r) {
    std::vector<int> v(size_t(r.count()));
    for (size_t i = 0; i < v.size(); ++i) v[i] = int(i);
    return v;
}

// Collation of text keys: Russian, letter case ignored, whatever the system locale.
QCollator russianCollator() {
    QCollator c{QLocale(QLocale::Russian, QLocale::Russia)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}

class Database {
public:
    explicit Database(const QString &path) : path_(path) {}

    std::optional<LoadError> open();
    std::optional<LoadError> openTable(const QString &name);
    // The columns of the open table for `fields`, matched without regard to letter case.
    std::optional<LoadError> resolve(const QStringList &fields, std::vector<int> &columns, std::vector<int> &types);
    // Calls visit(fields) for every live record of the open table, in storage order.
    template <typename Visit>
    std::optional<LoadError> scan(Visit visit);

    template <typename... Args>
    LoadError error(const char *text, const Args &...args) const {
        return {message(text).arg(path_, args...)};
    }
    LoadError nullValue(const QString &table, const QString &id, int record, const QString &field) const {
        if (id.isNull()) return error(msg::NullValueNoId, table, QString::number(record + 1), field);
        return error(msg::NullValue, table, id, field);
    }
    const QString &tableName() const { return tableName_; }

private:
    QString path_;
    QByteArray bytes_;
    std::unique_ptr<MdbHandle, MdbDeleter> mdb_;
    std::unique_ptr<MdbTableDef, MdbDeleter> table_;
    QString tableName_;
    QHash<QString, quint32> checkedPages_;  // the only definitions libmdb may read
};

std::optional<LoadError> Database::open() {
    QFile file(path_);
    if (!QFileInfo::exists(path_)) return error(msg::MissingFile);
    if (!file.open(QIODevice::ReadOnly)) return error(msg::Unreadable, fileErrorText(file));
    bytes_ = file.readAll();
    if (file.error() != QFileDevice::NoError) return error(msg::Unreadable, fileErrorText(file));
    const QStringList tables{kItemsTable, QString::fromUtf8(kSetBonusTableName), kReportsTable};
    const JetFileCheck check = checkJetFile(bytes_, tables);
    if (!check.problem.isEmpty()) return error(msg::Damaged, check.problem);
    for (qsizetype i = 0; i < tables.size(); ++i) checkedPages_.insert(tables[i], check.tablePages[size_t(i)]);
    // libmdb reads the very bytes that were checked: the file cannot change in between.
    mdb_.reset(mdb_open_buffer(bytes_.data(), size_t(bytes_.size()), MDB_NOFLAGS));
    if (!mdb_ || !mdb_read_catalog(mdb_.get(), MDB_TABLE))
        return error(msg::Damaged, QStringLiteral("не читается системный каталог"));
    return std::nullopt;
}

std::optional<LoadError> Database::openTable(const QString &name) {
    table_.reset();
    tableName_ = name;
    const quint32 checked = checkedPages_.value(name);
    if (checked == 0) return error(msg::NoTable, name);
    MdbCatalogEntry *found = nullptr;
    for (guint i = 0; i < mdb_->catalog->len && !found; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb_->catalog, i));
        if (entry->object_type == MDB_TABLE &&
            QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
            found = entry;
    }
    // libmdb decodes names its own way; it must name the very table that was checked.
    if (!found || found->table_pg != checked)
        return error(msg::Damaged, QStringLiteral("не найдено описание таблицы «%1»").arg(name));
    table_.reset(mdb_read_table(found));
    if (!table_ || !mdb_read_columns(table_.get()))
        return error(msg::Damaged, QStringLiteral("не читается описание таблицы «%1»").arg(name));
    return std::nullopt;
}

std::optional<LoadError> Database::resolve(const QStringList &fields, std::vector<int> &columns, std::vector<int> &types) {
    GPtrArray *all = table_->columns;
    std::vector<QString> names(all->len);
    for (guint i = 0; i < all->len; ++i)
        names[i] = QString::fromUtf8(static_cast<MdbColumn *>(g_ptr_array_index(all, i))->name);
    columns.clear();
    types.clear();
    for (const QString &field : fields) {
        const auto it = std::find_if(names.begin(), names.end(),
                                     [&](const QString &n) { return n.compare(field, Qt::CaseInsensitive) == 0; });
        if (it == names.end()) return error(msg::NoField, tableName_, field);
        const int index = int(it - names.begin());
        const auto *column = static_cast<MdbColumn *>(g_ptr_array_index(all, guint(index)));
        const bool fixed = column->is_fixed;
        const int type = column->col_type;
        const int size = type == MDB_BYTE ? 1 : type == MDB_INT ? 2 : type == MDB_LONGINT ? 4 : -1;
        if (!(type == MDB_TEXT && !fixed) && !(isIntegerType(type) && fixed && column->col_size == size))
            return error(msg::BadType, tableName_, field);
        columns.push_back(index);
        types.push_back(type);
    }
    return std::nullopt;
}

template <typename Visit>
std::optional<LoadError> Database::scan(Visit visit) {
    MdbTableDef *t = table_.get();
    MdbHandle *mdb = mdb_.get();
    std::array<MdbField, 256> fields;
    mdb_rewind_table(t);
    while (mdb_read_next_dpg(t)) {
        const int rows = mdb_get_int16(mdb->pg_buf, mdb->fmt->row_count_offset);
        for (int r = 0; r < rows; ++r) {
            int start = 0;
            size_t length = 0;
            if (mdb_find_row(mdb, r, &start, &length) != 0)
                return error(msg::Damaged, QStringLiteral("неверная запись в таблице «%1»").arg(tableName_));
            if (start & kDeletedRow) continue;
            if (mdb_crack_row(t, start & kRowOffsetMask, length, fields.data()) < 0)
                return error(msg::Damaged, QStringLiteral("неверная запись в таблице «%1»").arg(tableName_));
            if (auto e = visit(fields.data())) return e;
        }
    }
    return std::nullopt;
}

// Reads the named fields of every record that `accept` admits into `records`, failing on
// a NULL among them. `accept` sees the fields before they are copied.
template <typename Accept>
std::optional<LoadError> readRecords(Database &db, const QStringList &fields, int idField, Records &records,
                                     std::vector<int> &types, Accept accept) {
    std::vector<int> columns;
    if (auto e = db.resolve(fields, columns, types)) return e;
    records.width = int(fields.size());
    int stored = -1;
    return db.scan([&](const MdbField *f) -> std::optional<LoadError> {
        ++stored;
        if (!accept(f, columns, types)) return std::nullopt;
        for (size_t i = 0; i < columns.size(); ++i) {
            if (!f[columns[i]].is_null) continue;
            const MdbField &id = f[columns[size_t(idField)]];
            return db.nullValue(db.tableName(), id.is_null ? QString() : fieldText(id, types[size_t(idField)]),
                                stored, fields[qsizetype(i)]);
        }
        for (size_t i = 0; i < columns.size(); ++i) records.values.push_back(fieldText(f[columns[i]], types[i]));
        return std::nullopt;
    });
}

std::optional<LoadError> loadItems(Database &db, Catalogue &out, QStringList &warnings, const QCollator &collator) {
    if (auto e = db.openTable(kItemsTable)) return e;
    // ID and Тип, then the item fields in column order.
    QStringList fields{kIdField, QString::fromUtf8(kItemTypeField)};
    for (const ItemColumn &c : kItemColumns) fields << itemFieldName(c);
    constexpr int kFirstItemField = 2;
    std::array<QString, kCategoryCount> typeValues;
    for (int i = 0; i < kCategoryCount; ++i) typeValues[size_t(i)] = QString::fromUtf8(kCategories[size_t(i)].typeValue);

    // One pass over the table files every record under its category.
    std::array<Records, kCategoryCount> byCategory;
    std::vector<int> recordCategory;
    Records all;
    std::vector<int> types;
    // The database compares `Тип` without regard to letter case, under the collation
    // the set names sort by; a catalogue holds few distinct spellings, each looked up once.
    QHash<QString, int> categoryOf;
    const auto categoryOfType = [&](const QString &value) {
        const auto known = categoryOf.constFind(value);
        if (known != categoryOf.constEnd()) return *known;
        const auto it = std::find_if(typeValues.begin(), typeValues.end(),
                                     [&](const QString &t) { return collator.compare(value, t) == 0; });
        const int category = it == typeValues.end() ? -1 : int(it - typeValues.begin());
        categoryOf.insert(value, category);
        return category;
    };
    auto accept = [&](const MdbField *f, const std::vector<int> &columns, const std::vector<int> &t) {
        const MdbField &type = f[columns[1]];
        // A record whose Тип is NULL or none of the thirteen belongs to no category query.
        if (type.is_null) return false;
        const int category = categoryOfType(fieldText(type, t[1]));
        if (category < 0) return false;
        recordCategory.push_back(category);
        return true;
    };
    if (auto e = readRecords(db, fields, 0, all, types, accept)) return e;

    const int levelField = kFirstItemField + int(std::find_if(kItemColumns.begin(), kItemColumns.end(),
                                                              [](const ItemColumn &c) { return c.column == col::ReqLevel; }) -
                                                 kItemColumns.begin());
    const bool numericLevel = isIntegerType(types[size_t(levelField)]);
    std::array<std::vector<int>, kCategoryCount> members;
    for (int r = 0; r < all.count(); ++r) members[size_t(recordCategory[size_t(r)])].push_back(r);

    const QString zero = QStringLiteral("0");
    out.itemCount = all.count();
    for (int ci = 0; ci < kCategoryCount; ++ci) {
        const std::vector<int> order =
            queryOrder(all, std::move(members[size_t(ci)]), levelField, numericLevel, false, collator);
        const int kept = std::min(int(order.size()), CategoryTable::kMaxItemRows);
        if (kept < int(order.size()))
            warnings << message(msg::TooManyItems)
                            .arg(typeValues[size_t(ci)])
                            .arg(order.size())
                            .arg(CategoryTable::kMaxItemRows)
                            .arg(int(order.size()) - kept);
        CategoryTable &table = out.tables[size_t(ci)];
        // From the last row up, so that the table grows once.
        for (int row = kept; row >= 1; --row) {
            const int r = order[size_t(row - 1)];
            for (size_t f = 0; f < kItemColumns.size(); ++f)
                table.setCell(kItemColumns[f].column, row, all.at(r, kFirstItemField + int(f)));
            for (int c : {col::ForgeCount, col::Enchanted, col::EnchantColumn, col::EnchantAmount})
                table.setCell(c, row, zero);
        }
        table.setRowCount(kept + 1);
    }
    return std::nullopt;
}

std::optional<LoadError> loadSets(Database &db, Catalogue &out, QStringList &warnings, const QCollator &collator) {
    const QString tableName = QString::fromUtf8(kSetBonusTableName);
    if (auto e = db.openTable(tableName)) return e;
    QStringList fields{kIdField};
    for (const SetBonusColumn &c : kSetBonusColumns) fields << QString::fromUtf8(c.field);
    Records records;
    std::vector<int> types;
    if (auto e = readRecords(db, fields, 0, records, types, [](auto &&...) { return true; })) return e;
    constexpr int kNameField = 1;  // Комплект
    const std::vector<int> order = queryOrder(records, allRecords(records), kNameField, isIntegerType(types[kNameField]), false, collator);
    const int kept = std::min(int(order.size()), SetBonusTable::kMaxSetRows);
    if (kept < int(order.size()))
        warnings << message(msg::TooManySets)
                        .arg(tableName)
                        .arg(order.size())
                        .arg(SetBonusTable::kMaxSetRows)
                        .arg(int(order.size()) - kept);
    for (int row = kept; row >= 1; --row)
        for (const SetBonusColumn &c : kSetBonusColumns)
            out.sets.setCell(c.column, row, records.at(order[size_t(row - 1)], 1 + c.column));
    out.sets.setRowCount(kept + 1);
    return std::nullopt;
}

std::optional<LoadError> loadReports(Database &db, Catalogue &out, const QCollator &collator) {
    if (auto e = db.openTable(kReportsTable)) return e;
    const QStringList fields{kIdField, QStringLiteral("Дата"), QStringLiteral("Отчёт")};
    Records records;
    std::vector<int> types;
    if (auto e = readRecords(db, fields, 0, records, types, [](auto &&...) { return true; })) return e;
    const std::vector<int> order = queryOrder(records, allRecords(records), 0, isIntegerType(types[0]), true, collator);
    out.reports.reserve(qsizetype(order.size()));
    for (int r : order) out.reports.push_back(Report{records.at(r, 0), records.at(r, 1), records.at(r, 2)});
    return std::nullopt;
}

}  // namespace

QString catalogueDatabasePath(const QString &programFolder) {
    return resolveStoredPath(programFolder, QStringLiteral("base/main.mdb"));
}

CatalogueLoad loadCatalogue(const QString &programFolder) {
    return loadCatalogueFile(catalogueDatabasePath(programFolder));
}

CatalogueLoad loadCatalogueFile(const QString &databasePath) {
    CatalogueLoad result;
    Database db(databasePath);
    Catalogue catalogue;
    QStringList warnings;
    const QCollator collator = russianCollator();
    std::optional<LoadError> e = db.open();
    if (!e) e = loadSets(db, catalogue, warnings, collator);
    if (!e) e = loadItems(db, catalogue, warnings, collator);
    if (!e) e = loadReports(db, catalogue, collator);
    if (e) {
        result.error = e->text;
        return result;
    }
    result.catalogue = std::move(catalogue);
    result.warnings = warnings;
    return result;
}

}  // namespace veldora
