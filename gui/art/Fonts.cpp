#include "art/Fonts.h"

#include <QStringList>

namespace veldora {

namespace {
QFont makeFont(const QStringList &families, int pixelHeight, bool bold) {
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}
}  // namespace

QFont verdanaFont(int pixelHeight, bool bold) {
    static const QStringList families{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
    return makeFont(families, pixelHeight, bold);
}

QFont sansSerifFont(int pixelHeight, bool bold) {
    static const QStringList families{QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")};
    return makeFont(families, pixelHeight, bold);
}

}  // namespace veldora
