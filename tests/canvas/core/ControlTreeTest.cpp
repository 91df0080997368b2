#include "TestWindow.h"

#include <gtest/gtest.h>

using namespace canvas;
using testing_support::Received;
using testing_support::RecordingControl;
using testing_support::TestWindow;

namespace {

std::vector<Handle> TopLevel(const CanvasHost& host) {
    std::vector<Handle> order;
    for (CanvasControl* c = ControlFromHandle(host.firstControl); c; c = ControlFromHandle(c->nextSibling))
        order.push_back(c->handle);
    return order;
}

std::vector<Handle> Children(const CanvasControl& parent) {
    std::vector<Handle> order;
    for (CanvasControl* c = ControlFromHandle(parent.firstChild); c; c = ControlFromHandle(c->nextSibling))
        order.push_back(c->handle);
    return order;
}

// Both ends set or both 0, and walking forward reaches the last element.
void ExpectListConsistent(Handle first, Handle last) {
    ASSERT_EQ(first == 0, last == 0);
    Handle at = first, previous = 0;
    while (CanvasControl* c = ControlFromHandle(at)) {
        EXPECT_EQ(c->prevSibling, previous);
        previous = at;
        at = c->nextSibling;
    }
    EXPECT_EQ(previous, last);
}

// The host asks controls to compose themselves while recomposing; those
// questions are beside the point here.
std::vector<UINT> WithoutCompose(std::vector<UINT> codes) {
    std::erase(codes, notify::kCompose);
    return codes;
}

}  // namespace

TEST(ControlTree, CreateAppendsInPaintingOrderAndRefusesBadParents) {
    TestWindow w;
    ASSERT_TRUE(w.attached);
    CanvasControl a, b, c;
    const Handle ha = a.Create(w.hwnd, {0, 0, 10, 10}, 2, 1);
    const Handle hb = b.Create(w.hwnd, {0, 0, 10, 10}, 2, 1);
    const Handle hc = c.Create(w.hwnd, {0, 0, 10, 10}, 2, 1);
    EXPECT_NE(ha, 0u);
    EXPECT_EQ(TopLevel(w.host), (std::vector<Handle>{ha, hb, hc}));
    ExpectListConsistent(w.host.firstControl, w.host.lastControl);
    EXPECT_EQ(a.host, w.host.handle);
    EXPECT_EQ(a.hostWindow, w.hwnd);
    EXPECT_EQ(a.focusable, 1);
    EXPECT_EQ(a.opacity, 255);
    EXPECT_EQ(a.fadeLevel, 255);

    // A window without a host, a dead window, an unknown handle, a stale handle.
    HWND plain = CreateTopLevelWindow({.title = "plain"});
    CanvasControl stale;
    const Handle staleHandle = stale.Create(w.hwnd, {0, 0, 5, 5}, 2, 1);
    stale.Destroy();
    stale.Unlink();
    stale.ClearRecord();
    HWND dead = CreateTopLevelWindow({.title = "dead"});
    DestroyWindow(dead);
    const ControlParent bad[] = {ControlParent(plain), ControlParent(dead), ControlParent(Handle{123456789}),
                                 ControlParent(staleHandle)};
    for (const ControlParent& parent : bad) {
        CanvasControl orphan;
        EXPECT_EQ(orphan.Create(parent, {0, 0, 5, 5}, 2, 1), 0u);
        EXPECT_EQ(orphan.handle, 0u);
    }
    EXPECT_EQ(TopLevel(w.host), (std::vector<Handle>{ha, hb, hc}));
    DestroyWindow(plain);
}

TEST(ControlTree, CreateTwiceReturnsTheSameHandleAndRaisesCreateOnce) {
    TestWindow w;
    RecordingControl c;
    const Handle first = c.Create(w.hwnd, {0, 0, 10, 10}, 2, 1);
    const Handle second = c.Create(w.hwnd, {5, 5, 20, 20}, 3, 1);
    EXPECT_EQ(first, second);
    EXPECT_EQ(c.Codes(), (std::vector<UINT>{WM_CREATE, WM_PAINT}));
    EXPECT_EQ(c.kind, 2);
    EXPECT_EQ(TopLevel(w.host).size(), 1u);
}

TEST(ControlTree, HiddenControlIsNotPaintedAtCreation) {
    TestWindow w;
    RecordingControl c;
    c.Create(w.hwnd, {0, 0, 10, 10}, 2, 0);
    EXPECT_EQ(c.Codes(), (std::vector<UINT>{WM_CREATE}));
}

