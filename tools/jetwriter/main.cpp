// jetwrite: builds a Jet 4 (.mdb) file from tables given as .tsv text files.

#include "JetWriter.h"
#include "TsvTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

const char kUsage[] = R"(usage: jetwrite OUTPUT.mdb INPUT.tsv [INPUT.tsv ...]

Writes a Jet 4 (Access 2000-2003) database with one table per input file. The table's
name is the file name without ".tsv". Each file is UTF-8 without BOM, with LF line ends.

  line 1        tab-separated headers Name:TYPE, TYPE one of AUTONUMBER, LONG,
                INTEGER, TEXT(n) with 1 <= n <= 255 (the name ends at the last colon)
  other lines   one record each, as many tab-separated cells as headers, stored in
                file order

Cells: \t tab, \n line feed, \r carriage return, \\ backslash. A cell that is exactly
\N is NULL. An empty cell is the empty string in a TEXT column (stored as a present
value of length 0, not as NULL; mdb-export shows both alike, Jet does not), and the
next number (1, 2, 3, ...) in an AUTONUMBER column. Numbers are plain decimal. Text
may not begin with U+FEFF.

On any error nothing is written and the exit status is 1.
)";

void printError(const QString &text) {
    std::fputs(qPrintable(QStringLiteral("jetwrite: ") + text + QLatin1Char('\n')), stderr);
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2 || args.front() == QLatin1String("--help")) {
        std::fputs(kUsage, args.size() == 1 && args.front() == QLatin1String("--help") ? stdout : stderr);
        return args.size() == 1 && args.front() == QLatin1String("--help") ? 0 : 1;
    }
    const QString output = args.front();
    std::vector<jet::Table> tables;
    QStringList sources;
    for (const QString &path : args.mid(1)) {
        auto parsed = jet::readTsvTable(path);
        if (auto *e = std::get_if<jet::TsvError>(&parsed)) {
            printError(e->describe());
            return 1;
        }
        tables.push_back(std::move(std::get<jet::Table>(parsed)));
        sources << path;
    }
    const jet::BuildResult built = jet::buildDatabase(tables);
    if (built.error) {
        const jet::WriteError &e = *built.error;
        if (e.table >= 0) {
            const jet::Table &t = tables[size_t(e.table)];
            const QString column = e.column >= 0 ? t.columns[size_t(e.column)].name : QString();
            printError(jet::TsvError{sources[e.table], e.row >= 0 ? jet::tsvLineOfRow(e.row) : 1, column, e.message}
                           .describe() +
                       QStringLiteral(" (table «%1»%2)")
                           .arg(t.name, e.row >= 0 ? QStringLiteral(", row %1").arg(e.row + 1) : QString()));
        } else {
            printError(e.message);
        }
        return 1;
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(built.bytes) != built.bytes.size() || !file.commit()) {
        printError(QStringLiteral("cannot write %1: %2").arg(output, file.errorString()));
        return 1;
    }
    return 0;
}
