// What a message box answers: every button of every set, the keyboard, and
// the ways of closing it without a button.
#include "MessageBoxDriver.h"

#include "canvas/controls/CaptionButton.h"
#include "canvas/services/MessageBox.h"
#include "canvas/services/MessageBoxWindow.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace canvas;
using box_driver::After;
using box_driver::OpenBox;

namespace {

constexpr UINT kSoon = 30;  // ms: the box's loop is running by then

std::string FocusedCaption(HWND box) {
    const CanvasHost* host = HostOfWindow(box);
    const auto* b = host ? dynamic_cast<const Button*>(ControlFromHandle(host->focus)) : nullptr;
    return b ? b->text : std::string();
}

struct SetCase {
    int set;
    std::vector<std::string> captions;  // left to right
    std::vector<int> values;            // of the same buttons
};

const SetCase kSets[] = {
    {boxButtons::kOk, {"确认"}, {0}},
    {boxButtons::kOkCancel, {"确认", "取消"}, {0, 1}},
    {boxButtons::kAbortRetryIgnore, {"放弃", "重试", "忽略"}, {2, 3, 4}},
    {boxButtons::kYesNoCancel, {"是(&Y)", "否(&N)", "取消"}, {5, 6, 1}},
    {boxButtons::kYesNo, {"是(&Y)", "否(&N)"}, {5, 6}},
    {boxButtons::kRetryCancel, {"重试", "取消"}, {3, 1}},
};

}  // namespace

TEST(MessageBoxAnswer, EveryButtonOfEverySetAnswersItsValue) {
    for (const SetCase& c : kSets) {
        for (std::size_t i = 0; i < c.captions.size(); ++i) {
            SCOPED_TRACE("set " + std::to_string(c.set) + ", button " + std::to_string(i));
            std::vector<std::string> captions;
            std::string focused;
            const auto opened = OpenBox(nullptr, "选一个", {.buttons = c.set}, [&](HWND box) {
                captions = box_driver::CaptionsOf(box);
                focused = FocusedCaption(box);
                After(kSoon, [box, i] { box_driver::ClickButton(box, i); });
            });
            EXPECT_FALSE(opened.timedOut);
            EXPECT_EQ(opened.result, c.values[i]);
            EXPECT_EQ(captions, c.captions);
            // The default focus is position 1: the rightmost button.
            EXPECT_EQ(focused, c.captions.back());
            EXPECT_FALSE(IsWindow(opened.box));
        }
    }
}