TEST(ControlTree, SetParentZOrderAndUnlinkKeepListsConsistent) {
    TestWindow w;
    CanvasControl page, a, b, c;
    const Handle hp = page.Create(w.hwnd, {0, 0, 100, 100}, 16, 1);
    const Handle ha = a.Create(hp, {0, 0, 10, 10}, 2, 1);
    const Handle hb = b.Create(hp, {0, 0, 10, 10}, 2, 1);
    const Handle hc = c.Create(hp, {0, 0, 10, 10}, 2, 1);
    EXPECT_EQ(Children(page), (std::vector<Handle>{ha, hb, hc}));
    EXPECT_EQ(a.parent, hp);
    EXPECT_EQ(TopLevel(w.host), (std::vector<Handle>{hp}));

    c.ZOrder(2);  // the last becomes the first, the others keep their order
    EXPECT_EQ(Children(page), (std::vector<Handle>{hc, ha, hb}));
    ExpectListConsistent(page.firstChild, page.lastChild);
    c.ZOrder();
    EXPECT_EQ(Children(page), (std::vector<Handle>{ha, hb, hc}));

    b.SetParent(0);  // to the top level
    EXPECT_EQ(Children(page), (std::vector<Handle>{ha, hc}));
    EXPECT_EQ(TopLevel(w.host), (std::vector<Handle>{hp, hb}));
    EXPECT_EQ(b.parent, 0u);
    ExpectListConsistent(w.host.firstControl, w.host.lastControl);
    ExpectListConsistent(page.firstChild, page.lastChild);

    // Unlinking a top-level control that is not in the list only clears its links.
    b.Unlink();
    b.prevSibling = hp;
    b.Unlink();
    EXPECT_EQ(b.prevSibling, 0u);
    EXPECT_EQ(TopLevel(w.host), (std::vector<Handle>{hp}));

    a.Unlink();
    c.Unlink();
    EXPECT_EQ(page.firstChild, 0u);
    EXPECT_EQ(page.lastChild, 0u);
}

TEST(ControlTree, DestroyTearsDownChildrenFirst) {
    TestWindow w;
    std::vector<UINT> order;
    RecordingControl page, child, grandchild;
    const Handle hp = page.Create(w.hwnd, {0, 0, 100, 100}, 16, 1);
    const Handle hc = child.Create(hp, {0, 0, 50, 50}, 16, 1);
    grandchild.Create(hc, {0, 0, 10, 10}, 2, 1);
    std::vector<std::string> destroyed;
    page.BindEvent(WM_DESTROY, [&](const ControlEvent&) { destroyed.push_back("page"); });
    child.BindEvent(WM_DESTROY, [&](const ControlEvent&) { destroyed.push_back("child"); });
    grandchild.BindEvent(WM_DESTROY, [&](const ControlEvent&) { destroyed.push_back("grandchild"); });
    page.Destroy();
    EXPECT_EQ(destroyed, (std::vector<std::string>{"grandchild", "child", "page"}));
    EXPECT_EQ(child.handle, 0u);  // children's records are cleared
    EXPECT_EQ(grandchild.handle, 0u);
    EXPECT_EQ(ControlFromHandle(hc), nullptr);
    EXPECT_EQ(page.bitmap, nullptr);
    EXPECT_EQ(page.bounds, RectF{});
}

TEST(ControlTree, BoundRoutinesRunAfterTheHandlerAndRebindingReplaces) {
    TestWindow w;
    RecordingControl page, button;
    const Handle hp = page.Create(w.hwnd, {0, 0, 100, 100}, 16, 1);
    const Handle hb = button.Create(hp, {0, 0, 10, 10}, 2, 1);
    std::vector<std::string> calls;
    button.answers = {{notify::kClick, 7}};
    button.BindEvent(notify::kClick, [&](const ControlEvent&) { calls.push_back("first"); });
    ControlEvent seen{};
    button.BindEvent(notify::kClick, [&](const ControlEvent& e) {
        calls.push_back(button.received.back().code == notify::kClick ? "second after handler" : "second");
        seen = e;
    });
    EXPECT_EQ(button.RaiseEvent(notify::kClick, 3, 4), 7);
    EXPECT_EQ(calls, (std::vector<std::string>{"second after handler"}));
    EXPECT_EQ(seen.first(), hp);  // a control inside a page: the page comes first
    EXPECT_EQ(seen.control, hb);
    EXPECT_EQ(seen.wparam, 3u);
    EXPECT_EQ(seen.lparam, 4);

    Handle firstOfTop = 0;
    page.BindEvent(notify::kClick, [&](const ControlEvent& e) { firstOfTop = e.first(); });
    page.RaiseEvent(notify::kClick);
    EXPECT_EQ(firstOfTop, hp);  // a top-level control: itself first
}

