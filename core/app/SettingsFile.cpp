#include "app/SettingsFile.h"

#include "catalogue/FileErrorText.h"
#include "catalogue/ProgramFiles.h"

#include <QFile>
#include <QSaveFile>

namespace veldora {

// A folder from the Windows version may hold it as INI.INI or Ini.ini.
QString settingsFilePath(const QString &programFolder) { return resolveStoredPath(programFolder, QStringLiteral("ini.ini")); }

Settings readSettingsFile(const QString &programFolder) {
    QFile file(settingsFilePath(programFolder));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.read(2);
    if (bytes.size() < 2) return {};
    return {bytes[0] == 1, bytes[1] == 1};
}

bool writeSettingsFile(const QString &programFolder, const Settings &settings, QString *error) {
    const QString path = settingsFilePath(programFolder);
    QSaveFile file(path);
    const char record[2] = {static_cast<char>(settings.tutorialAtStart ? 1 : 0),
                            static_cast<char>(settings.requirementCheckOn ? 1 : 0)};
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(record, 2) == 2 && file.commit();
    forgetFolderListings();  // a new file, or the temporary one renamed over the old
    if (!ok && error)
        *error = QStringLiteral("Не удалось сохранить настройки в файл %1: %2").arg(path, fileErrorText(file));
    return ok;
}

}  // namespace veldora
