// Property blobs: whatever the check accepts, libmdb's own parser must read without
// passing the blob's end (it ends at an unreadable page) and without a warning.

#include "JetWriter.h"
#include "LibmdbProperties.h"
#include "catalogue/JetPropertyCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

MdbHandle *openDatabase() {
    static QByteArray bytes =
        jet::buildDatabase({{QStringLiteral("T"), {{QStringLiteral("N"), jet::ColumnType::Integer, 0}}, {{QStringLiteral("1")}}}})
            .bytes;
    MdbHandle *mdb = mdb_open_buffer(bytes.data(), size_t(bytes.size()), MDB_NOFLAGS);
    if (!mdb) __builtin_trap();
    return mdb;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static MdbHandle *mdb = openDatabase();
    const QByteArray blob(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!veldora::checkJetProperties(blob).isEmpty()) return 0;
    const QByteArray said = veldora::fuzz::libmdbParsesProperties(mdb, blob);
    if (!said.isEmpty()) {
        std::fprintf(stderr, "libmdb warned about an accepted blob: %s\n", said.constData());
        __builtin_trap();
    }
    return 0;
}
