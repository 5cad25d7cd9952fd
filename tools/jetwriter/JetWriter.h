#pragma once

// A writer of Jet 4 (Access 2000-2003 .mdb) files: tables of TEXT, INTEGER, LONG and
// AUTONUMBER columns, no indexes. The output is deterministic: the same tables always
// give the same bytes (no dates, no random keys).

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace jet {

enum class ColumnType {
    AutoNumber,  // LONG with the autonumber flag
    Long,        // 32-bit
    Integer,     // 16-bit
    Text,        // 1..255 characters
};

struct Column {
    QString name;
    ColumnType type = ColumnType::Text;
    int width = 0;  // TEXT only: the most characters a value may hold, 1..255
};

// One value, given as text for every type (numbers in decimal); std::nullopt is NULL.
// An empty text is written as a true empty string (present, length 0), never as NULL:
// Jet keeps the two apart through the row's null mask even where a reader cannot.
// In an AUTONUMBER column the empty text means "the next number" (1, 2, 3, ... after the
// largest number so far).
using Cell = std::optional<QString>;
using Row = std::vector<Cell>;

struct Table {
    QString name;
    std::vector<Column> columns;
    std::vector<Row> rows;  // stored in this order
};

struct WriteError {
    int table = -1;   // index of the table concerned, -1 for none
    int row = -1;     // index of the row concerned, -1 for none
    int column = -1;  // index of the column concerned, -1 for none
    QString message;

    // "table «T», row R, column «C»: message" with whatever applies.
    QString describe(const std::vector<Table> &tables) const;
};

struct BuildResult {
    QByteArray bytes;                 // the whole file; empty on error
    std::optional<WriteError> error;  // set when the tables cannot be written
};

// Where a long value lives: inside the catalogue row after its 12-byte header, in one row
// of a long-value page, or in a chain of such rows (each led by the pointer to the next).
enum class LongValueForm { Inline, OneRow, Chain };

// The property blob that Access keeps for a table in the catalogue (MSysObjects.LvProp).
// The bytes are stored as given, not checked, so damaged blobs can be written too.
struct TableProperties {
    int table = 0;  // index into the tables
    QByteArray bytes;
    LongValueForm form = LongValueForm::Inline;
};

// Builds the file in memory. Tables without properties get NULL there.
BuildResult buildDatabase(const std::vector<Table> &tables, const std::vector<TableProperties> &properties = {});

// Builds the file and writes it through a temporary file that is renamed into place, so a
// failure never leaves a partial file behind. Returns an error text, empty on success.
QString writeDatabase(const QString &path, const std::vector<Table> &tables,
                      const std::vector<TableProperties> &properties = {});

// Limits of the format that callers may want to check or show.
constexpr int kMaxColumns = 255;
constexpr int kMaxTextWidth = 255;
constexpr int kMaxNameLength = 64;
constexpr int kMaxRowBytes = 4060;
constexpr int kChainPieceBytes = 1000;  // data bytes per row of a long-value chain

}  // namespace jet
