#pragma once

#include <QtGlobal>

namespace veldora {

// Jet 4 files are read in pages of this size; their numbers are little-endian.
constexpr int kJetPageSize = 4096;

inline quint16 jetGet16(const unsigned char *p) { return quint16(p[0] | (p[1] << 8)); }
inline quint32 jetGet32(const unsigned char *p) {
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

}  // namespace veldora
