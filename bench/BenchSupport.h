#pragma once

// What every benchmark program shares: a message sink that shows nothing, and
// the median of a run of timings.

#include "app/UserMessages.h"

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

}  // namespace veldora::bench
