#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace veldora {

// The player's own settings of the additions (the change blocks, the browser's
// filter, the last plan folder): one INI file in the user's configuration folder,
// ~/.config/veldora/veldora.ini. The settings file beside the program keeps only
// the two bytes the Windows version reads. `file` non-empty: an INI file of its
// own instead (tests keep theirs apart).
std::unique_ptr<QSettings> openUserSettings(const QString &file = {});

}  // namespace veldora
