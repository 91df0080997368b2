#include "runtime/FormLabel.h"
#include "runtime/FormProgressBar.h"
#include "runtime/FormTimer.h"
#include "runtime/FormWindow.h"
#include "runtime/SaveFileDialog.h"
#include "MessagePump.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

using namespace runtime;
using testing_support::PumpPending;
using testing_support::PumpUntil;

namespace {

FormTemplate SmallForm() {
    return {
        .x = 30,
        .y = 40,
        .width = 300,
        .height = 200,
        .title = "表单",
        .style = kDefaultFormStyle | WS_MAXIMIZEBOX,
        .timers = {{.name = "时钟1", .interval = 0}, {.name = "running", .interval = 5000}},
        .saveDialogs = {{.name = "d", .title = "保存", .filter = "A|*.a", .defaultExtension = "a"}},
        .labels = {{.name = "透明标签1", .x = 10, .y = 20, .width = 60, .height = 24, .text = "50% "}},
        .progressBars = {{.name = "进度条1", .x = 0, .y = 32, .width = 200, .height = 24}},
    };
}

// Destroys the form at the end of a test, whatever happened in it.
struct FormGuard {
    std::shared_ptr<FormWindow> form;
    ~FormGuard() {
        if (form) form->Destroy();
    }
    FormWindow* operator->() const { return form.get(); }
};

}  // namespace

TEST(FormWindow, LoadsAtTheTemplatesPlaceOuterSizeAndTitle) {
    const int before = FormWindow::LiveCount();
    FormGuard form{FormWindow::Load(SmallForm(), {})};
    ASSERT_TRUE(form->Alive());
    HWND hwnd = form->Handle();
    RECT rc;
    GetWindowRect(hwnd, &rc);
    EXPECT_EQ(rc.left, 30);
    EXPECT_EQ(rc.top, 40);
    EXPECT_EQ(rc.right - rc.left, 300);
    EXPECT_EQ(rc.bottom - rc.top, 200);
    char title[32] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ(title, "表单");
    EXPECT_EQ(form->Visible(), 1);
    EXPECT_EQ(FormWindow::FromHandle(hwnd), form.form.get());
    EXPECT_EQ(FormWindow::LiveCount(), before + 1);

    form->Destroy();
    EXPECT_FALSE(form->Alive());
    EXPECT_EQ(FormWindow::FromHandle(hwnd), nullptr);
    EXPECT_EQ(FormWindow::LiveCount(), before);
    // A form whose window is gone answers without touching it.
    EXPECT_EQ(form->Visible(1), 0);
    EXPECT_EQ(form->WindowState(2), FormWindow::kNormal);
    EXPECT_EQ(form->AddTrayIcon("x"), nullptr);
}

TEST(FormWindow, FindsItsComponentsByName) {
    FormGuard form{FormWindow::Load(SmallForm(), {})};
    ASSERT_NE(form->Timer("时钟1"), nullptr);
    EXPECT_EQ(form->Timer("时钟1")->Interval(), 0);
    EXPECT_EQ(form->Timer("running")->Interval(), 5000);
    ASSERT_NE(form->SaveDialog("d"), nullptr);
    EXPECT_EQ(form->SaveDialog("d")->Title(), "保存");
    ASSERT_NE(form->Label("透明标签1"), nullptr);
    EXPECT_EQ(form->Label("透明标签1")->Text(), "50% ");
    ASSERT_NE(form->ProgressBar("进度条1"), nullptr);
    EXPECT_EQ(form->Timer("时钟2"), nullptr);
    EXPECT_EQ(form->SaveDialog("时钟1"), nullptr);
    EXPECT_EQ(form->Label(""), nullptr);
    EXPECT_EQ(form->ProgressBar("x"), nullptr);
}

TEST(FormWindow, CreatedRunsBeforeTheWindowShowsAndMayDestroyIt) {
    struct Seen {
        bool called = false, visible = true, hasTimer = false;
    } seen;
    FormGuard shown{FormWindow::Load(SmallForm(), {.created = [&](FormWindow& f) {
                                                        seen.called = true;
                                                        seen.visible = IsWindowVisible(f.Handle());
                                                        seen.hasTimer = f.Timer("时钟1") != nullptr;
                                                    }})};
    EXPECT_TRUE(seen.called);
    EXPECT_FALSE(seen.visible);
    EXPECT_TRUE(seen.hasTimer);
    EXPECT_EQ(shown->Visible(), 1);

    const int before = FormWindow::LiveCount();
    auto gone = FormWindow::Load(SmallForm(), {.created = [](FormWindow& f) { f.Destroy(); }});
    EXPECT_FALSE(gone->Alive());
    EXPECT_EQ(FormWindow::LiveCount(), before);
}