TEST(MessageBoxAnswer, ClosedWithoutAButtonAnswersOneInAnySet) {
    struct Way {
        const char* name;
        void (*close)(HWND box);
    };
    const Way ways[] = {
        {"Escape", [](HWND box) { box_driver::PressKey(box, VK_ESCAPE); }},
        {"close button",
         [](HWND box) {
             const CanvasHost* host = HostOfWindow(box);
             ASSERT_TRUE(host && !host->captionButtons.empty());
             box_driver::ClickAt(box, host->captionButtons.front()->bounds);
         }},
        {"window destroyed", [](HWND box) { DestroyWindow(box); }},
        {"system close", [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    // Sets 0 and 4 have no button whose value is 1.
    for (const int set : {boxButtons::kOk, boxButtons::kYesNo}) {
        for (const Way& way : ways) {
            SCOPED_TRACE(std::string(way.name) + " in set " + std::to_string(set));
            const auto opened = OpenBox(nullptr, "关掉我", {.buttons = set}, [&](HWND box) {
                After(kSoon, [box, close = way.close] { close(box); });
            });
            EXPECT_FALSE(opened.timedOut);
            EXPECT_EQ(opened.result, boxResult::kCancel);
            EXPECT_FALSE(IsWindow(opened.box));
        }
    }
}

TEST(MessageBoxAnswer, KeyboardClicksTheFocusedButtonOrTheAccessKey) {
    struct KeyCase {
        const char* name;
        int set;
        std::optional<int> defaultButton;
        UINT message;
        WPARAM key;
        std::string focused;  // "" = none
        int expected;
    };
    const KeyCase cases[] = {
        {"Enter on the default", boxButtons::kYesNo, {}, WM_KEYDOWN, VK_RETURN, "否(&N)", boxResult::kNo},
        {"Space on the default", boxButtons::kOkCancel, {}, WM_KEYDOWN, VK_SPACE, "取消", boxResult::kCancel},
        {"Enter on position 3", boxButtons::kYesNoCancel, 3, WM_KEYDOWN, VK_RETURN, "是(&Y)", boxResult::kYes},
        {"Enter on position 2", boxButtons::kAbortRetryIgnore, 2, WM_KEYDOWN, VK_RETURN, "重试", boxResult::kRetry},
        {"Alt+Y", boxButtons::kYesNoCancel, {}, WM_SYSKEYDOWN, 'Y', "取消", boxResult::kYes},
        {"Alt+N", boxButtons::kYesNo, {}, WM_SYSKEYDOWN, 'N', "否(&N)", boxResult::kNo},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string focused;
        const auto opened =
            OpenBox(nullptr, "按键", {.buttons = c.set, .defaultButton = c.defaultButton}, [&](HWND box) {
                focused = FocusedCaption(box);
                After(kSoon, [box, &c] { PostMessageA(box, c.message, c.key, 1); });
            });
        EXPECT_FALSE(opened.timedOut);
        EXPECT_EQ(focused, c.focused);
        EXPECT_EQ(opened.result, c.expected);
    }
}

TEST(MessageBoxAnswer, DefaultButtonOutOfRangeLeavesTheFocusAlone) {
    for (const int defaultButton : {0, -1, 4, 1000}) {
        SCOPED_TRACE(defaultButton);
        std::string focused = "?";
        const auto opened = OpenBox(nullptr, "没有焦点", {.buttons = boxButtons::kYesNoCancel, .defaultButton = defaultButton},
                                    [&](HWND box) {
                                        focused = FocusedCaption(box);
                                        // Enter then finds no button to click; Escape closes.
                                        After(kSoon, [box] {
                                            box_driver::PressKey(box, VK_RETURN);
                                            box_driver::PressKey(box, VK_ESCAPE);
                                        });
                                    });
        EXPECT_FALSE(opened.timedOut);
        EXPECT_EQ(focused, "");
        EXPECT_EQ(opened.result, boxResult::kCancel);
    }
}

TEST(MessageBoxAnswer, ButtonTextsReplaceCaptionsAndKeepTheSetsValues) {
    struct TextCase {
        const char* name;
        int set;
        std::vector<std::string> texts;     // position 1 first
        std::vector<std::string> captions;  // left to right
        std::size_t click;                  // from the left; past the end: Escape
        int expected;
    };
    const TextCase cases[] = {
        {"as many as the set", boxButtons::kYesNo, {"不要", "好的"}, {"好的", "不要"}, 0, boxResult::kYes},
        {"fewer: position 1 only", boxButtons::kYesNoCancel, {"算了"}, {"算了"}, 0, boxResult::kCancel},
        {"more: the extra ones are ignored", boxButtons::kOk, {"知道了", "多余", "又多余", "还有"}, {"知道了"}, 0,
         boxResult::kOk},
        {"more than a two-button set", boxButtons::kRetryCancel, {"放弃吧", "再来", "第三个"}, {"再来", "放弃吧"}, 0,
         boxResult::kRetry},
        {"none given: no buttons", boxButtons::kYesNo, {}, {}, 9, boxResult::kCancel},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> captions;
        const auto opened = OpenBox(nullptr, "自定义按钮", {.buttons = c.set, .buttonTexts = c.texts}, [&](HWND box) {
            captions = box_driver::CaptionsOf(box);
            After(kSoon, [box, &c] {
                if (c.click < box_driver::ButtonsOf(box).size()) {
                    box_driver::ClickButton(box, c.click);
                } else {
                    box_driver::PressKey(box, VK_ESCAPE);
                }
            });
        });
        EXPECT_FALSE(opened.timedOut);
        EXPECT_EQ(captions, c.captions);
        EXPECT_EQ(opened.result, c.expected);
    }
}

TEST(MessageBoxAnswer, AnUnknownSetGetsTheOkButton) {
    for (const int set : {-1, 6, 99}) {
        SCOPED_TRACE(set);
        std::vector<std::string> captions;
        const auto opened = OpenBox(nullptr, "未知", {.buttons = set}, [&](HWND box) {
            captions = box_driver::CaptionsOf(box);
            After(kSoon, [box] { box_driver::ClickButton(box, 0); });
        });
        EXPECT_EQ(captions, std::vector<std::string>{"确认"});
        EXPECT_EQ(opened.result, boxResult::kOk);
    }
}

// A button decides only the box that made it: a tag naming anything else
// (another box, no box, a number that is not a handle) still closes the box
// but writes nowhere.
TEST(MessageBoxAnswer, AClickWritesOnlyIntoTheBoxNamedByItsOwnTag) {
    struct TagCase {
        const char* name;
        std::string (*forge)(const BoxButtonTag& own);
    };
    const TagCase cases[] = {
        {"no such box", [](const BoxButtonTag& t) { return "4000000000|" + std::to_string(t.value) + "|1"; }},
        {"zero", [](const BoxButtonTag& t) { return "0|" + std::to_string(t.value) + "|1"; }},
        {"a neighbouring handle",
         [](const BoxButtonTag& t) { return std::to_string(t.box + 1) + "|" + std::to_string(t.value) + "|1"; }},
        {"two fields", [](const BoxButtonTag& t) { return std::to_string(t.box) + "|" + std::to_string(t.value); }},
        {"not numbers", [](const BoxButtonTag&) { return std::string("a|b|c"); }},
    };
    for (const TagCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string own;
        const auto opened = OpenBox(nullptr, "标签", {.buttons = boxButtons::kYesNo}, [&](HWND box) {
            Button* yes = box_driver::ButtonsOf(box).at(0);
            own = yes->tag;
            const auto tag = ParseBoxButtonTag(own);
            ASSERT_TRUE(tag);
            yes->Tag(c.forge(*tag));
            After(kSoon, [box] { box_driver::ClickButton(box, 0); });
        });
        EXPECT_FALSE(opened.timedOut);
        EXPECT_EQ(opened.result, boxResult::kCancel);
        // What the box wrote itself: "<box>|5|2" (Yes is position 2 of set 4).
        const auto tag = ParseBoxButtonTag(own);
        ASSERT_TRUE(tag);
        EXPECT_NE(tag->box, 0u);
        EXPECT_EQ(tag->value, boxResult::kYes);
        EXPECT_EQ(tag->position, 2);
    }
}

// onCreated runs before the box shows; a box gone by then is not shown and
// not waited for.
TEST(MessageBoxAnswer, ABoxClosedBeforeItShowsAnswersOneAtOnce) {
    const struct {
        const char* name;
        void (*close)(HWND box);
    } ways[] = {
        {"destroyed", [](HWND box) { DestroyWindow(box); }},
        {"closed", [](HWND box) { SendMessageA(box, WM_CLOSE, 0, 0); }},
        {"Escape waiting", [](HWND box) { box_driver::PressKey(box, VK_ESCAPE); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        const ULONGLONG start = GetTickCount64();
        const auto opened = OpenBox(nullptr, "马上关闭", {.buttons = boxButtons::kYesNo}, way.close);
        EXPECT_FALSE(opened.timedOut);
        EXPECT_EQ(opened.result, boxResult::kCancel);
        EXPECT_FALSE(IsWindow(opened.box));
        EXPECT_LT(GetTickCount64() - start, 2000u);
    }
}
