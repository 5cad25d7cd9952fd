// Draws the sample program folder's item pictures from the item table source.
//
//   picturegen ITEMS.tsv MISSING.txt OUTPUT_FOLDER
//
// Every item gets the picture its `File` names, except those listed in MISSING.txt,
// which are left out on purpose; the folder also gets no_image.bmp. Nothing is
// downloaded and nothing random is used, so the same sources give the same files.
#include "Drawing.h"
#include "ItemList.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QSet>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString &message) {
    QTextStream(stderr) << "picturegen: " << message << Qt::endl;
    return 1;
}

QByteArray formatFor(const QString &file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg")) return "JPEG";
    if (suffix == QStringLiteral("bmp")) return "BMP";
    if (suffix == QStringLiteral("png")) return "PNG";
    return {};
}

bool save(const QImage &image, const QString &path, QString *error) {
    QImageWriter writer(path, formatFor(path));
    if (writer.format() == "JPEG") writer.setQuality(92);
    if (!writer.write(image)) {
        *error = QStringLiteral("не удалось записать %1: %2").arg(path, writer.errorString());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) return fail(QStringLiteral("нужно: picturegen ITEMS.tsv MISSING.txt OUTPUT_FOLDER"));

    const picturegen::ItemListResult list = picturegen::readItemList(args[1]);
    if (!list.error.isEmpty()) return fail(args[1] + QStringLiteral(": ") + list.error);
    QString error;
    const QStringList missingList = picturegen::readNameList(args[2], &error);
    if (!error.isEmpty()) return fail(error);
    const QSet<QString> missing(missingList.begin(), missingList.end());

    QDir out(args[3]);
    if (!out.mkpath(QStringLiteral("."))) return fail(QStringLiteral("не удалось создать папку %1").arg(args[3]));

    for (const picturegen::PictureItem &item : list.items) {
        if (missing.contains(item.file)) continue;
        if (formatFor(item.file).isEmpty())
            return fail(QStringLiteral("у картинки «%1» неизвестный формат").arg(item.file));
        const QImage image = picturegen::drawItem(item);
        if (image.isNull()) return fail(QStringLiteral("у предмета «%1» неизвестный тип «%2»").arg(item.name, item.type));
        if (!save(image, out.filePath(item.file), &error)) return fail(error);
    }
    if (!save(picturegen::drawNoImage(), out.filePath(QStringLiteral("no_image.bmp")), &error)) return fail(error);
    return 0;
}
