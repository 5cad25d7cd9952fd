#include "catalogue/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

namespace veldora {

namespace {

// Folder path -> (name folded to lower case -> name on disk). One listing per
// folder, read on the first name that the exact path misses.
QHash<QString, QHash<QString, QString>> &listings() {
    static QHash<QString, QHash<QString, QString>> cache;
    return cache;
}

const QHash<QString, QString> &listing(const QString &folder) {
    auto &cache = listings();
    auto found = cache.find(folder);
    if (found != cache.end()) return *found;
    QHash<QString, QString> names;
    // Name order, so the same name wins each time when several differ only in case.
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &e : entries) {
        const QString key = e.toLower();
        if (!names.contains(key)) names.insert(key, e);
    }
    return *cache.insert(folder, std::move(names));
}

}  // namespace

QString normalizedStoredPath(const QString &stored) {
    QString path = stored;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

QString resolveStoredPath(const QString &folder, const QString &stored) {
    const QString relative = normalizedStoredPath(stored);
    QString exact = folder;
    if (!relative.startsWith(QLatin1Char('/'))) exact += QLatin1Char('/');
    exact += relative;
    if (relative.isEmpty() || QFileInfo::exists(exact)) return exact;

    QString current = folder;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part == QLatin1String(".")) continue;
        if (part == QLatin1String("..")) return exact;  // never leaves the folder by a stored name
        const QString direct = current + QLatin1Char('/') + part;
        if (QFileInfo::exists(direct)) {
            current = direct;
            continue;
        }
        const QHash<QString, QString> &names = listing(current);
        const auto match = names.constFind(part.toLower());
        if (match == names.constEnd()) return exact;
        current += QLatin1Char('/') + *match;
    }
    return current;
}

bool storedFileExists(const QString &folder, const QString &stored) {
    return !normalizedStoredPath(stored).isEmpty() && QFileInfo(resolveStoredPath(folder, stored)).isFile();
}

void forgetFolderListings() { listings().clear(); }

}  // namespace veldora
