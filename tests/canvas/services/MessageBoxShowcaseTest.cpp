// Not a check: message boxes left on screen one after another for a person
// to look at or to take screenshots of.
//
//     test_canvas_services --gtest_also_run_disabled_tests --gtest_filter=*Showcase*
//
// Each box stays up LANVO_SHOWCASE_MS (default 1500 ms). With LANVO_SHOT_DIR
// set to a folder, each box instead writes "<name>.req" there and waits (at
// most 20 s) for "<name>.done", so a script can take a screenshot meanwhile.
#include "MessageBoxDriver.h"
#include "TestWindow.h"

#include "canvas/services/MessageBox.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace canvas;
using box_driver::After;
using box_driver::OpenBox;

namespace {

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Keeps the box up for a person or a screenshot, then closes it.
void Present(HWND box, const std::string& name) {
    constexpr UINT kSettleMs = 300;  // the box is on screen and painted by then
    After(kSettleMs, [box, name] {
        if (const char* dir = std::getenv("LANVO_SHOT_DIR")) {
            const std::string base = std::string(dir) + "\\" + name;
            if (HANDLE f = CreateFileA((base + ".req").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
                f != INVALID_HANDLE_VALUE)
                CloseHandle(f);
            for (int waited = 0; waited < 20000 && !FileExists(base + ".done"); waited += 50) Sleep(50);
        } else {
            const char* ms = std::getenv("LANVO_SHOWCASE_MS");
            Sleep(ms ? static_cast<DWORD>(std::atoi(ms)) : 1500);
        }
        box_driver::PressKey(box, VK_ESCAPE);
    });
}

std::string Lines(int count) {
    std::string s;
    for (int i = 1; i <= count; ++i)
        s += (i > 1 ? "\r\n" : "") + std::string("第") + std::to_string(i) + "行：消息框会随文字长高。";
    return s;
}

}  // namespace

TEST(MessageBoxShowcase, DISABLED_BoxesOfEveryKind) {
    const struct {
        const char* name;
        int icon;
    } icons[] = {{"icon-stop", boxIcon::kStop},
                 {"icon-question", boxIcon::kQuestion},
                 {"icon-exclamation", boxIcon::kExclamation},
                 {"icon-information", boxIcon::kInformation},
                 {"icon-fifth", boxIcon::kFifth}};
    for (const auto& i : icons)
        OpenBox(nullptr, "请输入QQ号码！", {.icon = i.icon, .sound = false}, [&](HWND box) { Present(box, i.name); });

    OpenBox(nullptr, "今日访客：123　总访客：45678　日志：9（待审核 1）　留言：321（待审核 0）　说说：88",
            {.buttons = boxButtons::kOkCancel, .icon = boxIcon::kInformation, .sound = false},
            [](HWND box) { Present(box, "long-line"); });
    OpenBox(nullptr, Lines(10), {.buttons = boxButtons::kAbortRetryIgnore, .sound = false},
            [](HWND box) { Present(box, "many-lines"); });

    // An owner with a host and the main background: the box takes its look.
    testing_support::TestWindow owner(510, 339, {.picture = resources::ResourceBytes(resources::kMainBackground)},
                                      WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX);
    SetWindowTextA(owner.hwnd, "Lanvo");
    SetWindowPos(owner.hwnd, nullptr, 385, 340, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    owner.host.Show(0);
    OpenBox(owner.hwnd, "发现新版本，是否现在更新？", {.buttons = boxButtons::kYesNoCancel, .icon = boxIcon::kQuestion,
                                                       .sound = false, .centreOnOwner = true},
            [](HWND box) { Present(box, "owner-look-set3"); });

    std::string huge;
    for (int i = 0; i < 400; ++i) huge += "很长很长的一段文字，";
    OpenBox(nullptr, huge, {.icon = boxIcon::kExclamation, .sound = false}, [](HWND box) { Present(box, "huge"); });
}
