// Loading the largest catalogue the program can hold, against mdb-export of the same items.
//
//   catalogue_load_bench [RUNS]
//
// Builds 13 categories x 255 items with every field filled, 254 sets and 100 reports, then
// prints the median time of a full catalogue load, the median time of
// `mdb-export main.mdb Предметы > /dev/null`, their ratio, and the peak memory of a process
// that does nothing but one load.

#include "BenchSupport.h"
#include "FixtureCatalogue.h"
#include "catalogue/CatalogueLoader.h"
#include "catalogue/ItemColumns.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace veldora;
using veldora::testing::FixtureCatalogue;
using veldora::testing::FixtureValues;

namespace {

using veldora::bench::median;
using veldora::bench::SilentMessages;

long peakKilobytes() { return veldora::bench::procStatusKilobytes("VmHWM"); }

FixtureCatalogue largestCatalogue() {
    FixtureCatalogue f;
    for (const CategoryInfo &info : kCategories) {
        for (int i = 0; i < 255; ++i) {
            FixtureValues values;
            for (const ItemColumn &c : kItemColumns) {
                if (c.type != JetFieldType::Text) continue;
                values[c.column] = c.width >= 10 ? QStringLiteral("%1").arg((i * 7 + c.column) % 1000) : QStringLiteral("1");
            }
            values[col::Name] = QStringLiteral("%1 №%2").arg(QString::fromUtf8(info.typeValue)).arg(i);
            values[col::SetName] = QStringLiteral("Комплект %1").arg(i % 254);
            values[col::File] = QStringLiteral("img%1_%2.jpg").arg(int(info.category)).arg(i);
            values[col::Price] = QStringLiteral("м%1").arg(i * 10);
            values[col::KO] = QString::number(i % 50);
            values[col::SecondWeapon] = values[col::TwoHanded] = values[col::Artefact] = QStringLiteral("Нет");
            f.addItem(info.category, *values[col::Name], (i * 37) % 60, values);
        }
    }
    for (int i = 0; i < 254; ++i) {
        FixtureValues values;
        for (int c = 1; c < 48; ++c) values[c] = QString::number((i + c) % 30);
        f.addSet(QStringLiteral("Комплект %1").arg(i), 2 + i % 6, values);
    }
    for (int i = 0; i < 100; ++i)
        f.addReport(QStringLiteral("01.%1.2010 12:00").arg(1 + i % 12, 2, 10, QLatin1Char('0')),
                    QStringLiteral("Отчёт номер %1: добавлены предметы и исправлены ошибки.").arg(i));
    return f;
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--load-once")) {
        const CatalogueLoad load = loadCatalogue(args[2]);
        std::printf("%ld %d\n", peakKilobytes(), load.catalogue ? load.catalogue->itemCount : -1);
        return load.catalogue ? 0 : 1;
    }
    const int runs = args.size() > 1 ? std::max(1, args[1].toInt()) : 9;

    QTemporaryDir dir;
    if (const QString e = largestCatalogue().write(dir.path()); !e.isEmpty()) {
        std::fprintf(stderr, "cannot build the catalogue: %s\n", qPrintable(e));
        return 1;
    }
    const QString database = catalogueDatabasePath(dir.path());
    std::printf("catalogue: %s, %lld KiB\n", qPrintable(database), QFile(database).size() / 1024);

    std::vector<double> ours;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer t;
        t.start();
        const CatalogueLoad load = loadCatalogue(dir.path());
        const double ms = double(t.nsecsElapsed()) / 1e6;
        if (!load.catalogue) {
            std::fprintf(stderr, "load failed: %s\n", qPrintable(load.error));
            return 1;
        }
        if (i > 0) ours.push_back(ms);  // the first run warms the caches
        else std::printf("items: %d, warnings: %lld\n", load.catalogue->itemCount, load.warnings.size());
    }

    std::vector<double> exports;
    for (int i = 0; i <= runs; ++i) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral("mdb-export"), {database, QStringLiteral("Предметы")});
        if (!p.waitForFinished(120000) || p.exitCode() != 0) {
            std::fprintf(stderr, "mdb-export failed\n");
            return 1;
        }
        if (i > 0) exports.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);

    QProcess once;
    once.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--load-once"), dir.path()});
    once.waitForFinished(120000);
    const QList<QByteArray> peak = once.readAllStandardOutput().trimmed().split(' ');

    const double a = median(ours), b = median(exports);
    std::printf("catalogue load (median of %d): %.1f ms\n", runs, a);
    std::printf("mdb-export Предметы > /dev/null (median of %d): %.1f ms\n", runs, b);
    std::printf("ratio load / export: %.2f\n", b > 0 ? a / b : 0.0);
    std::printf("peak memory of one load (VmHWM): %s KiB\n", peak.value(0).constData());
    std::printf("peak memory of mdb-export (maxrss): %ld KiB\n", children.ru_maxrss);
    return 0;
}
