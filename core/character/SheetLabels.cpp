#include "character/SheetLabels.h"

#include <QHash>

namespace veldora {

const std::array<SheetLabelInfo, kLabelCount> kSheetLabels = {{
#define VELDORA_LABEL_INFO(name, caption) {Lbl::name, #name, caption},
    VELDORA_SHEET_LABELS(VELDORA_LABEL_INFO)
#undef VELDORA_LABEL_INFO
}};

QString labelName(Lbl l) { return QString::fromLatin1(kSheetLabels[labelIndex(l)].name); }

std::optional<Lbl> labelByName(QStringView name) {
    static const QHash<QString, Lbl> byName = [] {
        QHash<QString, Lbl> h;
        for (const auto &info : kSheetLabels) h.insert(QString::fromLatin1(info.name), info.label);
        return h;
    }();
    const auto it = byName.constFind(name.toString());
    if (it == byName.constEnd()) return std::nullopt;
    return *it;
}

}  // namespace veldora
