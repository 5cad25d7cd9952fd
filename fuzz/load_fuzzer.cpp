// The whole catalogue load, as start-up runs it: the check, then libmdb on the bytes the
// check let through. Every input must end in a catalogue or one message, and libmdb must
// not even warn: a warning means it met a structure the check let through unproven.

#include "StderrCapture.h"
#include "catalogue/CatalogueLoader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // The database lives in memory-backed storage: one file rewritten for every input.
    static QTemporaryDir folder(QStringLiteral("/dev/shm/veldora-fuzz-XXXXXX"));
    static const bool made = QDir(folder.path()).mkpath(QStringLiteral("base"));
    if (!made) __builtin_trap();
    QFile file(veldora::catalogueDatabasePath(folder.path()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        __builtin_trap();
    file.close();

    veldora::testing::StderrCapture capture;
    const veldora::CatalogueLoad load = veldora::loadCatalogue(folder.path());
    const QByteArray said = capture.release();
    if (!said.isEmpty()) {
        std::fprintf(stderr, "libmdb warned after the check: %s\n", said.constData());
        __builtin_trap();
    }
    if (bool(load.catalogue) == !load.error.isEmpty()) __builtin_trap();
    return 0;
}
