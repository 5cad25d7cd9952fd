#pragma once

#include <QtGlobal>

#include <array>
#include <utility>

namespace veldora {

// Jet masks 128 bytes of its header (and, in encrypted files, whole pages) with an
// RC4 keystream. XOR is its own inverse, so the same call masks and unmasks.
inline void jetRc4Xor(const quint8 *key, int keyLength, quint8 *data, int length) {
    std::array<quint8, 256> s;
    for (int i = 0; i < 256; ++i) s[i] = quint8(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % keyLength]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (int n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[n] ^= s[(s[i] + s[j]) & 0xFF];
    }
}

}  // namespace veldora
