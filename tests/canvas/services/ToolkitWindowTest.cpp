#include "canvas/services/Toolkit.h"

#include <gtest/gtest.h>

using namespace canvas;

TEST(ToolkitWindow, CreatedWithoutPlaceOrSizeIsCentredAt380By250) {
    WorkArea work;
    ASSERT_TRUE(GetWorkArea(work));
    HWND hwnd = CreateTopLevelWindow({.title = "t"});
    ASSERT_NE(hwnd, nullptr);
    RECT rc;
    GetWindowRect(hwnd, &rc);
    EXPECT_EQ(rc.right - rc.left, 380);
    EXPECT_EQ(rc.bottom - rc.top, 250);
    EXPECT_EQ(rc.left, work.left + (work.width - 380) / 2);
    EXPECT_EQ(rc.top, work.top + (work.height - 250) / 2);
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    EXPECT_STREQ(cls, "Ux_Canvas");
    EXPECT_EQ(GetClassLongA(hwnd, GCL_STYLE) & CS_DBLCLKS, static_cast<DWORD>(CS_DBLCLKS));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    DestroyWindow(hwnd);
}

TEST(ToolkitWindow, GivenPlaceAndSizeAreKept) {
    HWND hwnd = CreateTopLevelWindow({.title = "t", .x = 10, .y = 20, .width = 200, .height = 100, .show = true});
    ASSERT_NE(hwnd, nullptr);
    RECT rc;
    GetWindowRect(hwnd, &rc);
    EXPECT_EQ(rc.left, 10);
    EXPECT_EQ(rc.top, 20);
    EXPECT_EQ(rc.right - rc.left, 200);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    DestroyWindow(hwnd);
}

TEST(ToolkitWindow, OddSizesCentreByTruncation) {
    WorkArea work;
    ASSERT_TRUE(GetWorkArea(work));
    HWND hwnd = CreateTopLevelWindow({.title = "t", .width = 201, .height = 99});
    RECT rc;
    GetWindowRect(hwnd, &rc);
    EXPECT_EQ(rc.left, static_cast<int>(work.left + (work.width - 201) / 2.0));
    EXPECT_EQ(rc.top, static_cast<int>(work.top + (work.height - 99) / 2.0));
    DestroyWindow(hwnd);
}
