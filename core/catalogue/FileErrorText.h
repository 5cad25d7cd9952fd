#pragma once

#include <QString>

class QFileDevice;

namespace veldora {

// Why the last operation on `file` failed, in Russian and starting with a small
// letter, to follow a colon in a message. Qt's own description is used when it
// is already Russian (its translation is loaded); otherwise the common
// descriptions are put in the words of that translation, and anything else is
// named by the kind of failure. Empty when the file reports no error.
QString fileErrorText(const QFileDevice &file);

}  // namespace veldora
