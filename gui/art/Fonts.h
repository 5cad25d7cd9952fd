#pragma once

#include <QFont>

namespace veldora {

// Verdana is not on every system; DejaVu Sans has close metrics and stands in for it.
QFont verdanaFont(int pixelHeight, bool bold = false);
// The toolkit's classic dialog face, likewise with a stand-in.
QFont sansSerifFont(int pixelHeight, bool bold = false);

}  // namespace veldora
