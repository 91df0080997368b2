#include "app/MainWindow.h"
#include "runtime/FormTimer.h"
#include "runtime/SaveFileDialog.h"
#include "runtime/TrayIcon.h"

#include <gtest/gtest.h>

using namespace lanvo;
using runtime::FormWindow;

namespace {

class MainWindowShell : public testing::Test {
protected:
    void SetUp() override {
        main.Load();
        ASSERT_TRUE(main.Form().Alive());
        hwnd = main.Form().Handle();
    }

    // What the shell sends for an action on the tray icon.
    void Tray(UINT mouseMessage) { SendMessageA(hwnd, FormWindow::kTrayMessage, 1, mouseMessage); }
    void Tick() { SendMessageA(hwnd, WM_TIMER, main.Clock().Id(), 0); }

    bool ShellHasIcon() const {
        NOTIFYICONDATAA data{};
        data.cbSize = sizeof data;
        data.hWnd = hwnd;
        data.uID = 1;
        return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    }

    AppObjects objects;
    MainWindow main{objects};
    HWND hwnd = nullptr;
};

}  // namespace

TEST_F(MainWindowShell, TakesTheTemplatesFigures) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    EXPECT_EQ(rc.left, 50);
    EXPECT_EQ(rc.top, 50);
    EXPECT_EQ(rc.right - rc.left, 714);
    EXPECT_EQ(rc.bottom - rc.top, 419);
    char title[32] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ(title, "Lanvo3.0");
    EXPECT_TRUE(IsWindowVisible(hwnd));

    EXPECT_EQ(main.Clock().Name(), "时钟1");
    EXPECT_EQ(main.Clock().Interval(), 0);

    const runtime::SaveFileDialog& dialog = main.SaveDialog();
    EXPECT_EQ(dialog.Name(), "通用对话框1");
    EXPECT_EQ(dialog.Title(), "保存图片");
    EXPECT_EQ(dialog.Filter(), "JPG图片（*.jpg）|*.jpg|Gif图片（*.gif）|*.gif|Bmp图片（*.bmp）|*.bmp");
    EXPECT_EQ(dialog.DefaultExtension(), "jpg");
}

TEST_F(MainWindowShell, CreatedPutsTheTrayIconUpAndKeepsTheWindowHandle) {
    ASSERT_NE(main.Form().Tray(), nullptr);
    EXPECT_EQ(main.Form().Tray()->Tip(), "Lanvo");
    EXPECT_TRUE(ShellHasIcon());
    EXPECT_EQ(objects.mainWindowHandle, hwnd);
}

TEST_F(MainWindowShell, TrayAndWindowShowTheProgramsIcon) {
    EXPECT_NE(main.Form().Tray()->Icon(), nullptr);
    EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(MainWindowShell, MinimisingGoesToTheTrayAndOnlyADoubleClickBringsItBack) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        // The minimise button.
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_FALSE(IsWindowVisible(hwnd));
        EXPECT_TRUE(ShellHasIcon());

        for (UINT nothing : {WM_LBUTTONUP, WM_RBUTTONUP, WM_CONTEXTMENU, WM_LBUTTONDOWN}) {
            Tray(nothing);
            EXPECT_FALSE(IsWindowVisible(hwnd)) << std::hex << nothing;
        }

        Tray(WM_LBUTTONDBLCLK);
        EXPECT_TRUE(IsWindowVisible(hwnd));
        EXPECT_FALSE(IsIconic(hwnd));
        EXPECT_EQ(main.Form().WindowState(), FormWindow::kNormal);
        EXPECT_TRUE(ShellHasIcon());
    }
}

TEST_F(MainWindowShell, ADoubleClickOnTheTrayLeavesAShownWindowAsItIs) {
    Tray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(main.Form().WindowState(), FormWindow::kNormal);
}

TEST_F(MainWindowShell, WelcomeClockTypesFromTheStartEachTimeAndStops) {
    main.StartWelcomeText();
    EXPECT_EQ(main.Clock().Interval(), 100);
    EXPECT_EQ(objects.welcomePos, 1);
    for (int i = 0; i < 3; ++i) Tick();
    EXPECT_EQ(objects.welcomePos, 7);

    // Pressed again while typing: from the start.
    main.StartWelcomeText();
    EXPECT_EQ(objects.welcomePos, 1);
    Tick();
    EXPECT_EQ(objects.welcomePos, 3);

    main.StopWelcomeText();
    EXPECT_EQ(main.Clock().Interval(), 0);
    Tick();  // a late tick of the stopped clock
    EXPECT_EQ(objects.welcomePos, 3);
}

TEST(MainWindow, DestroyingTheObjectTakesItsWindowAlong) {
    AppObjects objects;
    HWND hwnd = nullptr;
    {
        MainWindow main(objects);
        main.Load();
        hwnd = main.Form().Handle();
        ASSERT_TRUE(IsWindow(hwnd));
    }
    EXPECT_FALSE(IsWindow(hwnd));
}
