#include "runtime/FormWindow.h"
#include "runtime/TrayIcon.h"

#include <gtest/gtest.h>

using namespace runtime;

namespace {

// Whether the shell knows the form's icon: only an icon it has can be modified.
bool ShellHasIcon(HWND window) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

FormTemplate Form(const char* iconName) {
    return {.x = 0, .y = 0, .width = 120, .height = 80, .title = "tray", .iconName = iconName};
}

}  // namespace

TEST(TrayIcon, LivesFromAddUntilTheWindowGoes) {
    auto form = FormWindow::Load(Form(nullptr), {});
    HWND hwnd = form->Handle();
    EXPECT_FALSE(ShellHasIcon(hwnd));

    TrayIcon* tray = form->AddTrayIcon("Lanvo");
    ASSERT_NE(tray, nullptr);
    EXPECT_TRUE(tray->Shown());
    EXPECT_EQ(tray->Tip(), "Lanvo");
    EXPECT_TRUE(ShellHasIcon(hwnd));

    // Adding again replaces it: still one icon, with the new tip.
    tray = form->AddTrayIcon("其他");
    EXPECT_TRUE(tray->Shown());
    EXPECT_EQ(form->Tray()->Tip(), "其他");

    form->Destroy();
    EXPECT_FALSE(ShellHasIcon(hwnd));
}

TEST(TrayIcon, AMissingIconResourceStillGivesATrayEntry) {
    auto form = FormWindow::Load(Form("NO_SUCH_ICON"), {});
    TrayIcon* tray = form->AddTrayIcon("Lanvo");
    EXPECT_EQ(tray->Icon(), nullptr);
    EXPECT_TRUE(tray->Shown());
    form->Destroy();
}

TEST(TrayIcon, ComesBackWhenTheTaskBarIsRecreated) {
    auto form = FormWindow::Load(Form(nullptr), {});
    form->AddTrayIcon("Lanvo");
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = form->Handle();
    data.uID = 1;
    Shell_NotifyIconA(NIM_DELETE, &data);  // what a restarting shell loses
    ASSERT_FALSE(ShellHasIcon(form->Handle()));

    SendMessageA(form->Handle(), TrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(ShellHasIcon(form->Handle()));
    EXPECT_TRUE(form->Tray()->Shown());

    // A broadcast while the shell still has the icon keeps it too.
    SendMessageA(form->Handle(), TrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(form->Tray()->Shown());
    form->Destroy();
}
