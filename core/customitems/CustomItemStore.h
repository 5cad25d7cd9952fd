#pragma once

#include "customitems/CustomItemRecord.h"

#include <QString>
#include <QVector>
#include <variant>

namespace veldora {

// One entry of DataObject/ as the list shows it.
struct CustomItemEntry {
    QString name;
    QString type;
    QString fileName;  // the entry's name on disk
    bool operator==(const CustomItemEntry &) const = default;
};

// Row numbers of the list are one byte, so it shows at most this many.
constexpr int kMaxListedItems = 254;

struct CustomItemListing {
    QVector<CustomItemEntry> entries;  // at most kMaxListedItems, in list order
    int total = 0;                     // entries found in the folder
};

// Alphabetical by name, then by type, ignoring letter case, with ё after е; the
// file system's own order differs between systems and runs.
bool listsBefore(const CustomItemEntry &a, const CustomItemEntry &b);

// The path a record stores for a picture: "DataObject\img\" + its file name.
struct PicturePath {
    QString storedPath;
    QString refusal;  // non-empty: the picture cannot be named in a record
};
PicturePath storedPicturePath(const QString &picture);

// The custom item files under <program folder>/DataObject/ and their pictures
// under DataObject/img/. Every write is whole or nothing, and a write never
// leaves a half-written file in place of the old one.
class CustomItemStore {
public:
    explicit CustomItemStore(QString programFolder);

    const QString &programFolder() const { return programFolder_; }
    // DataObject/ on disk, whatever its letter case there; where it would be when missing.
    QString folder() const;
    QString filePath(const QString &fileName) const;

    // Every entry, files and folders alike, except ".", ".." and "img". A folder
    // that cannot be listed lists nothing.
    CustomItemListing list() const;

    // The record of the file, or the message that says why it cannot be read.
    std::variant<CustomItemRecord, QString> read(const QString &fileName) const;

    // Creates DataObject/ when missing and replaces any file of that name; returns
    // the message of a failure, empty on success.
    QString write(const QString &fileName, const CustomItemRecord &record) const;

    bool remove(const QString &fileName) const;

    // Copies `picture` (a full path, or a path stored in a record, relative to the
    // program folder) into DataObject/img/ under its file name, unless a file of
    // that name is there already: an existing picture is never overwritten.
    // Returns the message of a failure, empty when the picture is in place.
    QString copyPicture(const QString &picture) const;

    // The picture file a stored path names, found whatever its letter case on disk;
    // empty when there is none.
    QString pictureFile(const QString &storedPath) const;

private:
    QString programFolder_;
};

// The file name a picture path ends in, whichever separator it uses.
QString pictureFileName(const QString &picture);

}  // namespace veldora
