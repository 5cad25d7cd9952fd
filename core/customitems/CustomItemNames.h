#pragma once

#include <QString>
#include <optional>

namespace veldora {

// An item is the file <name>.<type> in DataObject/; the type acts as the extension.
QString customItemFileName(const QString &name, const QString &type);

struct CustomItemName {
    QString name;  // before the last dot; empty when there is none
    QString type;  // after it; the whole entry name when there is no dot
};
CustomItemName splitCustomItemFileName(const QString &fileName);

enum class NamePart { ItemName, ItemType, PictureFile };

// Why `text` cannot be that part of a file name in DataObject/ that the Windows
// version could read too, as a message to the player; nullopt when it can. Refused:
// blank text, "." and "..", path separators, control characters, the characters
// Windows forbids in names, characters outside Windows-1251 (the record could not
// hold them), a type ending in a dot or a space (Windows drops those), and a name
// that is one of Windows' device names.
std::optional<QString> fileNameProblem(const QString &text, NamePart part);

}  // namespace veldora
