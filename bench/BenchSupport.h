#pragma once

// What every benchmark program shares: a message sink that shows nothing, the
// median of a run of timings, and the process's memory as the kernel counts it.

#include "app/UserMessages.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <vector>

namespace veldora::bench {

class SilentMessages : public UserMessages {
public:
    void showMessage(const QString &) override {}
};

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// A line of /proc/self/status in KiB ("VmRSS", "VmHWM"); -1 where there is none.
inline long procStatusKilobytes(const char *field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed().split(' ').front().toLong();
    return -1;
}

}  // namespace veldora::bench
