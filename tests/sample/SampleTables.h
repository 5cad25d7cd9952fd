#pragma once

// Reading the sample folder's tables independently of the program's loader: the
// committed TSV sources, and what mdb-export finds in the staged database.

#include <QString>
#include <QStringList>
#include <QVector>

namespace sampletest {

inline QString sampleFolder() { return QStringLiteral(VELDORA_SAMPLE_FOLDER); }
inline QString sampleSources() { return QStringLiteral(VELDORA_SAMPLE_SOURCES); }

struct Table {
    QStringList header;          // field names, without their types
    QVector<QStringList> rows;   // cells as text, in stored order
    QString error;               // empty when read

    int column(const QString &field) const { return static_cast<int>(header.indexOf(field)); }
};

// A TSV source: header `Name:TYPE`, escaped cells.
Table readTsv(const QString &path);

// One table of an .mdb file through mdb-export, cells unquoted and tab-separated.
Table exportTable(const QString &mdbPath, const QString &table);

// Names listed one a line, '#' comments and blank lines skipped.
QStringList readList(const QString &path);

}  // namespace sampletest