TEST(FormWindow, PositionChangedReportsEveryStateChange) {
    std::vector<int> states;
    FormGuard form{FormWindow::Load(SmallForm(), {.positionChanged = [&](FormWindow& f) {
                                                      states.push_back(f.WindowState());
                                                  }})};
    HWND hwnd = form->Handle();

    // What the minimise and maximise buttons send.
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.back(), FormWindow::kMinimised);
    EXPECT_EQ(form->WindowState(), FormWindow::kMinimised);

    EXPECT_EQ(form->WindowState(FormWindow::kMaximised), FormWindow::kMaximised);
    EXPECT_EQ(states.back(), FormWindow::kMaximised);

    // Restored from a minimised window that was maximised before: normal,
    // not back to maximised.
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(form->WindowState(FormWindow::kNormal), FormWindow::kNormal);
    EXPECT_FALSE(IsZoomed(hwnd));
    EXPECT_FALSE(IsIconic(hwnd));
    EXPECT_EQ(states.back(), FormWindow::kNormal);

    // Values that are no state change nothing.
    const size_t seen = states.size();
    EXPECT_EQ(form->WindowState(1), FormWindow::kNormal);
    EXPECT_EQ(states.size(), seen);
}

TEST(FormWindow, VisibleFlagHidesAndShows) {
    FormGuard form{FormWindow::Load(SmallForm(), {})};
    EXPECT_EQ(form->Visible(0), 0);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(form->Visible(1), 1);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST(FormWindow, TrayActionsArriveAsKinds) {
    std::vector<int> kinds;
    FormGuard form{FormWindow::Load(SmallForm(), {.tray = [&](FormWindow&, int kind) { kinds.push_back(kind); }})};
    const struct {
        UINT mouseMessage;
        int kind;  // 0: not raised
    } cases[] = {
        {WM_LBUTTONUP, 1},   {WM_LBUTTONDBLCLK, 2}, {WM_RBUTTONUP, 3}, {WM_CONTEXTMENU, 3},
        {WM_LBUTTONDOWN, 0}, {WM_RBUTTONDOWN, 0},   {WM_MOUSEMOVE, 0}, {WM_MBUTTONUP, 0},
    };
    for (const auto& c : cases) {
        kinds.clear();
        SendMessageA(form->Handle(), FormWindow::kTrayMessage, 1, c.mouseMessage);
        if (c.kind == 0) {
            EXPECT_TRUE(kinds.empty()) << std::hex << c.mouseMessage;
        } else {
            EXPECT_EQ(kinds, std::vector<int>{c.kind}) << std::hex << c.mouseMessage;
        }
    }
}

TEST(FormWindow, ModalLoadDisablesTheOwnerUntilTheWindowIsGone) {
    FormGuard owner{FormWindow::Load(SmallForm(), {})};
    bool ownerEnabledDuring = true;
    auto modalForm = SmallForm();
    modalForm.timers = {{.name = "close", .interval = 10}};
    auto modal = FormWindow::Load(modalForm,
                                  {.timer =
                                       [&](FormWindow& f, FormTimer&) {
                                           ownerEnabledDuring = IsWindowEnabled(owner->Handle());
                                           f.Destroy();
                                       }},
                                  {.owner = owner->Handle(), .modal = true});
    // Load came back only once the modal window was gone.
    EXPECT_FALSE(modal->Alive());
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
}

TEST(FormWindow, ClosingAModalWindowGivesTheOwnerItsInputBack) {
    FormGuard owner{FormWindow::Load(SmallForm(), {})};
    auto modalForm = SmallForm();
    modalForm.timers = {{.name = "close", .interval = 10}};
    auto modal = FormWindow::Load(modalForm,
                                  {.timer = [](FormWindow& f, FormTimer&) {
                                      // What the close button sends.
                                      PostMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
                                  }},
                                  {.owner = owner->Handle(), .modal = true});
    EXPECT_FALSE(modal->Alive());
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
}

TEST(FormTimer, IntervalStartsAndStopsTheTicks) {
    int ticks = 0;
    FormGuard form{FormWindow::Load(SmallForm(), {.timer = [&](FormWindow&, FormTimer& t) {
                                                      if (t.Name() == "时钟1") ++ticks;
                                                  }})};
    FormTimer& timer = *form->Timer("时钟1");
    HWND hwnd = form->Handle();

    // Stopped: a stray tick for its id is not raised.
    SendMessageA(hwnd, WM_TIMER, timer.Id(), 0);
    EXPECT_EQ(ticks, 0);

    EXPECT_EQ(timer.Interval(20), 20);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));

    EXPECT_EQ(timer.Interval(0), 0);
    const int stoppedAt = ticks;
    SendMessageA(hwnd, WM_TIMER, timer.Id(), 0);
    Sleep(60);
    PumpPending();
    EXPECT_EQ(ticks, stoppedAt);

    EXPECT_EQ(timer.Interval(-5), 0);
    EXPECT_FALSE(timer.Running());
}