TEST(ControlTree, DisablingTheFocusedControlNotifiesInOrderAndDims) {
    TestWindow w;
    RecordingControl c;
    const Handle h = c.Create(w.hwnd, {0, 0, 10, 10}, 2, 1);
    w.host.focus = h;
    c.received.clear();
    c.Disabled(1);
    EXPECT_EQ(c.ToolkitCodes(), (std::vector<UINT>{notify::kFocusQuery, notify::kLostFocus, notify::kMouseLeave,
                                                   notify::kDisabledChanged}));
    EXPECT_EQ(w.host.focus, 0u);
    EXPECT_EQ(c.opacity, 127);
    c.received.clear();
    c.Disabled(1);  // the same value: nothing raised
    EXPECT_TRUE(c.received.empty());
    c.Disabled(0);
    EXPECT_EQ(c.opacity, 254);
}

TEST(ControlTree, MoveWithOnlyXKeepsTheBitmapButTellsTheHost) {
    TestWindow w;
    RecordingControl c, child;
    const Handle h = c.Create(w.hwnd, {10, 10, 40, 20}, 2, 1);
    child.Create(h, {15, 12, 5, 5}, 2, 1);
    GpImage* bitmap = c.bitmap.get();
    std::vector<Received> hostSaw;
    w.host.OnMessage([&](HWND, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == hostmsg::kMoved) hostSaw.push_back({m, wp, lp});
        return -1;
    });
    c.received.clear();
    c.Move(30.0f);
    EXPECT_EQ(c.bitmap.get(), bitmap);
    EXPECT_EQ(WithoutCompose(c.Codes()), (std::vector<UINT>{notify::kMoved}));
    ASSERT_EQ(hostSaw.size(), 1u);
    EXPECT_EQ(hostSaw[0].wparam, h);
    EXPECT_EQ(hostSaw[0].lparam, 1);
    EXPECT_EQ(c.bounds, (RectF{30, 10, 40, 20}));
    EXPECT_EQ(c.previousBounds, (RectF{10, 10, 40, 20}));
    EXPECT_EQ(child.bounds.x, 35.0f);  // descendants move along

    c.received.clear();
    c.Width(50);
    EXPECT_NE(c.bitmap.get(), nullptr);
    EXPECT_EQ(WithoutCompose(c.Codes()), (std::vector<UINT>{notify::kSizeChanged, WM_PAINT, notify::kMoved}));
    EXPECT_EQ(c.received[0].wparam, 50u);
    EXPECT_EQ(c.received[0].lparam, 20);
    UINT width = 0;
    GdipGetImageWidth(c.bitmap.get(), &width);
    EXPECT_EQ(width, 50u);
}

TEST(ControlTree, OpacityFadeLevelAndVisibility) {
    TestWindow w;
    RecordingControl c;
    c.Create(w.hwnd, {0, 0, 10, 10}, 2, 1);
    c.received.clear();
    c.Visible(1);
    EXPECT_TRUE(c.received.empty());
    c.Visible(0);
    c.Visible(1);
    EXPECT_EQ(c.ToolkitCodes(), (std::vector<UINT>{notify::kHidden, notify::kShown}));

    c.Opacity(200);
    EXPECT_EQ(c.fadeLevel, 200);
    EXPECT_EQ(c.FadeLevel(51), 51);
    EXPECT_EQ(c.FadeLevel(300), 200);  // capped at the opacity
    EXPECT_EQ(c.fadeSnapshot, nullptr);

    w.host.animateControls = 0;  // no animation: the level jumps to the opacity
    EXPECT_EQ(c.FadeLevel(51), 200);
}

TEST(ControlTree, StaleAndUnknownHandlesReadAsEmpty) {
    EXPECT_EQ(ControlFromHandle(0), nullptr);
    EXPECT_EQ(ControlFromHandle(0xFFFFFFF0u), nullptr);
    CanvasControl never;  // never created: reads give 0, writes are ignored
    EXPECT_EQ(never.Visible(1), 0);
    EXPECT_EQ(never.Opacity(5), 255);
    EXPECT_EQ(never.RaiseEvent(notify::kClick), 0);
    never.Move(5, 5, 5, 5);
    EXPECT_EQ(never.bounds, RectF{});
}

TEST(ControlTree, TimerFadeStepsByFiftyOne) {
    TestWindow w;
    CanvasControl c;
    const Handle h = c.Create(w.hwnd, {0, 0, 10, 10}, 2, 1, {}, {}, 60);
    c.FadeLevel(51);
    for (int expected : {102, 153, 204, 255, 255}) {
        SendMessageA(w.hwnd, WM_TIMER, h, 0);
        EXPECT_EQ(c.fadeLevel, expected);
    }
}
