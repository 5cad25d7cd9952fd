#include "pages/PageFile.h"

#include "customitems/Cp1251.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace veldora {

namespace {

// Pages are a few kilobytes; anything this large is no page of ours and would
// only stall the window.
constexpr qint64 kMaxPageBytes = 16 * 1024 * 1024;

bool startsWithUtf16Mark(const QByteArray &bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

}  // namespace

QString decodePageBytes(const QByteArray &bytes) {
    // A byte order mark or a declared charset other than UTF-8 is taken at its
    // word; decoderForHtml() falls back to UTF-8 when the page declares nothing.
    QStringDecoder declared = QStringDecoder::decoderForHtml(bytes);
    if (declared.isValid() && QByteArrayView(declared.name()) != QByteArrayView("UTF-8"))
        return declared.decode(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return decodeCp1251(bytes);
}

PageText readPageFile(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists()) return {{}, QStringLiteral("Страница не найдена: %1").arg(path)};
    if (!info.isFile()) return {{}, QStringLiteral("Страница не открывается: %1").arg(path)};
    if (info.size() > kMaxPageBytes) return {{}, QStringLiteral("Страница повреждена: %1").arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, QStringLiteral("Страница не открывается: %1").arg(path)};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, QStringLiteral("Страница не открывается: %1").arg(path)};
    // No text page is empty or holds NUL bytes, save one in UTF-16.
    if (bytes.trimmed().isEmpty() || (bytes.contains('\0') && !startsWithUtf16Mark(bytes)))
        return {{}, QStringLiteral("Страница повреждена: %1").arg(path)};
    return {decodePageBytes(bytes), {}};
}

QString pageProblemHtml(const QString &problem) {
    return QStringLiteral("<p style=\"font-family: Verdana, 'DejaVu Sans'; font-size: 13px;\">%1</p>")
        .arg(problem.toHtmlEscaped());
}

}  // namespace veldora
