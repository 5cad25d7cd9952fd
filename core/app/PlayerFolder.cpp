#include "app/PlayerFolder.h"

#include "catalogue/CatalogueLoader.h"
#include "catalogue/FileErrorText.h"
#include "catalogue/ProgramFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace veldora {

namespace {

const char *const kSampleFolders[] = {"../share/veldora/program", "../program"};

bool holdsDatabase(const QString &folder) { return QFileInfo(catalogueDatabasePath(folder)).isFile(); }

}  // namespace

QString playerProgramFolder(const QString &home) { return home + QStringLiteral("/Вельдора"); }

QString installedSampleFolder(const QString &programDir) {
    for (const char *relative : kSampleFolders) {
        const QString candidate = QDir::cleanPath(programDir + QLatin1Char('/') + QLatin1String(relative));
        if (holdsDatabase(candidate)) return candidate;
    }
    return {};
}

QString fillFromSample(const QString &folder, const QString &sample) {
    const QDir source(sample);
    if (!QDir().mkpath(folder))
        return QStringLiteral("Не удалось создать папку программы «%1».").arg(folder);
    QStringList folders, files;
    QDirIterator it(sample, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = source.relativeFilePath(it.next());
        (it.fileInfo().isDir() ? folders : files) << relative;
    }
    // The database last: a copy cut short leaves a folder without one, which the
    // next start fills again instead of taking it for the player's.
    std::stable_partition(files.begin(), files.end(), [](const QString &f) {
        return QDir::cleanPath(f).compare(QStringLiteral("base/main.mdb"), Qt::CaseInsensitive) != 0;
    });
    for (const QString &relative : folders) {
        const QString target = folder + QLatin1Char('/') + relative;
        if (!QDir().mkpath(target)) return QStringLiteral("Не удалось создать папку «%1».").arg(target);
    }
    for (const QString &relative : files) {
        const QString target = folder + QLatin1Char('/') + relative;
        if (QFileInfo::exists(target)) continue;  // the player's own, or copied before
        QFile file(sample + QLatin1Char('/') + relative);
        if (!file.copy(target))
            return QStringLiteral("Не удалось скопировать «%1» в «%2»: %3.").arg(file.fileName(), target, fileErrorText(file));
        // The sample is installed read-only; the copy is the player's to change.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    }
    forgetFolderListings();
    return {};
}

FolderChoice chooseProgramFolder(const QStringList &arguments, const QString &workingFolder, const QString &home,
                                 const QString &programDir) {
    if (!arguments.contains(kFromMenuSwitch)) return {workingFolder, {}};
    const QString folder = playerProgramFolder(home);
    if (holdsDatabase(folder)) return {folder, {}};
    const QString sample = installedSampleFolder(programDir);
    if (sample.isEmpty())
        return {folder, QStringLiteral("Папка программы «%1» не создана: не найден образец, который устанавливается "
                                       "вместе с программой (искали рядом с «%2»).")
                            .arg(folder, programDir)};
    return {folder, fillFromSample(folder, sample)};
}

}  // namespace veldora
