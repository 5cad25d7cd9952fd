#include "pages/PageFadeIn.h"

namespace veldora {

bool PageFadeIn::step() {
    if (!running_) return false;
    opacity_ = quint8(opacity_ + 3);
    if (opacity_ >= 250) {
        opacity_ = 255;
        running_ = false;
    }
    return running_;
}

}  // namespace veldora
