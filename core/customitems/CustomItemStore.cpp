#include "customitems/CustomItemStore.h"

#include "catalogue/FileErrorText.h"
#include "catalogue/ProgramFiles.h"
#include "customitems/CustomItemNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>

namespace veldora {

namespace {

const QString kFolder = QStringLiteral("DataObject");
const QString kPictures = QStringLiteral("img");
// The record's picture path: relative to the program folder, without a leading separator.
const QString kStoredPicturePrefix = QStringLiteral("DataObject\\img\\");

// Letter case ignored; ё sorts between е and ж as in the alphabet.
int listWeight(QChar c) {
    const QChar lower = c.toLower();
    if (lower == QChar(0x0451)) return 2 * 0x0435 + 1;
    return 2 * lower.unicode();
}

int compareForList(const QString &a, const QString &b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int d = listWeight(a[i]) - listWeight(b[i]);
        if (d != 0) return d;
    }
    return static_cast<int>(a.size() - b.size());
}

}  // namespace

bool listsBefore(const CustomItemEntry &a, const CustomItemEntry &b) {
    if (const int d = compareForList(a.name, b.name)) return d < 0;
    if (const int d = compareForList(a.type, b.type)) return d < 0;
    return a.fileName < b.fileName;
}

QString pictureFileName(const QString &picture) {
    const qsizetype cut = std::max(picture.lastIndexOf(QLatin1Char('/')), picture.lastIndexOf(QLatin1Char('\\')));
    return picture.mid(cut + 1);
}

CustomItemStore::CustomItemStore(QString programFolder) : programFolder_(std::move(programFolder)) {}

QString CustomItemStore::folder() const { return resolveStoredPath(programFolder_, kFolder); }

QString CustomItemStore::filePath(const QString &fileName) const {
    return folder() + QLatin1Char('/') + fileName;
}

CustomItemListing CustomItemStore::list() const {
    CustomItemListing listing;
    const QStringList names =
        QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &n : names) {
        if (n.compare(kPictures, Qt::CaseInsensitive) == 0) continue;
        const CustomItemName split = splitCustomItemFileName(n);
        listing.entries.append({split.name, split.type, n});
    }
    listing.total = static_cast<int>(listing.entries.size());
    std::sort(listing.entries.begin(), listing.entries.end(), listsBefore);
    if (listing.entries.size() > kMaxListedItems) listing.entries.resize(kMaxListedItems);
    return listing;
}

std::variant<CustomItemRecord, QString> CustomItemStore::read(const QString &fileName) const {
    QFile file(resolveStoredPath(folder(), fileName));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("Не удалось открыть файл «%1».").arg(fileName);
    const QByteArray bytes = file.read(kCustomItemRecordSize);
    auto record = CustomItemRecord::fromBytes(bytes);
    if (const auto *fault = std::get_if<RecordFault>(&record)) return recordFaultMessage(fileName, *fault);
    return std::get<CustomItemRecord>(std::move(record));
}

QString CustomItemStore::write(const QString &fileName, const CustomItemRecord &record) const {
    const QString dir = folder();
    if (!QDir().mkpath(dir)) return QStringLiteral("Не удалось создать папку «%1».").arg(dir);
    QSaveFile file(dir + QLatin1Char('/') + fileName);
    file.setDirectWriteFallback(false);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(record.bytes()) == record.bytes().size() &&
                         file.commit();
    forgetFolderListings();
    if (!written) return QStringLiteral("Не удалось записать файл «%1» (%2).").arg(fileName, fileErrorText(file));
    return {};
}

bool CustomItemStore::remove(const QString &fileName) const {
    if (fileName.isEmpty()) return false;
    const QString path = filePath(fileName);
    const bool removed = QFileInfo(path).isFile() && QFile::remove(path);
    forgetFolderListings();
    return removed;
}

PicturePath storedPicturePath(const QString &picture) {
    const QString name = pictureFileName(picture);
    if (const auto problem = fileNameProblem(name, NamePart::PictureFile)) return {QString(), *problem};
    const int capacity = kCustomItemFields[field::Picture].capacity;
    if (kStoredPicturePrefix.size() + name.size() > capacity)
        return {QString(), QStringLiteral("Имя файла изображения длиннее %1 знаков и не поместится в файл предмета.")
                               .arg(capacity - kStoredPicturePrefix.size())};
    return {kStoredPicturePrefix + name, QString()};
}

QString CustomItemStore::copyPicture(const QString &picture) const {
    const QString name = pictureFileName(picture);
    if (!pictureFile(kStoredPicturePrefix + name).isEmpty()) return {};  // never overwritten

    const QString source = QFileInfo(picture).isAbsolute() ? picture : resolveStoredPath(programFolder_, picture);
    const QString pictures = resolveStoredPath(folder(), kPictures);
    const auto failed = [&] {
        forgetFolderListings();
        return QStringLiteral("Изображение «%1» не скопировано в папку DataObject\\img\\: предмет будет показан "
                              "без него.")
            .arg(picture);
    };
    QFile in(source);
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly) || !QDir().mkpath(pictures)) return failed();
    const QByteArray bytes = in.readAll();
    // Written aside and renamed into place: the rename refuses to replace a file
    // that appeared meanwhile, and a failed write leaves nothing behind.
    QTemporaryFile part(pictures + QStringLiteral("/.picture-XXXXXX"));
    if (!part.open() || part.write(bytes) != bytes.size() || !part.flush()) return failed();
    if (!part.rename(pictures + QLatin1Char('/') + name)) return failed();
    part.setAutoRemove(false);
    forgetFolderListings();
    return {};
}

QString CustomItemStore::pictureFile(const QString &storedPath) const {
    if (!storedFileExists(programFolder_, storedPath)) return {};
    return resolveStoredPath(programFolder_, storedPath);
}

}  // namespace veldora
