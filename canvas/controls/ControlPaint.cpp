#include "canvas/controls/ControlPaint.h"

#include "canvas/core/CanvasControl.h"
#include "canvas/core/CanvasHost.h"

namespace canvas {
namespace {

constexpr ARGB kClearColour = 0x00FFFFFF;  // fully transparent

// The host that carries the control, when both are still attached.
CanvasHost* AttachedHost(const CanvasControl& control) {
    if (!control.handle || !control.hostWindow) return nullptr;
    CanvasHost* host = control.HostObject();
    if (!host || HostOfWindow(control.hostWindow) != host) return nullptr;
    return host;
}

// The control's old look, to fade out from.
void TakeSnapshot(CanvasControl& control) {
    GpBitmap* bitmap = control.bitmapHandle();
    if (!bitmap) return;
    UINT width = 0, height = 0;
    GdipGetImageWidth(control.bitmap.get(), &width);
    GdipGetImageHeight(control.bitmap.get(), &height);
    GpBitmap* copy = nullptr;
    GdipCloneBitmapArea(0, 0, static_cast<float>(width), static_cast<float>(height), PixelFormat32bppARGB, bitmap,
                        &copy);
    control.fadeSnapshot.reset(AsImage(copy));
}

}  // namespace

bool BeginControlPaint(CanvasControl& control, PaintContext& ctx) {
    ctx.rect = {0, 0, control.bounds.width, control.bounds.height};
    CanvasHost* host = AttachedHost(control);
    if (!host) return false;

    ctx.window = control.hostWindow;
    ctx.graphics = control.graphics.get();
    ctx.refs = {host, host->windowDc, host->back.dc(), host->back.graphics(), control.bitmapHandle()};
    ctx.cleared = 1;

    control.fadeSnapshot.reset();
    if (!host->busy && control.fadePeriod > 0) {
        KillTimer(ctx.window, control.handle);
        if (control.fadeLevel != control.opacity) TakeSnapshot(control);
    }
    if (ctx.graphics) GdipGraphicsClear(ctx.graphics, kClearColour);
    return true;
}

void EndControlPaint(CanvasControl& control, const PaintContext& ctx) {
    if (!ctx.window || !control.handle) return;
    SendMessageA(ctx.window, hostmsg::kQueueRedraw, RedrawQueue::kAppend, reinterpret_cast<LPARAM>(&control.bounds));
    if (control.fadePeriod > 0) StartControlTimer(ctx.window, control.handle, control.fadePeriod);
}

bool StartControlTimer(HWND window, Handle id, int periodMs) {
    if (!window || periodMs <= 0) return false;
    return SetTimer(window, id, static_cast<UINT>(periodMs), nullptr) != 0;
}

}  // namespace canvas
