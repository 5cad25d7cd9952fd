#include "pages/ExternalOpener.h"

#include <QDesktopServices>

namespace veldora {

ExternalOpener defaultExternalOpener() {
    return [](const QUrl &url) { return QDesktopServices::openUrl(url); };
}

}  // namespace veldora
