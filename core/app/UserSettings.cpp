#include "app/UserSettings.h"

namespace veldora {

std::unique_ptr<QSettings> openUserSettings(const QString &file) {
    if (!file.isEmpty()) return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("veldora"),
                                       QStringLiteral("veldora"));
}

}  // namespace veldora
