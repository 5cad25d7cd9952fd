#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace veldora {

// Windows-1251, the code page of the Windows version's item files and pages. Our own
// table: the toolkit does not offer this code page on every build.

QString decodeCp1251(const QByteArray &bytes);

// Characters the code page lacks become '?', as the Windows version wrote them.
QByteArray encodeCp1251(const QString &text);

// The first character of `text` that the code page cannot hold, if any.
std::optional<QChar> firstNonCp1251(const QString &text);

}  // namespace veldora
