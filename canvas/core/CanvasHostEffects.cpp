// Window effects: showing and closing the window with an animation.
//
// An animation runs on the window's thread: each frame is drawn into a
// scratch surface, handed to the (temporarily) layered window, and followed by
// a short pause in which pending messages run. busy keeps input and composing
// out meanwhile. Those messages may close, hide or destroy the window, or even
// the host: after every pause the animation checks and stops when it lost its
// window.
#include "canvas/core/AnimationSurface.h"
#include "canvas/core/CanvasHost.h"
#include "canvas/core/WindowEffects.h"
#include "canvas/services/Toolkit.h"

#include <algorithm>
#include <optional>

namespace canvas {
namespace {

namespace effect {
constexpr int kNone = 0;
constexpr int kFade = 1;
constexpr int kZoom = 2;
constexpr int kLeft = 3;
constexpr int kRight = 4;
constexpr int kTop = 5;
constexpr int kCentre = 7;
}  // namespace effect

constexpr ARGB kTransparentWhite = 0x00FFFFFF;
constexpr ARGB kTransparentBlack = 0x00000000;
constexpr int kOpaque = 255;
constexpr int kPictureFrame = 1;

constexpr int kRegionInset = 6;
constexpr int kRegionEllipse = 5;
// Blur region while the window stands still: (6, 6, width - 5, height - 5).
constexpr int kBlurInset = 6;
constexpr int kBlurEllipse = 6;

constexpr int kShowSteps = 10;
constexpr int kShowAlphaStep = 25;
constexpr int kCloseSteps = 15;
constexpr int kCloseAlphaStep = 17;
constexpr int kSoftEdge = 100;  // lines over which a reveal or a wipe fades out

constexpr double kCentreShare = 0.1;  // effect 7 moves the edges by a tenth of the size in all
constexpr int kCloseFadePause = 10;
constexpr int kWipePause = 8;
constexpr int kZoomSteps = 20;
constexpr double kZoomGrowth = 1.5;
constexpr double kZoomGrowLimit = 5;
constexpr int kZoomShrink = 2;
constexpr int kZoomMargin = 5;
constexpr int kZoomAlphaStep = 12;
constexpr int kZoomPauseStart = 16, kZoomPauseMin = 10;
constexpr int kGrowPauseStart = 11;
constexpr int kShrinkPauseStart = 13, kShrinkPauseMin = 1;
constexpr double kMargin = 0.0000001;

bool Horizontal(int e) { return e == effect::kLeft || e == effect::kRight; }

RECT StillBlurArea(int width, int height) {
    return {kBlurInset, kBlurInset, width - (kBlurInset - 1), height - (kBlurInset - 1)};
}

// One show or close animation of a host's window.
class WindowAnimation {
public:
    explicit WindowAnimation(CanvasHost& host)
        : host_(host), handle_(host.handle), window_(host.window), savedBusy_(host.busy) {
        RECT rc{};
        GetWindowRect(window_, &rc);
        width_ = rc.right - rc.left;
        height_ = rc.bottom - rc.top;
        surface_.emplace(window_, SIZE{width_, height_});
        host_.animating = 1;
    }
    ~WindowAnimation() {
        surface_.reset();
        if (!HostAlive()) return;
        host_.busy = savedBusy_;
        host_.animating = 0;
    }
    WindowAnimation(const WindowAnimation&) = delete;
    WindowAnimation& operator=(const WindowAnimation&) = delete;

    bool Ready() const { return *surface_ && width_ > 0 && height_ > 0; }
    int width() const { return width_; }
    int height() const { return height_; }

    void Clear(ARGB colour = kTransparentWhite) { surface_->Clear(colour); }
    void BlendWhole(int x, int y, int w, int h, int alpha) { surface_->BlendWhole(host_.back.dc(), x, y, w, h, alpha); }
    void BlendAll(int alpha) { BlendWhole(0, 0, width_, height_, alpha); }
    void BlendColumn(int x, int alpha) { surface_->BlendPart(host_.back.dc(), x, 0, 1, height_, alpha); }
    void BlendRow(int y, int alpha) { surface_->BlendPart(host_.back.dc(), 0, y, width_, 1, alpha); }
    void BlendColumns(int x, int w, int alpha) { surface_->BlendPart(host_.back.dc(), x, 0, w, height_, alpha); }
    void BlendRows(int y, int h, int alpha) { surface_->BlendPart(host_.back.dc(), 0, y, width_, h, alpha); }

    void Push() {
        surface_->Push();
        if (host_.onAnimationFrame) host_.onAnimationFrame(surface_->surface());
    }

    void Blur(const RECT& area, int ellipse = kBlurEllipse) {
        if (host_.blur) SetBlur(window_, area, ellipse, host_.frameStyle, OrSystem(host_.compositor), osMajorVersion);
    }
    void BlurOff() { Blur({0, 0, 0, 0}); }

