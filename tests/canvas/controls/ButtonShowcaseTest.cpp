// Not a check: a window with the controls of this folder in their states,
// left on screen for a person to look at (or to take a screenshot of).
//
//     test_canvas_controls --gtest_also_run_disabled_tests --gtest_filter=*Showcase*
//
// LANVO_SHOWCASE_MS sets how long it stays up (default 4000 ms).
#include "MessagePump.h"
#include "TestWindow.h"

#include "canvas/controls/Button.h"
#include "canvas/controls/CaptionButton.h"
#include "canvas/controls/Drawing.h"
#include "canvas/controls/Label.h"
#include "canvas/controls/TextDrawing.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

using namespace canvas;

TEST(ButtonShowcase, DISABLED_ControlsInAllStates) {
    const char* ms = std::getenv("LANVO_SHOWCASE_MS");
    const DWORD showFor = ms ? static_cast<DWORD>(std::atoi(ms)) : 4000;

    const HWND hwnd = CreateTopLevelWindow({.title = "控件一览 Controls", .x = 20, .y = 20, .width = 620, .height = 420,
                                            .style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX});
    CanvasHost host;
    ASSERT_TRUE(host.Attach(hwnd, {.picture = resources::ResourceBytes(resources::kMainBackground)}));

    std::vector<std::unique_ptr<Button>> buttons;
    const char* captions[] = {"查人气(&Q)", "Hot 热", "Pressed 按下", "&Focused"};
    for (int i = 0; i < 4; ++i) {
        auto b = std::make_unique<Button>();
        b->Create(hwnd, 20 + i * 100, 45, 88, 32, captions[i]);
        buttons.push_back(std::move(b));
    }
    host.SetFocus(buttons[3]->handle, true);
    buttons[1]->Paint(textState::kHot, 255);
    buttons[2]->Paint(textState::kPressed, 255);
    auto square = std::make_unique<Button>();
    square->Create(hwnd, 420, 45, 88, 32, "方形 square", {.rounded = 0});
    buttons.push_back(std::move(square));
    auto wide = std::make_unique<Button>();
    wide->Create(hwnd, 520, 45, 60, 32, "一个很长的按钮标题");
    buttons.push_back(std::move(wide));

    std::vector<std::unique_ptr<Label>> labels;
    const auto add = [&](int x, int y, int w, int h, const char* text, LabelOptions o, int valign = 1) {
        auto l = std::make_unique<Label>();
        l->Create(hwnd, x, y, w, h, text, o);
        l->VerticalAlign(valign);
        labels.push_back(std::move(l));
    };
    add(20, 95, 180, 30, "左对齐 left", {.backMode = 1, .backColour1 = 0xC0FFFFFF, .backColour2 = 0x60FFFFFF, .border = border::kSingle});
    add(210, 95, 180, 30, "居中 centre", {.backMode = 0, .backColour1 = 0xC0FFE0A0, .backColour2 = 0xC0A0E0FF, .alignment = 1, .border = border::kSunken});
    add(400, 95, 180, 30, "右对齐 right", {.backMode = -1, .alignment = 2, .border = border::kRaised});
    add(20, 135, 180, 40, "顶部 top", {.border = border::kDashed}, 0);
    add(210, 135, 180, 40, "底部 bottom", {.border = 0xFFFF0000}, 2);
    add(400, 135, 180, 40, "A&B 不是快捷键", {.backMode = 1, .backColour1 = 0xFF336699, .backColour2 = 0xFF112233, .autoTextColour = 1, .border = border::kSingle});
    add(20, 185, 270, 70,
        "自动换行的一段文字：欢迎使用本程序，这里的文字会在标签内换行，超出底部的部分被裁掉。Word wrap runs on.",
        {.backMode = 1, .backColour1 = 0x80FFFFFF, .backColour2 = 0x40FFFFFF, .wordWrap = 1});
    add(310, 185, 270, 32, "发光 Glow 文字", {.textColour = 0xFAFFFFFF, .fontSize = 16, .effect = textEffect::kGlow});
    add(310, 222, 270, 32, "描边 Outline 文字", {.textColour = 0xFAFFFFFF, .fontSize = 16, .effect = textEffect::kOutline});
    add(20, 265, 270, 28, "黑字发光 dark glow", {.fontSize = 14, .effect = textEffect::kGlow});
    add(310, 265, 270, 28, "黑字描边 dark outline", {.fontSize = 14, .effect = textEffect::kOutline});
    add(20, 300, 560, 24, "这是一个很长很长的标签，没有自动换行，所以它在标签的右边被裁掉而不会换到下一行去。", {.backMode = 0, .backColour1 = 0, .backColour2 = 0});

    // Caption buttons: close hot, minimise pressed, maximise normal.
    for (auto& control : host.captionButtons) {
        auto& button = dynamic_cast<CaptionButton&>(*control);
        if (button.Kind() == captionButton::kClose) button.Paint(captionState::kHot, true, 255);
        if (button.Kind() == captionButton::kMinimize) button.Paint(captionState::kPressed, true, 255);
    }

    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    testing_support::PumpUntil([] { return false; }, showFor);
    DestroyWindow(hwnd);
}
