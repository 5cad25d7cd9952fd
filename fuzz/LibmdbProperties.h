#pragma once

// Runs libmdb's own parser of property blobs on a blob, as it runs when it lists the
// tables, with the blob ending at an unreadable page. Returns what libmdb wrote to stderr.

#include "GuardedBytes.h"
#include "StderrCapture.h"

#include <QByteArray>

#include <mdbtools.h>

namespace veldora::fuzz {

// `mdb` is any open database: libmdb takes its text conversion and page buffer from it.
inline QByteArray libmdbParsesProperties(MdbHandle *mdb, const QByteArray &blob) {
    const GuardedBytes copy(blob);
    testing::StderrCapture capture;
    if (GPtrArray *blocks = mdb_kkd_to_props(mdb, copy.data(), size_t(blob.size()))) {
        for (guint i = 0; i < blocks->len; ++i) mdb_free_props(static_cast<MdbProperties *>(g_ptr_array_index(blocks, i)));
        g_ptr_array_free(blocks, TRUE);
    }
    return capture.release();
}

}  // namespace veldora::fuzz
