// Keyboard routing: Tab, Enter and Space, access keys, and focus requests.
#include "InputTestWindow.h"

#include <gtest/gtest.h>

using namespace canvas;
using namespace input_test;

namespace {

constexpr UINT kHostSetFocus = 10240;
constexpr UINT kHostSetAccessKey = 10251;

enum class Stop { Yes, Hidden, Unfocusable, Disabled, CaptionButton };

Probe& AddStop(InputWindow& w, Stop s, int index) {
    const float x = 10.0f + 50.0f * static_cast<float>(index);
    Probe& p = w.Add({x, 40, 40, 30}, s == Stop::CaptionButton ? kind::kCaptionButton : kind::kButton,
                     s == Stop::Unfocusable ? 0 : 1);
    if (s == Stop::Hidden) p.Visible(0);
    if (s == Stop::Disabled) p.Disabled(1);
    return p;
}

TEST(InputTab, WalksTheTopLevelListToTheNextTabStop) {
    using enum Stop;
    struct Case {
        const char* name;
        std::vector<Stop> controls;
        int focus;     // index, -1 none
        int expected;  // index, -1 none
    };
    const Case cases[] = {
        {"nothing qualifies, no focus", {Hidden, Unfocusable, Disabled, CaptionButton}, -1, -1},
        {"no focus: the first stop", {Yes, Yes, Yes}, -1, 0},
        {"no focus: a single stop at the end", {Unfocusable, Hidden, Yes}, -1, 2},
        {"the single stop already has the focus", {Unfocusable, Yes, Disabled}, 1, 1},
        {"skips what is no tab stop", {Yes, Hidden, Unfocusable, Disabled, CaptionButton, Yes}, 0, 5},
        {"wraps from the last", {Yes, Unfocusable, Yes}, 2, 0},
        {"empty window", {}, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputWindow w;
        std::vector<Probe*> probes;
        for (std::size_t i = 0; i < c.controls.size(); ++i)
            probes.push_back(&AddStop(w, c.controls[i], static_cast<int>(i)));
        if (c.focus >= 0) w.host.SetFocus(probes[c.focus]->handle, false);
        w.Forget();

        w.Key(VK_TAB);
        const Handle expected = c.expected >= 0 ? probes[c.expected]->handle : 0;
        EXPECT_EQ(w.host.focus, expected);
        const bool moved = c.expected != c.focus;
        EXPECT_EQ(w.host.focusCue, moved ? expected : 0u);
        int focusNotes = 0;
        for (Probe* p : probes) focusNotes += p->Count(notify::kGotFocus) + p->Count(notify::kLostFocus);
        EXPECT_EQ(focusNotes, (moved ? 1 : 0) + (moved && c.focus >= 0 ? 1 : 0));
        EXPECT_TRUE(w.calls.empty());  // the host callbacks are for the mouse
    }
}

TEST(InputTab, FromAControlInsideAPageMovesOnAfterThePage) {
    InputWindow w;
    Probe& first = w.Add({10, 10, 40, 30});
    Probe& page = w.Add({0, 50, 300, 200}, kind::kPage, 0);
    Probe& box = w.Add({10, 60, 100, 25}, kind::kEditBox, 1, page.handle);
    w.Add({120, 60, 80, 25}, kind::kButton, 1, page.handle);  // a child: not a stop for Tab
    Probe& last = w.Add({10, 260, 40, 30});
    w.host.SetFocus(box.handle, false);
    w.Forget();

    w.Key(VK_TAB);
    EXPECT_EQ(w.host.focus, last.handle);
    EXPECT_EQ(w.host.focusCue, last.handle);
    ASSERT_EQ(box.Count(notify::kLostFocus), 1);
    EXPECT_EQ(box.Of(notify::kLostFocus)[0].wparam, 0u);
    EXPECT_EQ(box.Of(notify::kLostFocus)[0].lparam, static_cast<LPARAM>(last.handle));
    ASSERT_EQ(last.Count(notify::kGotFocus), 1);
    EXPECT_EQ(last.Of(notify::kGotFocus)[0].lparam, static_cast<LPARAM>(box.handle));
    w.Key(VK_TAB);
    EXPECT_EQ(w.host.focus, first.handle);
}

TEST(InputKeys, AKeyTheFocusedControlHandlesStopsTheHostsOwnHandling) {
    for (const int answer : {0, -1}) {
        SCOPED_TRACE(answer);
        InputWindow w;
        Probe& a = w.Add({10, 40, 40, 30});
        Probe& b = w.Add({60, 40, 40, 30});
        w.host.SetFocus(a.handle, false);
        a.keyAnswer = answer;
        w.Key(VK_TAB);
        EXPECT_EQ(w.host.focus, answer == -1 ? b.handle : a.handle);
        ASSERT_EQ(a.Count(WM_KEYDOWN), 1);
        EXPECT_EQ(a.Of(WM_KEYDOWN)[0].wparam, static_cast<WPARAM>(VK_TAB));
        w.host.SetFocus(a.handle, false);
        w.Key(VK_RETURN);
        EXPECT_EQ(a.Count(notify::kClick), answer == -1 ? 1 : 0);
    }
}

TEST(InputKeys, EnterAndSpaceClickTheFocusedControl) {
    struct Case {
        const char* name;
        WPARAM key;
        void (*prepare)(Probe& focused, Probe& page);
        bool clicks;
    };
    const Case cases[] = {
        {"Enter", VK_RETURN, [](Probe&, Probe&) {}, true},
        {"Space", VK_SPACE, [](Probe&, Probe&) {}, true},
        {"another key", 'A', [](Probe&, Probe&) {}, false},
        {"hidden focus", VK_RETURN, [](Probe& f, Probe&) { f.Visible(0); }, false},
        {"focus on a hidden page", VK_SPACE, [](Probe&, Probe& page) { page.Visible(0); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputWindow w;
        Probe& page = w.Add({0, 30, 300, 200}, kind::kPage, 0);
        Probe& button = w.Add({10, 40, 80, 30}, kind::kButton, 1, page.handle);
        w.host.SetFocus(button.handle, false);
        c.prepare(button, page);
        w.Forget();
        w.Key(c.key);
        ASSERT_EQ(button.Count(notify::kClick), c.clicks ? 1 : 0);
        ASSERT_EQ(w.Calls("click").size(), c.clicks ? 1u : 0u);
        if (!c.clicks) continue;
        EXPECT_EQ(button.Of(notify::kClick)[0].wparam, 0u);
        EXPECT_EQ(button.Of(notify::kClick)[0].lparam, 0);
        const HostCall click = w.Calls("click")[0];
        EXPECT_EQ(click.control, button.handle);
        EXPECT_EQ(click.wparam, 0u);
        EXPECT_EQ(click.lparam, 0);
        EXPECT_EQ(click.kind, kind::kButton);
    }
    InputWindow empty;
    empty.Key(VK_RETURN);  // no focus: nothing to click
    EXPECT_TRUE(empty.calls.empty());
}

TEST(InputAccessKeys, AltAndTheLetterClickTheControlIgnoringCase) {
    struct Case {
        const char* name;
        int registered;
        WPARAM pressed;
        bool clicks;
    };
    const Case cases[] = {
        {"lower-case s, Alt+S", 's', 'S', true},
        {"upper-case S, Alt+S", 'S', 'S', true},
        {"digit", '1', '1', true},
        {"another letter", 's', 'T', false},
        {"the numeric pad is no letter", 'a', VK_NUMPAD1, false},
        {"function keys are no letters", 'p', VK_F1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputWindow w;
        Probe& p = w.Add({10, 40, 80, 30});
        EXPECT_EQ(SendMessageA(w.hwnd, kHostSetAccessKey, p.handle, c.registered), 1);
        w.AltKey(c.pressed);
        ASSERT_EQ(p.Count(notify::kClick), c.clicks ? 1 : 0);
        if (!c.clicks) continue;
        EXPECT_EQ(p.Of(notify::kClick)[0].wparam, 0u);
        EXPECT_EQ(p.Of(notify::kClick)[0].lparam, 0);
        const auto clicks = w.Calls("click");
        ASSERT_EQ(clicks.size(), 1u);
        EXPECT_EQ(clicks[0].control, p.handle);
        EXPECT_EQ(clicks[0].wparam, c.pressed);  // access keys pass the key message on
        EXPECT_EQ(clicks[0].lparam, 1 | (1 << 29));
    }
}

TEST(InputAccessKeys, TheFirstUsableEntryWinsAndEntriesCanChangeOrGo) {
    InputWindow w;
    Probe& hidden = w.Add({10, 40, 40, 30});
    Probe& disabled = w.Add({60, 40, 40, 30});
    Probe& usable = w.Add({110, 40, 40, 30});
    Probe& later = w.Add({160, 40, 40, 30});
    for (Probe* p : {&hidden, &disabled, &usable, &later}) w.host.SetAccessKey(p->handle, 'x');
    hidden.Visible(0);
    disabled.Disabled(1);

    w.AltKey('X');
    EXPECT_EQ(hidden.Count(notify::kClick), 0);
    EXPECT_EQ(disabled.Count(notify::kClick), 0);
    EXPECT_EQ(usable.Count(notify::kClick), 1);
    EXPECT_EQ(later.Count(notify::kClick), 0);

    w.host.SetAccessKey(usable.handle, 'y');  // one entry per control: replaced
    w.AltKey('Y');
    EXPECT_EQ(usable.Count(notify::kClick), 2);
    w.AltKey('X');
    EXPECT_EQ(later.Count(notify::kClick), 1);

    EXPECT_EQ(w.host.SetAccessKey(usable.handle, 0), 1);  // removed
    w.AltKey('Y');
    EXPECT_EQ(usable.Count(notify::kClick), 2);
    EXPECT_EQ(w.host.accessKeys.size(), 3u);
}

TEST(InputAccessKeys, OnlyLiveControlsOfTheWindowGetAnEntry) {
    InputWindow w;
    InputWindow other;
    Probe& stranger = other.Add({10, 40, 40, 30});
    Probe& own = w.Add({10, 40, 40, 30});
    EXPECT_EQ(w.host.SetAccessKey(0, 'a'), 0);
    EXPECT_EQ(w.host.SetAccessKey(own.handle + 1000, 'a'), 0);
    EXPECT_EQ(w.host.SetAccessKey(stranger.handle, 'a'), 0);
    EXPECT_TRUE(w.host.accessKeys.empty());

    w.host.SetAccessKey(own.handle, 'a');
    own.Destroy();  // a destroyed control takes its entry with it
    EXPECT_TRUE(w.host.accessKeys.empty());
    w.AltKey('A');
    EXPECT_TRUE(w.calls.empty());
}

TEST(InputFocus, HostMessageMovesTheFocusWithoutCueOrCallbacks) {
    InputWindow w;
    Probe& a = w.Add({10, 40, 40, 30});
    Probe& b = w.Add({60, 40, 40, 30});
    SendMessageA(w.hwnd, kHostSetFocus, 0, a.handle);
    EXPECT_EQ(w.host.focus, a.handle);
    w.host.SetFocus(b.handle, true);
    EXPECT_EQ(w.host.focusCue, b.handle);
    SendMessageA(w.hwnd, kHostSetFocus, 0, a.handle);
    EXPECT_EQ(w.host.focus, a.handle);
    EXPECT_EQ(w.host.focusCue, 0u);
    ASSERT_EQ(b.Count(notify::kLostFocus), 1);
    EXPECT_EQ(b.Of(notify::kLostFocus)[0].wparam, 0u);
    EXPECT_EQ(b.Of(notify::kLostFocus)[0].lparam, static_cast<LPARAM>(a.handle));
    EXPECT_EQ(a.Of(notify::kGotFocus).back().lparam, static_cast<LPARAM>(b.handle));
    EXPECT_TRUE(w.calls.empty());
}

TEST(InputFocus, RefusesControlsThatCannotHoldIt) {
    struct Case {
        const char* name;
        Stop stop;
        bool otherWindow;
    };
    const Case cases[] = {
        {"hidden", Stop::Hidden, false},
        {"not focusable", Stop::Unfocusable, false},
        {"disabled", Stop::Disabled, false},
        {"caption button", Stop::CaptionButton, false},
        {"another window's control", Stop::Yes, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputWindow w;
        InputWindow other;
        Probe& holder = w.Add({200, 40, 40, 30});
        Probe& target = AddStop(c.otherWindow ? other : w, c.stop, 0);
        w.host.SetFocus(holder.handle, true);
        w.Forget();
        other.Forget();
        w.host.SetFocus(target.handle, true);
        EXPECT_EQ(w.host.focus, holder.handle);
        EXPECT_EQ(w.host.focusCue, holder.handle);
        EXPECT_TRUE(holder.received.empty());
        EXPECT_TRUE(target.received.empty());
    }
    InputWindow w;
    Probe& holder = w.Add({200, 40, 40, 30});
    w.host.SetFocus(holder.handle, false);
    w.Forget();
    for (const Handle h : {Handle{0}, Handle{holder.handle + 1000}, holder.handle}) w.host.SetFocus(h, false);
    EXPECT_EQ(w.host.focus, holder.handle);
    EXPECT_TRUE(holder.received.empty());  // already focused: nothing raised again
}

}  // namespace
