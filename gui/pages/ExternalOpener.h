#pragma once

#include <QUrl>
#include <functional>

namespace veldora {

// Opens a file or a web address with the player's default program (the shell's
// "open"); returns whether that program could be started. Tests put a recorder
// in its place.
using ExternalOpener = std::function<bool(const QUrl &)>;

ExternalOpener defaultExternalOpener();

}  // namespace veldora
