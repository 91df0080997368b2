#include "TestWindow.h"
#include "canvas/controls/Button.h"
#include "canvas/controls/Label.h"
#include <gtest/gtest.h>
#include <cstdio>
using namespace canvas;
using testing_support::TestWindow;
static unsigned Px(CanvasControl& c, int x, int y) { ARGB a = 0; GdipBitmapGetPixel(c.bitmapHandle(), x, y, &a); return a; }
TEST(ButtonExplore, Dump) {
    TestWindow t(400, 300);
    t.host.themeColour = 0x0000FF;
    for (int rounded : {7, 0}) {
    Button b;
    b.Create(t.hwnd, 20, 20, 88, 32, "&Save", {.rounded = rounded});
    t.Pump();
    std::printf("tw %d th %d font %p\n", b.textWidth, b.textHeight, (void*)b.Font());
    for (int s = 0; s < 4; ++s) {
        b.Paint(s, 255);
        std::printf("state %d\n", s);
        for (int y : {0, 1, 2, 4, 8, 16, 24, 28, 29, 30, 31}) {
            std::printf("y%2d:", y);
            for (int x : {0, 1, 2, 3, 6, 44, 84, 85, 86, 87}) std::printf(" %08x", Px(b, x, y));
            std::printf("\n");
        }
    }
    }
}