    // Sleeps, lets pending messages run and answers whether the animation may
    // go on: its host and window still exist and are still joined, and (for a
    // show) the window was not hidden meanwhile.
    bool Pause(int ms) {
        if (ms > 0) Sleep(static_cast<DWORD>(ms));
        PumpMessages();
        return StillOn();
    }

    bool HostAlive() const { return HostFromHandle(handle_) == &host_; }
    bool StillOn() const {
        if (!HostAlive() || !IsWindow(window_) || HostOfWindow(window_) != &host_ || !host_.back.dc()) return false;
        return !needsVisible_ || IsWindowVisible(window_);
    }
    void RequireVisible() { needsVisible_ = true; }

private:
    CanvasHost& host_;
    const Handle handle_;
    const HWND window_;
    const int savedBusy_;
    int width_ = 0, height_ = 0;
    std::optional<AnimationSurface> surface_;
    bool needsVisible_ = false;
};

// ---- show ----

// The revealed part at alpha a, then a soft edge of kSoftEdge lines fading out beyond it.
void RevealFrame(WindowAnimation& a, int e, int alpha, int d) {
    const int w = a.width(), h = a.height();
    switch (e) {
        case effect::kLeft: a.BlendColumns(0, d, alpha); break;
        case effect::kRight: a.BlendColumns(w - d, d, alpha); break;
        case effect::kTop: a.BlendRows(0, d, alpha); break;
        default: a.BlendRows(h - d, d, alpha); break;
    }
    for (int k = 1; k <= kSoftEdge; ++k) {
        const int lineAlpha = static_cast<int>(alpha / static_cast<double>(kSoftEdge) * (kSoftEdge + 1 - k));
        const int offset = d + k - 1;
        switch (e) {
            case effect::kLeft: a.BlendColumn(offset, lineAlpha); break;
            case effect::kRight: a.BlendColumn(w - offset, lineAlpha); break;
            case effect::kTop: a.BlendRow(offset, lineAlpha); break;
            default: a.BlendRow(h - offset, lineAlpha); break;
        }
    }
}

// Runs the frames; false when the animation lost its window on the way.
bool ShowFrames(WindowAnimation& a, int e, int duration) {
    const int w = a.width(), h = a.height();
    const int pause = std::max(duration, 0) / kShowSteps;
    if (e == effect::kFade) {
        for (int j = 1; j <= kShowSteps; ++j) {
            a.Clear();
            a.BlendAll((j - 1) * kShowAlphaStep);
            a.Push();
            if (!a.Pause(pause)) return false;
        }
        return true;
    }
    if (e == effect::kCentre) {
        const int rx = static_cast<int>(w * kCentreShare / kShowSteps);
        const int ry = static_cast<int>(h * kCentreShare / kShowSteps);
        for (int j = 1; j <= kShowSteps; ++j) {
            const int u = kShowSteps - j;
            a.Clear();
            a.BlendWhole(rx * u, ry * u, w - 2 * rx * u, h - 2 * ry * u, (j - 1) * kShowAlphaStep);
            a.Push();
            if (!a.Pause(kGrowPauseStart - j)) return false;
        }
        return true;
    }
    const int step = (Horizontal(e) ? w : h) / kShowSteps;
    for (int i = 1; i <= kShowSteps; ++i) {
        a.Clear(kTransparentBlack);
        RevealFrame(a, e, (i - 1) * kShowAlphaStep, (i - 1) * step);
        a.Push();
        if (!a.Pause(pause)) return false;
    }
    return true;
}

// ---- close ----

// The window less b lines removed at the starting edge; the last kSoftEdge
// lines towards the cut fade out.
void WipeFrame(WindowAnimation& a, int e, int alpha, int b) {
    const int w = a.width(), h = a.height();
    // The blur region follows what is left of the window.
    const int cut = b + kSoftEdge;
    const int lo = kBlurInset, hiX = w - (kBlurInset - 1), hiY = h - (kBlurInset - 1);
    switch (e) {
        case effect::kLeft: a.Blur({std::min(hiX, cut), lo, hiX, hiY}); break;
        case effect::kRight: a.Blur({lo, lo, (w - cut > lo - 1) ? w - cut : lo, hiY}); break;
        case effect::kTop: a.Blur({lo, std::min(hiY, cut), hiX, hiY}); break;
        default: a.Blur({lo, lo, hiX, (h - cut > lo - 1) ? h - cut : lo}); break;
    }
    const int n = (Horizontal(e) ? w : h) - b;
    for (int i = 1; i <= n; ++i) {
        const int lineAlpha =
            (i < n - kSoftEdge) ? alpha : static_cast<int>(alpha / static_cast<double>(kSoftEdge) * (n - i));
        switch (e) {
            case effect::kLeft: a.BlendColumn(w - i, lineAlpha); break;
            case effect::kRight: a.BlendColumn(i, lineAlpha); break;
            case effect::kTop: a.BlendRow(h - i, lineAlpha); break;
            default: a.BlendRow(i, lineAlpha); break;
        }
    }
    a.Push();
}

bool CloseFrames(WindowAnimation& a, int e) {
    const int w = a.width(), h = a.height();
    if (e == effect::kFade) {
        a.BlurOff();
        for (int j = 1; j <= kCloseSteps; ++j) {
            a.Clear();
            a.BlendAll(kOpaque - kCloseAlphaStep * j);
            a.Push();
            if (!a.Pause(kCloseFadePause)) return false;
        }
        return true;
    }
    if (e == effect::kZoom) {
        a.BlurOff();
        int shrink = 0;
        for (int j = 1; j <= kZoomSteps; ++j) {
            const double g = kZoomGrowth * j;
            a.Clear();
            const int alpha = kOpaque - kZoomAlphaStep * j;
            if (g - kZoomGrowLimit <= kMargin) {  // swell slightly first
                a.BlendWhole(static_cast<int>(-g / 2), static_cast<int>(-g / 2), static_cast<int>(w + g),
                             static_cast<int>(h + g), alpha);
            } else {
                shrink += kZoomShrink;
                a.BlendWhole(shrink / 2 - kZoomMargin, shrink / 2 - kZoomMargin, w + 2 * kZoomMargin - shrink,
                             h + 2 * kZoomMargin - shrink, alpha);
            }
            a.Push();
            if (!a.Pause(std::max(kZoomPauseStart - j, kZoomPauseMin))) return false;
        }
        return true;
    }
    if (e == effect::kCentre) {
        a.BlurOff();
        const int ry = static_cast<int>(h * kCentreShare / kCloseSteps);
        const int rx = static_cast<int>(w * kCentreShare / kCloseSteps);
        for (int j = 1; j <= kCloseSteps; ++j) {
            const int k = j - 1;
            a.Clear();
            a.BlendWhole(rx * k, ry * k, w - 2 * rx * k, h - 2 * ry * k, kOpaque - kCloseAlphaStep * j);
            a.Push();
            if (!a.Pause(std::max(kShrinkPauseStart - j, kShrinkPauseMin))) return false;
        }
        return true;
    }
    const int step = (Horizontal(e) ? w : h) / kCloseSteps;
    for (int i = 1; i <= kCloseSteps; ++i) {
        a.Clear();
        WipeFrame(a, e, kOpaque - kCloseAlphaStep * i, i * step);
        if (!a.Pause(kWipePause)) return false;
    }
    return true;
}

}  // namespace

void CanvasHost::Show(int showEffect, int duration) {
    const Handle self = handle;
    PumpMessages();
    if (HostFromHandle(self) != this || !window || !IsWindow(window)) return;
    const HWND w = window;
    const bool ordinary = windowAlpha == -1;

    if (showEffect == effect::kNone || animating) {
        // A close animation leaves an ordinary window layered with an empty
        // picture; showing it like that would show nothing.
        if (ordinary && !animating) RemoveStyle(w, WS_EX_LAYERED, true);
        if (blur)
            SetBlur(w, StillBlurArea(size.cx, size.cy), kBlurEllipse, frameStyle, OrSystem(compositor), osMajorVersion);
        ShowWindow(w, SW_SHOWNORMAL);
        return;
    }

    bool finished = false;
    {
        WindowAnimation a(*this);
        if (ordinary) {
            AddStyle(w, WS_EX_LAYERED, true);
            // A picture frame has no region; the animation must not give it one.
            if (frameStyle != kPictureFrame)
                SetWindowRegion(w, a.width(), a.height(), kRegionInset, kRegionEllipse, frameStyle);
        }
        busy = 1;
        if (a.Ready()) {
            a.Clear();
            a.Push();
        }
        ShowWindow(w, SW_SHOWNORMAL);
        if (a.Ready()) {
            a.BlurOff();
            a.RequireVisible();
            if (ShowFrames(a, showEffect, duration)) {
                a.Clear();
                a.BlendAll(kOpaque);
                a.Push();
                a.Blur(StillBlurArea(a.width(), a.height()));
                finished = true;
            }
        } else {
            finished = true;
        }
        if (a.HostAlive() && IsWindow(w) && ordinary) RemoveStyle(w, WS_EX_LAYERED, true);
    }
    if (finished && HostFromHandle(self) == this && window == w) Present();
}

void CanvasHost::PlayCloseEffect() {
    if (closeEffect == effect::kNone || animating || !window || !back.dc()) return;
    // Nothing to animate on a window the user cannot see.
    if (!IsWindowVisible(window) || IsIconic(window)) return;
    const HWND w = window;
    WindowAnimation a(*this);
    if (!a.Ready()) return;
    a.Clear();
    a.BlendAll(kOpaque);
    if (windowAlpha == -1) AddStyle(w, WS_EX_LAYERED, true);  // it stays layered: it is about to go
    a.Push();
    busy = 1;
    if (!CloseFrames(a, closeEffect)) return;
    a.Clear();
    a.Push();
}

}  // namespace canvas
