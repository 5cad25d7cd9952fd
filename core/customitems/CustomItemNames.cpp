#include "customitems/CustomItemNames.h"

#include "customitems/Cp1251.h"

#include <QStringList>

namespace veldora {

QString customItemFileName(const QString &name, const QString &type) { return name + QLatin1Char('.') + type; }

CustomItemName splitCustomItemFileName(const QString &fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return {QString(), fileName};
    return {fileName.left(dot), fileName.mid(dot + 1)};
}

namespace {

QString subject(NamePart part) {
    switch (part) {
    case NamePart::ItemName:
        return QStringLiteral("Название предмета");
    case NamePart::ItemType:
        return QStringLiteral("Тип предмета");
    case NamePart::PictureFile:
        return QStringLiteral("Имя файла изображения");
    }
    return {};
}

bool isDeviceName(const QString &text) {
    // Windows reserves these names whatever extension follows.
    QString stem = text.section(QLatin1Char('.'), 0, 0);
    while (stem.endsWith(QLatin1Char(' '))) stem.chop(1);
    stem = stem.toUpper();
    static const QStringList fixed{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                   QStringLiteral("NUL")};
    if (fixed.contains(stem)) return true;
    return stem.size() == 4 && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))) &&
           stem[3] >= QLatin1Char('1') && stem[3] <= QLatin1Char('9');
}

}  // namespace

std::optional<QString> fileNameProblem(const QString &text, NamePart part) {
    const QString who = subject(part);
    if (text.trimmed().isEmpty()) return who + QStringLiteral(" не может состоять из одних пробелов.");
    if (text == QLatin1String(".") || text == QLatin1String(".."))
        return who + QStringLiteral(" не может быть «.» или «..».");
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control)
            return who + QStringLiteral(" не может содержать управляющие знаки.");
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return who + QStringLiteral(" не может содержать знак «%1»: он разделяет папки.").arg(c);
        if (QStringLiteral("<>:\"|?*").contains(c))
            return who + QStringLiteral(" не может содержать знак «%1»: Windows не допускает его в именах файлов.")
                             .arg(c);
    }
    if (const auto c = firstNonCp1251(text))
        return who + QStringLiteral(" не может содержать знак «%1»: его нет в кодировке Windows-1251.").arg(*c);
    if (part == NamePart::ItemType && (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(' '))))
        return who + QStringLiteral(" не может оканчиваться точкой или пробелом: Windows отбрасывает их в именах файлов.");
    if (part != NamePart::ItemType && isDeviceName(text))
        return who + QStringLiteral(" «%1» занято устройством Windows и не может быть именем файла.").arg(text);
    return std::nullopt;
}

}  // namespace veldora
