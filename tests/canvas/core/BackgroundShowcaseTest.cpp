// Not a check: three window looks left on screen for a person to look at or
// to take a screenshot of: an ordinary window with the main background
// stretched and a full caption, a layered window at alpha 210 without a
// picture, and a picture-frame window drawn from a nine-grid.
//
//     test_canvas_core --gtest_also_run_disabled_tests --gtest_filter=*BackgroundShowcase*
//
// The windows stay up LANVO_SHOWCASE_MS (default 3000 ms). With LANVO_SHOT_DIR
// set to a folder, the test instead writes "backgrounds.req" there and waits
// (at most 20 s) for "backgrounds.done", so a script can take a screenshot.
#include "TestWindow.h"

#include "canvas/controls/Drawing.h"
#include "canvas/services/Text.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace canvas;
using testing_support::TestWindow;

namespace {

const CLSID kPngEncoder{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void PumpFor(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    while (static_cast<int>(end - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
}

// Keeps the windows up for a person or a screenshot.
void Present(const std::string& name) {
    PumpFor(300);  // shown and painted by then
    if (const char* dir = std::getenv("LANVO_SHOT_DIR")) {
        const std::string base = std::string(dir) + "\\" + name;
        if (HANDLE f = CreateFileA((base + ".req").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            f != INVALID_HANDLE_VALUE)
            CloseHandle(f);
        for (int waited = 0; waited < 20000 && !FileExists(base + ".done"); waited += 50) PumpFor(50);
    } else {
        const char* ms = std::getenv("LANVO_SHOWCASE_MS");
        PumpFor(ms ? static_cast<DWORD>(std::atoi(ms)) : 3000);
    }
}

// A 48 x 48 frame picture with see-through rounded corners, a dark rim, a
// light inner line and a soft vertical gradient, as PNG bytes.
std::vector<std::uint8_t> FramePicture() {
    constexpr int kSize = 48;
    GpBitmap* bitmap = nullptr;
    GdipCreateBitmapFromScan0(kSize, kSize, 0, PixelFormat32bppARGB, nullptr, &bitmap);
    const GdipImagePtr image(AsImage(bitmap));
    GpGraphics* raw = nullptr;
    GdipGetImageGraphicsContext(image.get(), &raw);
    const GdipGraphicsPtr g(raw);
    GdipSetSmoothingMode(raw, Gdiplus::SmoothingModeAntiAlias);
    GdipGraphicsClear(raw, 0);
    const GdipPathPtr outline = CreateRoundRectPath({0, 0, kSize + 1, kSize + 1}, 16);
    GdipSetClipPath(raw, outline.get(), Gdiplus::CombineModeReplace);
    FillGradientRect(raw, {0, 0, kSize + 1, kSize + 1}, 0xF0F4F7FB, 0xF0D5E1EE);
    FillGradientRect(raw, {0, 0, kSize + 1, 26}, 0xF02F6FB5, 0xF0548FD0);  // the caption band
    GdipResetClip(raw);
    DrawRoundRect(raw, {0, 0, kSize, kSize}, 14, 0xC0203A5A);
    DrawRoundRect(raw, {1, 1, kSize - 2, kSize - 2}, 12, 0x80FFFFFF);

    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    GdipSaveImageToStream(image.get(), stream, &kPngEncoder, nullptr);
    std::vector<std::uint8_t> bytes;
    HGLOBAL memory = nullptr;
    GetHGlobalFromStream(stream, &memory);
    if (const auto* data = static_cast<const std::uint8_t*>(GlobalLock(memory))) {
        bytes.assign(data, data + GlobalSize(memory));
        GlobalUnlock(memory);
    }
    stream->Release();
    return bytes;
}

// Without a compositor the screen shows no partial alpha: the back buffer
// over a light backdrop, saved as "<name>.png" in LANVO_SHOT_DIR, shows the
// shadow and the soft edges as a desktop would.
void SaveOverBackdrop(const Surface& back, const std::string& name) {
    const char* dir = std::getenv("LANVO_SHOT_DIR");
    if (!dir || !back.bits()) return;
    GdiFlush();
    const int w = back.width(), h = back.height();
    constexpr int kMargin = 20;
    GpBitmap* canvasRaw = nullptr;
    GdipCreateBitmapFromScan0(w + 2 * kMargin, h + 2 * kMargin, 0, PixelFormat32bppARGB, nullptr, &canvasRaw);
    const GdipImagePtr canvas(AsImage(canvasRaw));
    GpGraphics* raw = nullptr;
    GdipGetImageGraphicsContext(canvas.get(), &raw);
    const GdipGraphicsPtr g(raw);
    GdipGraphicsClear(raw, 0xFFE6E9EE);
    // The DIB is bottom-up: start at its last row and step backwards.
    auto* lastRow = const_cast<std::uint32_t*>(back.bits() + static_cast<size_t>(w) * (h - 1));
    GpBitmap* pixels = nullptr;
    GdipCreateBitmapFromScan0(w, h, -w * 4, PixelFormat32bppPARGB, reinterpret_cast<BYTE*>(lastRow), &pixels);
    const GdipImagePtr window(AsImage(pixels));
    GdipDrawImageRectI(raw, window.get(), kMargin, kMargin, w, h);
    const std::wstring path = ToWide(std::string(dir) + "\\" + name + ".png");
    GdipSaveImageToFile(canvas.get(), path.c_str(), &kPngEncoder, nullptr);
}

}  // namespace

TEST(BackgroundShowcase, DISABLED_ThreeLooks) {
    const auto background = resources::ResourceBytes(resources::kMainBackground);
    ASSERT_FALSE(background.empty());

    TestWindow ordinary(520, 360,
                        {.picture = background, .captionFlags = 1 | 2 | 4 | 16 | 128, .pictureMode = 1,
                         .frameStyle = 7},
                        WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX);
    ASSERT_TRUE(ordinary.attached);
    if (HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), resources::kProgramIcon, IMAGE_ICON, 16, 16, 0))) {
        SendMessageA(ordinary.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        ordinary.host.PaintBackground({.presentMode = CanvasHost::kPresentNow});
    }
    SetWindowTextA(ordinary.hwnd, "Lanvo 背景 stretched");
    SetWindowPos(ordinary.hwnd, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    TestWindow layered(380, 250, {.themeColour = 0x7A4A1E, .captionFlags = 0, .windowAlpha = 210});
    ASSERT_TRUE(layered.attached);
    SetWindowPos(layered.hwnd, nullptr, 580, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    const auto frame = FramePicture();
    TestWindow nineGrid(360, 240,
                        {.picture = frame, .captionFlags = 0, .windowAlpha = 255, .frameStyle = 1,
                         .pictureCentre = {16, 28, 32, 32}});
    ASSERT_TRUE(nineGrid.attached);
    SetWindowPos(nineGrid.hwnd, nullptr, 580, 310, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    ordinary.host.Show(0);
    layered.host.Show(1);
    nineGrid.host.Show(7);
    SaveOverBackdrop(ordinary.host.back, "back-ordinary");
    SaveOverBackdrop(layered.host.back, "back-layered");
    SaveOverBackdrop(nineGrid.host.back, "back-nine-grid");
    Present("backgrounds");
}
