#include "ItemList.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <array>

namespace picturegen {

namespace {

struct ElementColumn {
    const char *field;
    const char *requirement;
    const char *element;
};

// Magic schools that give an item its colour, by bonus and by requirement.
constexpr std::array<ElementColumn, 9> kElementColumns = {{
    {"Магия Огонь", "Треб Магия Огонь", "fire"},
    {"Магия Вода", "Треб Магия Вода", "water"},
    {"Магия Воздух", "Треб Магия Воздух", "air"},
    {"Магия Земля", "Треб Магия Земля", "earth"},
    {"Магия Общая", "Треб Магия Общая", "general"},
    {"Магия Хаос", "Треб Магия Хаос", "chaos"},
    {"Магия Тьма", "Треб Магия Тьма", "dark"},
    {"Магия Свет", "Треб Магия Свет", "light"},
    {"Магия Ментал", "Треб Магия Ментал", "mental"},
}};

bool isYesCell(const QString &c) {
    return c == QStringLiteral("Да") || c == QStringLiteral("ДА") || c == QStringLiteral("да");
}

QString lineError(int line, const QString &what) {
    return QStringLiteral("Строка %1: %2").arg(line).arg(what);
}

}  // namespace

QString unescapeCell(const QString &cell) {
    if (!cell.contains(QLatin1Char('\\'))) return cell;
    QString out;
    out.reserve(cell.size());
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QChar c = cell[i];
        if (c != QLatin1Char('\\') || i + 1 == cell.size()) {
            out += c;
            continue;
        }
        const QChar n = cell[++i];
        if (n == QLatin1Char('t')) out += QLatin1Char('\t');
        else if (n == QLatin1Char('n')) out += QLatin1Char('\n');
        else if (n == QLatin1Char('r')) out += QLatin1Char('\r');
        else if (n == QLatin1Char('\\')) out += QLatin1Char('\\');
        else {
            out += c;
            out += n;
        }
    }
    return out;
}

bool isPlainFileName(const QString &name) {
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1Char(':')) && !name.contains(QChar(0));
}

QStringList readNameList(const QString &path, QString *error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("Нет файла %1").arg(path);
        return {};
    }
    QStringList names;
    for (const QString &raw : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        names << line;
    }
    return names;
}

ItemListResult readItemList(const QString &tsvPath) {
    ItemListResult result;
    QFile f(tsvPath);
    if (!f.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Нет файла %1").arg(tsvPath);
        return result;
    }
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (lines.isEmpty()) {
        result.error = QStringLiteral("Файл %1 пуст").arg(tsvPath);
        return result;
    }

    QHash<QString, int> column;
    const QStringList header = lines.first().split(QLatin1Char('\t'));
    for (int i = 0; i < header.size(); ++i) {
        const qsizetype colon = header[i].lastIndexOf(QLatin1Char(':'));
        column.insert(colon < 0 ? header[i] : header[i].left(colon), i);
    }
    const auto need = [&](const char *field) -> int {
        return column.value(QString::fromUtf8(field), -1);
    };
    const int cType = need("Тип"), cName = need("Название"), cSet = need("Комплект"),
              cFile = need("File"), cLevel = need("Треб Уровень"), cArt = need("Арт"),
              cTwo = need("Двуручное");
    for (const auto &[c, field] : {std::pair{cType, "Тип"}, {cName, "Название"}, {cSet, "Комплект"},
                                   {cFile, "File"}, {cLevel, "Треб Уровень"}, {cArt, "Арт"},
                                   {cTwo, "Двуручное"}}) {
        if (c < 0) {
            result.error = QStringLiteral("В заголовке нет поля %1").arg(QString::fromUtf8(field));
            return result;
        }
    }

    // Items are handed over only when the whole file has been read: no half list.
    QVector<PictureItem> items;
    QSet<QString> seenFiles;
    for (int l = 1; l < lines.size(); ++l) {
        const int lineNo = l + 1;
        QStringList cells = lines[l].split(QLatin1Char('\t'));
        if (cells.size() != header.size()) {
            result.error = lineError(lineNo, QStringLiteral("%1 ячеек вместо %2").arg(cells.size()).arg(header.size()));
            return result;
        }
        for (QString &c : cells) c = unescapeCell(c);

        PictureItem item;
        item.type = cells[cType];
        item.name = cells[cName];
        item.set = cells[cSet];
        item.file = cells[cFile];
        bool ok = false;
        item.level = cells[cLevel].toInt(&ok);
        if (!ok) {
            result.error = lineError(lineNo, QStringLiteral("уровень «%1» не число").arg(cells[cLevel]));
            return result;
        }
        item.artefact = isYesCell(cells[cArt]);
        item.twoHanded = isYesCell(cells[cTwo]);
        if (!isPlainFileName(item.file)) {
            result.error = lineError(lineNo, QStringLiteral("имя картинки «%1» не простое имя файла").arg(item.file));
            return result;
        }
        if (seenFiles.contains(item.file)) {
            result.error = lineError(lineNo, QStringLiteral("картинка «%1» уже названа выше").arg(item.file));
            return result;
        }
        seenFiles.insert(item.file);

        // The school the item gives most; failing that, the one it requires most.
        for (const bool requirement : {false, true}) {
            int strongest = 0;
            for (const ElementColumn &e : kElementColumns) {
                const int c = need(requirement ? e.requirement : e.field);
                const int v = c < 0 ? 0 : cells[c].toInt();
                if (v > strongest) {
                    strongest = v;
                    item.element = QString::fromLatin1(e.element);
                }
            }
            if (strongest > 0) break;
        }
        items.push_back(item);
    }
    result.items = items;
    return result;
}

}  // namespace picturegen
