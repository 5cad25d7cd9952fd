#pragma once

#include <QtGlobal>

namespace veldora {

// The page window's fade-in. Its opacity is one byte, 0 when the window is made;
// each tick raises it by 3 in eight-bit arithmetic, and at 250 or more the
// fade-in ends at 255. An activation that finds the window at 255 therefore
// starts again from 2 (255 + 3 wraps), fading it in anew each time.
class PageFadeIn {
public:
    quint8 opacity() const { return opacity_; }
    bool running() const { return running_; }

    // The window became active: the ticks start (or go on) from where the
    // opacity stands.
    void start() { running_ = true; }
    // One tick; returns whether more ticks follow.
    bool step();

private:
    quint8 opacity_ = 0;
    bool running_ = false;
};

}  // namespace veldora
