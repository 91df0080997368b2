#pragma once
// The desktop compositor's blur behind a window. Hosts reach it through this
// interface, so the decision when to blur can be checked on systems that have
// no compositor.

#include <windows.h>

namespace canvas {

class Compositor {
public:
    virtual ~Compositor() = default;
    virtual bool CompositionEnabled();
    // Blurs what lies behind the window inside the rectangle rounded by
    // ellipse; an empty rectangle gives an empty blur region (blur off).
    virtual void BlurBehind(HWND window, const RECT& area, int ellipse);

    // The system's compositor.
    static Compositor& System();
};

// The given compositor, or the system's when none is given.
inline Compositor& OrSystem(Compositor* compositor) { return compositor ? *compositor : Compositor::System(); }

}  // namespace canvas
