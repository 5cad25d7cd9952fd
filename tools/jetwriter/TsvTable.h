#pragma once

// Reading a table from its text source: one UTF-8 file per table, named after the table
// (`Предметы.tsv`). Line 1 holds the tab-separated headers `Name:TYPE` (TYPE one of
// AUTONUMBER, LONG, INTEGER, TEXT(n)); every further line is one record, stored in file
// order. Cells know the escapes \t \n \r \\ ; a cell that is exactly \N is NULL; an empty
// cell is the empty string (or the next number in an AUTONUMBER column).

#include "JetWriter.h"

#include <QString>
#include <variant>

namespace jet {

struct TsvError {
    QString file;
    int line = 0;    // 1-based; 0 when the message is about the whole file
    QString column;  // empty when not about one column
    QString message;
    QString describe() const;  // "file:line: column «C»: message"
};

// Parses the text of one file; `fileName` gives the table name and the error locations.
std::variant<Table, TsvError> parseTsvTable(const QString &fileName, const QByteArray &content);

// Reads and parses one file.
std::variant<Table, TsvError> readTsvTable(const QString &path);

// The line of the file that holds a table's row index `row` (the headers are line 1).
constexpr int tsvLineOfRow(int row) { return row + 2; }

}  // namespace jet