TEST(FormTimer, ForeignTimerIdsAreNotTheFormsTicks) {
    int ticks = 0;
    FormGuard form{FormWindow::Load(SmallForm(), {.timer = [&](FormWindow&, FormTimer&) { ++ticks; }})};
    form->Timer("时钟1")->Interval(1000);
    for (WPARAM id : {WPARAM{0}, WPARAM{1}, WPARAM{7}, WPARAM{12345}})
        SendMessageA(form->Handle(), WM_TIMER, id, 0);
    EXPECT_EQ(ticks, 0);
}

TEST(FormLabel, NewTextRepaintsOnlyItsRectangle) {
    FormGuard form{FormWindow::Load(SmallForm(), {})};
    HWND hwnd = form->Handle();
    FormLabel& label = *form->Label("透明标签1");
    UpdateWindow(hwnd);
    ValidateRect(hwnd, nullptr);

    label.Text(std::string("50% "));  // the same text
    RECT dirty;
    EXPECT_FALSE(GetUpdateRect(hwnd, &dirty, FALSE));

    EXPECT_EQ(label.Text(std::string("99% ")), "99% ");
    ASSERT_TRUE(GetUpdateRect(hwnd, &dirty, FALSE));
    const RECT bounds = label.Bounds();
    EXPECT_TRUE(EqualRect(&dirty, &bounds));
}

TEST(FormLabel, PaintsTextWithoutFillingItsBackground) {
    FormGuard form{FormWindow::Load(SmallForm(), {})};
    FormLabel& label = *form->Label("透明标签1");
    label.Text(std::string("88888888"));

    constexpr int kSize = 100;
    constexpr COLORREF kBackground = RGB(255, 0, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH red = CreateSolidBrush(kBackground);
    RECT all{0, 0, kSize, kSize};
    FillRect(dc, &all, red);
    DeleteObject(red);

    label.Paint(dc);

    const RECT b = label.Bounds();
    int text = 0, outside = 0, kept = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const bool inside = x >= b.left && x < b.right && y >= b.top && y < b.bottom;
            const COLORREF c = GetPixel(dc, x, y);
            if (inside && c != kBackground) ++text;
            if (inside && c == kBackground) ++kept;
            if (!inside && c != kBackground) ++outside;
        }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_GT(text, 0);   // the glyphs
    EXPECT_GT(kept, 0);   // the background between them
    EXPECT_EQ(outside, 0);
}

TEST(FormProgressBar, PositionStaysWithin0To100) {
    FormGuard form{FormWindow::Load(SmallForm(), {})};
    FormProgressBar& bar = *form->ProgressBar("进度条1");
    ASSERT_NE(bar.Handle(), nullptr);
    EXPECT_EQ(GetParent(bar.Handle()), form->Handle());
    const struct {
        int given, kept;
    } cases[] = {{0, 0}, {57, 57}, {100, 100}, {-5, 0}, {250, 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(bar.Position(c.given), c.kept) << c.given;
        EXPECT_EQ(SendMessageA(bar.Handle(), PBM_GETPOS, 0, 0), c.kept) << c.given;
    }
}
