#include "TsvTable.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace jet {

QString TsvError::describe() const {
    QString text = file;
    if (line > 0) text += QStringLiteral(":%1").arg(line);
    text += QStringLiteral(": ");
    if (!column.isEmpty()) text += QStringLiteral("column «%1»: ").arg(column);
    return text + message;
}

namespace {

std::optional<Column> parseHeader(const QString &header, QString &problem) {
    const int colon = header.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) {
        problem = QStringLiteral("header «%1» is not Name:TYPE").arg(header);
        return std::nullopt;
    }
    Column c;
    c.name = header.left(colon);
    const QString type = header.mid(colon + 1);
    static const QRegularExpression text(QStringLiteral("^TEXT\\(([0-9]{1,3})\\)$"));
    if (type == QLatin1String("AUTONUMBER")) {
        c.type = ColumnType::AutoNumber;
    } else if (type == QLatin1String("LONG")) {
        c.type = ColumnType::Long;
    } else if (type == QLatin1String("INTEGER")) {
        c.type = ColumnType::Integer;
    } else if (const auto m = text.match(type); m.hasMatch()) {
        c.type = ColumnType::Text;
        c.width = m.captured(1).toInt();
        if (c.width < 1 || c.width > kMaxTextWidth) {
            problem = QStringLiteral("TEXT width %1 is outside 1..%2").arg(c.width).arg(kMaxTextWidth);
            return std::nullopt;
        }
    } else {
        problem = QStringLiteral("unknown type «%1» (AUTONUMBER, LONG, INTEGER or TEXT(n))").arg(type);
        return std::nullopt;
    }
    if (c.name.isEmpty()) {
        problem = QStringLiteral("header «%1» has no column name").arg(header);
        return std::nullopt;
    }
    return c;
}

// Undoes the escapes of one cell; nullopt (with `problem`) for an unknown escape or a raw
// carriage return, which would come from a file with CR LF line ends.
std::optional<QString> unescape(QStringView raw, QString &problem) {
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == QLatin1Char('\r')) {
            problem = QStringLiteral("raw carriage return (lines must end with LF alone; write \\r inside a cell)");
            return std::nullopt;
        }
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        const QChar e = i + 1 < raw.size() ? raw[i + 1] : QChar();
        switch (e.unicode()) {
        case 't': out += QLatin1Char('\t'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case '\\': out += QLatin1Char('\\'); break;
        default:
            problem = e.isNull() ? QStringLiteral("a backslash ends the cell")
                                 : QStringLiteral("unknown escape \\%1 (known: \\t \\n \\r \\\\, and \\N alone for NULL)")
                                       .arg(e);
            return std::nullopt;
        }
        ++i;
    }
    return out;
}

}  // namespace

std::variant<Table, TsvError> parseTsvTable(const QString &fileName, const QByteArray &content) {
    const QString shown = QFileInfo(fileName).fileName();
    auto fail = [&](int line, const QString &column, const QString &message) {
        return TsvError{fileName, line, column, message};
    };
    if (!shown.endsWith(QLatin1String(".tsv")) || shown.size() == 4)
        return fail(0, {}, QStringLiteral("the file name must be the table name followed by .tsv"));
    if (content.startsWith("\xEF\xBB\xBF")) return fail(1, {}, QStringLiteral("the file begins with a BOM"));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(content);
    if (decoder.hasError()) return fail(0, {}, QStringLiteral("the file is not valid UTF-8"));

    Table table;
    table.name = shown.chopped(4);
    QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();  // the final line end
    if (lines.isEmpty() || lines.front().isEmpty()) return fail(1, {}, QStringLiteral("no header line"));

    for (QStringView header : lines.front().split(QLatin1Char('\t'))) {
        QString problem;
        if (header.contains(QLatin1Char('\r')))
            return fail(1, {}, QStringLiteral("raw carriage return (lines must end with LF alone)"));
        const auto column = parseHeader(header.toString(), problem);
        if (!column) return fail(1, {}, problem);
        table.columns.push_back(*column);
    }
    const size_t columnCount = table.columns.size();
    table.rows.reserve(size_t(lines.size() - 1));
    for (qsizetype li = 1; li < lines.size(); ++li) {
        const int line = int(li) + 1;
        const QList<QStringView> cells = lines[li].split(QLatin1Char('\t'));
        if (size_t(cells.size()) != columnCount)
            return fail(line, {}, QStringLiteral("%1 cells for %2 columns").arg(cells.size()).arg(columnCount));
        Row row(columnCount);
        for (size_t ci = 0; ci < columnCount; ++ci) {
            if (cells[qsizetype(ci)] == QLatin1String("\\N")) continue;  // NULL
            QString problem;
            auto value = unescape(cells[qsizetype(ci)], problem);
            if (!value) return fail(line, table.columns[ci].name, problem);
            row[ci] = std::move(*value);
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::variant<Table, TsvError> readTsvTable(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return TsvError{path, 0, {}, file.errorString()};
    return parseTsvTable(path, file.readAll());
}

}  // namespace jet
