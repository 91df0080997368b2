#include "runtime/SaveFileDialog.h"

#include <gtest/gtest.h>

#include <string>

using runtime::SaveFileDialog;

namespace {

constexpr int kFileNameEdit = 0x480;   // edt1
constexpr int kFileNameCombo = 0x47c;  // cmb13

// What the timer that answers the dialog saw and does.
struct Answer {
    std::string typed;  // empty: cancel
    std::string title;
    bool found = false;
} answer;

BOOL CALLBACK FindVisibleDialog(HWND hwnd, LPARAM out) {
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(out) = hwnd;
    return FALSE;
}

HWND FindDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs inside the dialog's own loop: answers as the user would.
void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindDialog();
    if (!dialog) return;
    KillTimer(nullptr, id);
    answer.found = true;
    char title[64] = {};
    GetWindowTextA(dialog, title, sizeof title);
    answer.title = title;
    if (answer.typed.empty()) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    HWND name = GetDlgItem(dialog, kFileNameEdit);
    if (!name) name = GetDlgItem(dialog, kFileNameCombo);
    SetWindowTextA(name, answer.typed.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

std::optional<std::string> RunAnswered(const SaveFileDialog& dialog, std::string typed) {
    answer = {.typed = std::move(typed)};
    SetTimer(nullptr, 0, 50, AnswerDialog);
    return dialog.Run(nullptr);
}

std::string TempPath(const char* name) {
    char dir[MAX_PATH] = {};
    GetTempPathA(sizeof dir, dir);
    return std::string(dir) + name;
}

}  // namespace

TEST(SaveFileDialog, ShowsItsTitleAndAddsTheDefaultExtension) {
    const SaveFileDialog dialog("d", "保存图片", "JPG图片（*.jpg）|*.jpg|Bmp图片（*.bmp）|*.bmp", "jpg");
    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof before, before);

    const auto path = RunAnswered(dialog, TempPath("lanvo-dialog-test"));
    EXPECT_TRUE(answer.found);
    EXPECT_EQ(answer.title, "保存图片");
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, TempPath("lanvo-dialog-test.jpg"));

    // Typed with an extension of its own: kept as typed.
    EXPECT_EQ(RunAnswered(dialog, TempPath("x.bmp")).value_or(""), TempPath("x.bmp"));

    char after[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof after, after);
    EXPECT_STREQ(after, before);
}

TEST(SaveFileDialog, CancelGivesNoPath) {
    const SaveFileDialog dialog("d", "保存图片", "JPG图片（*.jpg）|*.jpg", "jpg");
    EXPECT_FALSE(RunAnswered(dialog, "").has_value());
    EXPECT_TRUE(answer.found);
}
