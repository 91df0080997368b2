// The invisible resize border of a resizable window.
#include "InputTestWindow.h"

#include <gtest/gtest.h>

using namespace canvas;
using namespace input_test;

namespace {

constexpr int kWidth = 400, kHeight = 300;

HCURSOR SystemCursor(LPCSTR id) { return LoadCursorA(nullptr, id); }

class InputResize : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(w.attached);
        ASSERT_EQ(w.host.size.cx, kWidth);
        ASSERT_EQ(w.host.size.cy, kHeight);
    }
    // Moves the mouse from a known cursor; the cursor shown afterwards.
    HCURSOR CursorAfterMove(int x, int y) {
        SetCursor(SystemCursor(IDC_ARROW));
        w.Move(x, y);
        return GetCursor();
    }
    InputWindow w{{.captionFlags = 0, .resizable = 1}, kWidth, kHeight};
};

TEST_F(InputResize, ZonesShowTheirCursorAndAPressAsksForTheSizingLoop) {
    struct Case {
        int x, y;
        LPCSTR cursor;  // null: no zone
        int zone;
    };
    const Case cases[] = {
        {5, 5, IDC_SIZENWSE, WMSZ_TOPLEFT},
        {5, 100, IDC_SIZEWE, WMSZ_LEFT},
        {395, 5, IDC_SIZENESW, WMSZ_TOPRIGHT},
        {200, 7, IDC_SIZENS, WMSZ_TOP},
        {200, 8, nullptr, 0},
        {9, 291, IDC_SIZENESW, WMSZ_BOTTOMLEFT},
        {395, 295, IDC_SIZENWSE, WMSZ_BOTTOMRIGHT},
        {200, 291, IDC_SIZENS, WMSZ_BOTTOM},
        {200, 290, nullptr, 0},  // y > h - 10 is strict
        {7, 100, IDC_SIZEWE, WMSZ_LEFT},
        {8, 100, nullptr, 0},
        {391, 100, IDC_SIZEWE, WMSZ_RIGHT},
        {390, 100, nullptr, 0},
        {9, 5, IDC_SIZENWSE, WMSZ_TOPLEFT},  // the corners are 10 wide
        {200, 100, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
        EXPECT_EQ(CursorAfterMove(c.x, c.y), SystemCursor(c.cursor ? c.cursor : IDC_ARROW));
        w.swallowed.clear();
        w.host.DragAnywhere(0);
        w.Down(c.x, c.y);
        w.Up(c.x, c.y);
        EXPECT_EQ(w.SwallowedCount(WM_SYSCOMMAND), c.zone ? 1 : 0);
        if (c.zone) {
            EXPECT_EQ(w.SwallowedCount(WM_SYSCOMMAND, SC_SIZE + c.zone), 1);
        }
    }
}

TEST_F(InputResize, TheBorderWinsOverAControlAndClearsTheHover) {
    Probe& edge = w.Add({0, 50, 100, 100});
    w.Move(50, 100);
    ASSERT_EQ(w.host.hover, edge.handle);
    edge.Forget();
    w.calls.clear();

    w.Move(3, 100);
    EXPECT_EQ(w.host.hover, 0u);
    ASSERT_EQ(edge.Count(notify::kMouseLeave), 1);
    EXPECT_EQ(edge.Of(notify::kMouseLeave)[0].wparam, 0u);
    EXPECT_EQ(edge.Of(notify::kMouseLeave)[0].lparam, 0);
    EXPECT_EQ(edge.Count(WM_MOUSEMOVE), 0);

    w.Down(3, 100);
    EXPECT_EQ(edge.Count(WM_LBUTTONDOWN), 0);
    EXPECT_EQ(w.host.capturing, 0);
    EXPECT_EQ(w.SwallowedCount(WM_SYSCOMMAND, SC_SIZE + WMSZ_LEFT), 1);
}

TEST_F(InputResize, NoZonesWhileCapturingOrMaximisedOrWhenNotResizable) {
    // A drag that started on a control near the edge stays with the control.
    Probe& edge = w.Add({0, 50, 100, 100});
    w.Down(50, 100);
    ASSERT_EQ(w.host.capturing, 1);
    EXPECT_EQ(CursorAfterMove(3, 100), SystemCursor(IDC_ARROW));
    EXPECT_EQ(edge.Count(WM_MOUSEMOVE), 1);
    w.Up(3, 100);

    w.host.resizable = 0;
    EXPECT_EQ(CursorAfterMove(5, 5), SystemCursor(IDC_ARROW));
    w.host.resizable = 1;

    ShowWindow(w.hwnd, SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(w.hwnd));
    w.swallowed.clear();
    EXPECT_EQ(CursorAfterMove(5, 5), SystemCursor(IDC_ARROW));
    EXPECT_EQ(CursorAfterMove(5, 100), SystemCursor(IDC_ARROW));
    w.Down(5, 5);
    EXPECT_EQ(w.SwallowedCount(WM_SYSCOMMAND), 0);
    EXPECT_EQ(w.DragsStarted(), 1);  // the background takes the press instead
}

}  // namespace
