#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace picturegen {

// What the picture of one catalogue item is drawn from.
struct PictureItem {
    QString type;     // the `Тип` value
    QString name;     // `Название`
    QString set;      // `Комплект`
    QString file;     // `File`: a plain file name under img/
    int level = 1;    // `Треб Уровень`
    bool artefact = false;
    bool twoHanded = false;
    QString element;  // strongest magic school of the item ("fire", "water", ...), empty for none
};

struct ItemListResult {
    QVector<PictureItem> items;
    QString error;  // empty on success
};

// Reads the item table source (UTF-8 TSV with `Name:TYPE` headers). Fails, with a
// message naming the line, on a missing column, a ragged line, a non-numeric level,
// a duplicate picture name, or a picture name that is not a plain file name.
ItemListResult readItemList(const QString &tsvPath);

// Undoes the TSV escapes \t \n \r and \\ of one cell.
QString unescapeCell(const QString &cell);

// File names listed one a line; blank lines and lines starting with '#' are skipped.
QStringList readNameList(const QString &path, QString *error);

// A name safe to join to the output folder: no separators, no "..", not empty.
bool isPlainFileName(const QString &name);

}  // namespace picturegen
