// Where a box stands, how it grows to its text, which look it takes, and
// what its background paints.
#include "MessageBoxDriver.h"
#include "TestWindow.h"

#include "canvas/controls/Label.h"
#include "canvas/services/MessageBox.h"
#include "canvas/services/MessageBoxWindow.h"
#include "canvas/services/Picture.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

using namespace canvas;
using box_driver::After;
using box_driver::OpenBox;

namespace {

constexpr UINT kSoon = 30;
constexpr int kBoxWidth = 320, kBoxHeight = 150;

void CloseSoon(HWND box) {
    After(kSoon, [box] { box_driver::PressKey(box, VK_ESCAPE); });
}

RECT WorkRect() {
    WorkArea work;
    GetWorkArea(work);
    return {work.left, work.top, work.left + work.width, work.top + work.height};
}

// The label that shows the message (the title is a label too, at the top).
const Label* MessageLabel(HWND box) {
    const CanvasHost* host = HostOfWindow(box);
    for (const CanvasControl* c = host ? ControlFromHandle(host->firstControl) : nullptr; c;
         c = ControlFromHandle(c->nextSibling)) {
        const auto* label = dynamic_cast<const Label*>(c);
        if (label && c != host->titleLabel.get()) return label;
    }
    return nullptr;
}

std::string Repeat(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

std::string Lines(int count) {
    std::string s;
    for (int i = 1; i <= count; ++i) s += (i > 1 ? "\r\n" : "") + std::string("第") + std::to_string(i) + "行";
    return s;
}

struct Placed {
    RECT window{};
    RectF label;
    int labelTextWidth = 0;
    std::vector<RectF> buttons;  // left to right
};

Placed PlacementOf(HWND box) {
    Placed p;
    GetWindowRect(box, &p.window);
    if (const Label* label = MessageLabel(box)) {
        p.label = label->bounds;
        p.labelTextWidth = label->textWidth;
    }
    for (const Button* b : box_driver::ButtonsOf(box)) p.buttons.push_back(b->bounds);
    return p;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

TEST(MessageBoxLayout, TitleAndWindowProperties) {
    struct TitleCase {
        std::optional<AnsiText> title;
        std::optional<int> icon;
        std::string expectedTitle;
        int expectedIcon;
    };
    const TitleCase cases[] = {
        {{}, {}, "提示：", 0},
        {"出错了", boxIcon::kStop, "出错了", boxIcon::kStop},
        {"", boxIcon::kInformation, "", boxIcon::kInformation},
    };
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(c.expectedTitle);
        char title[64] = {};
        std::intptr_t flags = 0, icon = -1;
        bool removedOnDestroy = false;
        OpenBox(nullptr, "标题", {.title = c.title, .icon = c.icon, .sound = false}, [&](HWND box) {
            GetWindowTextA(box, title, sizeof title);
            flags = reinterpret_cast<std::intptr_t>(GetPropA(box, kBoxFlagsProperty));
            icon = reinterpret_cast<std::intptr_t>(GetPropA(box, kBoxIconProperty));
            // Look after the box's own message hook on the way out.
            CanvasHost* host = HostOfWindow(box);
            ASSERT_TRUE(host);
            host->OnMessage([own = host->onMessage, &removedOnDestroy](HWND w, UINT m, WPARAM wp, LPARAM lp) {
                const LRESULT answer = own(w, m, wp, lp);
                if (m == WM_DESTROY)
                    removedOnDestroy = !GetPropA(w, kBoxFlagsProperty) && !GetPropA(w, kBoxIconProperty);
                return answer;
            });
            CloseSoon(box);
        });
        EXPECT_EQ(std::string(title), c.expectedTitle);
        EXPECT_EQ(flags, kMessageBoxFlag);
        EXPECT_EQ(icon, c.expectedIcon);
        EXPECT_TRUE(removedOnDestroy);
    }
}

TEST(MessageBoxLayout, CentredOnTheWorkAreaOrOnTheOwner) {
    const RECT work = WorkRect();
    struct PlaceCase {
        const char* name;
        RECT owner;  // empty: no owner
        bool centreOnOwner;
        POINT expected;
    };
    const auto centredIn = [](const RECT& r) {
        return POINT{static_cast<LONG>(r.left + (Width(r) - kBoxWidth) / 2.0),
                     static_cast<LONG>(r.top + (Height(r) - kBoxHeight) / 2.0)};
    };
    const RECT owner{100, 120, 600, 520};
    // An owner in the bottom right corner: centred on it the box would stick
    // out of the work area, so it stays inside.
    const RECT cornerOwner{work.right - 200, work.bottom - 100, work.right, work.bottom};
    const PlaceCase cases[] = {
        {"no owner", {}, false, centredIn(work)},
        {"no owner, centring on it asked", {}, true, centredIn(work)},
        {"owner, not asked", owner, false, centredIn(work)},
        {"owner", owner, true, {190, 245}},
        {"owner in the corner", cornerOwner, true, {work.right - kBoxWidth, work.bottom - kBoxHeight}},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND ownerWindow = nullptr;
        if (!IsRectEmpty(&c.owner))
            ownerWindow = CreateTopLevelWindow({.title = "owner", .x = c.owner.left, .y = c.owner.top,
                                                .width = Width(c.owner), .height = Height(c.owner), .show = true});
        RECT placed{};
        const auto opened = OpenBox(ownerWindow, "居中", {.centreOnOwner = c.centreOnOwner}, [&](HWND box) {
            GetWindowRect(box, &placed);
            CloseSoon(box);
        });
        if (ownerWindow) DestroyWindow(ownerWindow);
        EXPECT_EQ(opened.width, kBoxWidth);
        EXPECT_EQ(opened.height, kBoxHeight);
        EXPECT_EQ(placed.left, c.expected.x);
        EXPECT_EQ(placed.top, c.expected.y);
        EXPECT_EQ(Width(placed), kBoxWidth);
        EXPECT_EQ(Height(placed), kBoxHeight);
    }
}

TEST(MessageBoxLayout, ShortTextsKeepTheBoxAndSitFourPixelsLower) {
    struct ShortCase {
        const char* text;
        std::optional<int> icon;
        RectF label;
    };
    const ShortCase cases[] = {
        {"一行字", {}, {30, 47, 260, 50}},
        {"一行字", boxIcon::kQuestion, {85, 47, 200, 50}},
        {"", {}, {30, 47, 260, 50}},
    };
    for (const ShortCase& c : cases) {
        SCOPED_TRACE(c.text);
        Placed p;
        const auto opened = OpenBox(nullptr, c.text, {.buttons = boxButtons::kYesNoCancel, .icon = c.icon, .sound = false},
                                    [&](HWND box) {
                                        p = PlacementOf(box);
                                        CloseSoon(box);
                                    });
        EXPECT_FALSE(opened.timedOut);
        EXPECT_EQ(Width(p.window), kBoxWidth);
        EXPECT_EQ(Height(p.window), kBoxHeight);
        EXPECT_EQ(p.label, c.label);
        // Buttons at the bottom right, 75 apart.
        const std::vector<RectF> buttons{{85, 114, 70, 24}, {160, 114, 70, 24}, {235, 114, 70, 24}};
        EXPECT_EQ(p.buttons, buttons);
    }
}

TEST(MessageBoxLayout, LongTextsGrowTheBoxUpToTheWorkArea) {
    const RECT work = WorkRect();
    struct GrowCase {
        const char* name;
        std::string text;
        bool wider, taller;
        bool fillsWidth, fillsHeight;  // capped at the work area
    };
    const GrowCase cases[] = {
        {"a long line", Repeat("这一行字很长，", 8), true, false, false, false},
        {"many lines", Lines(12), false, true, false, false},
        {"a line longer than the screen", Repeat("长", 3000), true, true, true, false},
        {"more lines than the screen holds", Lines(2000), false, true, false, true},
        {"both", Repeat(Repeat("宽", 200) + "\r\n", 500), true, true, true, true},
    };
    for (const GrowCase& c : cases) {
        SCOPED_TRACE(c.name);
        Placed p;
        const auto opened = OpenBox(nullptr, c.text, {.buttons = boxButtons::kOkCancel}, [&](HWND box) {
            p = PlacementOf(box);
            CloseSoon(box);
        });
        // However large, the box closes.
        EXPECT_FALSE(opened.timedOut);
        EXPECT_EQ(opened.result, boxResult::kCancel);

        const int w = Width(p.window), h = Height(p.window);
        EXPECT_EQ(w > kBoxWidth, c.wider) << w;
        EXPECT_EQ(h > kBoxHeight, c.taller) << h;
        if (c.fillsWidth) {
            EXPECT_EQ(w, Width(work));
        }
        if (c.fillsHeight) {
            EXPECT_EQ(h, Height(work));
        }
        EXPECT_LE(w, Width(work));
        EXPECT_LE(h, Height(work));
        EXPECT_GE(p.window.left, work.left);
        EXPECT_GE(p.window.top, work.top);
        EXPECT_LE(p.window.right, work.right);
        EXPECT_LE(p.window.bottom, work.bottom);
        if (c.wider && !c.fillsWidth) {
            // The box is centred and its one line fits the label.
            EXPECT_NEAR(p.window.left - work.left, work.right - p.window.right, 1);
            EXPECT_EQ(p.label.width, static_cast<float>(w - 50));
            EXPECT_LE(p.labelTextWidth, static_cast<int>(p.label.width) - 4);
        }
        if (c.taller && !c.fillsHeight) {
            EXPECT_NEAR(p.window.top - work.top, work.bottom - p.window.bottom, 1);
            EXPECT_EQ(p.label.height, static_cast<float>(h - 95));
            EXPECT_EQ(p.label.y, 43.0f);  // several lines do not move down
        }
        // The buttons follow the bottom right corner.
        ASSERT_EQ(p.buttons.size(), 2u);
        EXPECT_EQ(p.buttons[1].x, static_cast<float>(w - 85));
        EXPECT_EQ(p.buttons[1].y, static_cast<float>(h - 36));
        EXPECT_EQ(p.buttons[0].x, static_cast<float>(w - 160));
        // Label and buttons stay inside the box.
        EXPECT_LE(p.label.x + p.label.width, static_cast<float>(w));
        EXPECT_LE(p.label.y + p.label.height, static_cast<float>(h - 36));
    }
}

// CR LF, LF and a lone CR all break lines; the label gets no CR, which some
// GDI+ versions would draw as a box.
TEST(MessageBoxLayout, EveryKindOfLineBreakBreaksTheLine) {
    int heights[3] = {};
    std::string shown[3];
    const char* texts[] = {"第一行\r\n第二行\r\n第三行\r\n第四行", "第一行\n第二行\n第三行\n第四行",
                           "第一行\r第二行\r第三行\r第四行"};
    for (int i = 0; i < 3; ++i) {
        OpenBox(nullptr, texts[i], {}, [&](HWND box) {
            heights[i] = Height(PlacementOf(box).window);
            if (const Label* label = MessageLabel(box)) shown[i] = label->text;
            CloseSoon(box);
        });
    }
    EXPECT_EQ(shown[0], "第一行\n第二行\n第三行\n第四行");
    EXPECT_EQ(shown[1], shown[0]);
    EXPECT_EQ(shown[2], shown[0]);
    EXPECT_GT(heights[0], kBoxHeight);  // four lines do not fit 50 pixels
    EXPECT_EQ(heights[1], heights[0]);
    EXPECT_EQ(heights[2], heights[0]);
}

TEST(MessageBoxLayout, ResizingTheBoxMovesTheButtonsThatCarryATag) {
    std::vector<RectF> after;
    const auto opened = OpenBox(nullptr, "改变大小", {.buttons = boxButtons::kYesNoCancel}, [&](HWND box) {
        box_driver::ButtonsOf(box).at(0)->Tag("not a box button");
        After(kSoon, [&, box] {
            SetWindowPos(box, nullptr, 0, 0, 500, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            for (const Button* b : box_driver::ButtonsOf(box)) after.push_back(b->bounds);
            box_driver::PressKey(box, VK_ESCAPE);
        });
    });
    EXPECT_FALSE(opened.timedOut);
    // Positions 1 and 2 moved; the untagged button stayed where it was.
    const std::vector<RectF> expected{{85, 114, 70, 24}, {340, 224, 70, 24}, {415, 224, 70, 24}};
    EXPECT_EQ(after, expected);
}

TEST(MessageBoxLayout, LookOfItsOwnOfTheOwnersHostOrTheDefault) {
    const std::vector<std::uint8_t> bmp = [] {
        // A 2 x 2 grey BMP: enough for a picture of its own.
        std::vector<std::uint8_t> b(54 + 16, 0);
        const std::uint8_t header[] = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0,
                                       2,   0,   0,  0, 1, 0, 32, 0};
        std::copy(std::begin(header), std::end(header), b.begin());
        std::fill(b.begin() + 54, b.end(), 0x80);
        return b;
    }();

    // An owner window with a host: a layered picture frame in the main background.
    testing_support::TestWindow owner(510, 339,
                                      {.picture = resources::ResourceBytes(resources::kMainBackground),
                                       .windowAlpha = 230, .pictureMode = 2, .frameStyle = 1,
                                       .animateControls = 0, .pictureCentre = {10, 20, 30, 40}});
    ASSERT_TRUE(owner.attached);

    struct LookCase {
        const char* name;
        HWND owner;
        MessageBoxOptions options;
        int windowAlpha, pictureMode, frameStyle, captionFlags, animateControls;
        HWND skinSource;
        bool ownPicture;
        RECT pictureCentre;
        std::optional<int> themeColour;
    };
    const LookCase cases[] = {
        {"default", nullptr, {}, 210, 0, 7, caption::kTitle | caption::kClose, 1, nullptr, false, {}, 0xFF8800},
        {"owner without a host", CreateTopLevelWindow({.title = "plain"}), {}, 210, 0, 7, 6, 1, nullptr, false, {},
         0xFF8800},
        {"the owner's", owner.hwnd, {.styleFlags = caption::kClose}, 230, 2, 7, caption::kClose, 0, owner.hwnd, false,
         {10, 20, 30, 40}, owner.host.themeColour},
        {"its own over the owner's", owner.hwnd,
         {.ownLook = true, .picture = bmp, .windowAlpha = 180, .pictureMode = 1, .frameStyle = 0,
          .pictureCentre = RECT{1, 1, 2, 2}},
         180, 1, 0, 6, 1, nullptr, true, {1, 1, 2, 2}, {}},
        {"its own, all defaults", nullptr, {.ownLook = true}, -1, 0, 0, 6, 1, nullptr, false, {}, {}},
        {"no caption", nullptr, {.styleFlags = 0}, 210, 0, 7, 0, 1, nullptr, false, {}, 0xFF8800},
    };
    for (const LookCase& c : cases) {
        SCOPED_TRACE(c.name);
        struct Seen {
            int windowAlpha, pictureMode, frameStyle, captionFlags, animateControls, resizable, themeColour;
            HWND skinSource;
            bool ownPicture, borrowsPicture;
            RECT pictureCentre;
            std::size_t captionButtons;
        } seen{};
        MessageBoxOptions options = c.options;
        options.sound = false;
        OpenBox(c.owner, "外观", options, [&](HWND box) {
            const CanvasHost* h = HostOfWindow(box);
            ASSERT_TRUE(h);
            seen = {h->windowAlpha, h->pictureMode,  h->frameStyle, h->captionFlags, h->animateControls,
                    h->resizable,   h->themeColour,  h->skinSource, h->picture.image() != nullptr,
                    h->borrowedPicture != nullptr, h->pictureCentre, h->captionButtons.size()};
            CloseSoon(box);
        });
        EXPECT_EQ(seen.windowAlpha, c.windowAlpha);
        EXPECT_EQ(seen.pictureMode, c.pictureMode);
        EXPECT_EQ(seen.frameStyle, c.frameStyle);
        EXPECT_EQ(seen.captionFlags, c.captionFlags);
        EXPECT_EQ(seen.animateControls, c.animateControls);
        EXPECT_EQ(seen.resizable, 0);
        EXPECT_EQ(seen.skinSource, c.skinSource);
        EXPECT_EQ(seen.ownPicture, c.ownPicture);
        EXPECT_EQ(seen.borrowsPicture, c.skinSource != nullptr);
        EXPECT_TRUE(EqualRect(&seen.pictureCentre, &c.pictureCentre));
        if (c.themeColour) {
            EXPECT_EQ(seen.themeColour, *c.themeColour);
        }
        EXPECT_EQ(seen.captionButtons, c.captionFlags & caption::kClose ? 1u : 0u);
        if (c.owner && c.owner != owner.hwnd) DestroyWindow(c.owner);
    }
}

TEST(MessageBoxLayout, BackgroundPaintsTheFrameBandsAndTheIcon) {
    // The background layer of a box: frame bands and icon, under the controls.
    struct Probe {
        std::vector<std::uint32_t> icon;  // the 40 x 40 pixels at (30, 40)
        std::uint32_t body = 0, buttonBand = 0;
    };
    const auto probe = [](std::optional<int> icon) {
        Probe p;
        OpenBox(nullptr, Lines(8), {.icon = icon, .sound = false}, [&](HWND box) {
            const CanvasHost* h = HostOfWindow(box);
            ASSERT_TRUE(h);
            RECT rc;
            GetWindowRect(box, &rc);
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) p.icon.push_back(h->background.PixelAt(30 + x, 40 + y));
            p.body = h->background.PixelAt(20, 110);  // left of the text, in the body band
            p.buttonBand = h->background.PixelAt(20, Height(rc) - 20);
            CloseSoon(box);
        });
        return p;
    };
    const auto channel = [](std::uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); };

    const Probe none = probe({});
    // The body band meets the title band and the button band without a seam,
    // whatever the box's height.
    for (int lines = 4; lines <= 11; ++lines) {
        SCOPED_TRACE(lines);
        std::uint32_t first = 0, last = 0;
        OpenBox(nullptr, Lines(lines), {.sound = false}, [&](HWND box) {
            const CanvasHost* h = HostOfWindow(box);
            ASSERT_TRUE(h);
            RECT rc;
            GetWindowRect(box, &rc);
            first = h->background.PixelAt(20, 103);
            last = h->background.PixelAt(20, Height(rc) - 43);
            CloseSoon(box);
        });
        EXPECT_EQ(first, none.body);
        EXPECT_EQ(last, none.body);
    }
    // The body band is read upwards from row 97 of the frame picture: light
    // and nearly opaque, not the window's blue showing through.
    EXPECT_GE(channel(none.body, 24), 200) << std::hex << none.body;
    EXPECT_GE(std::min({channel(none.body, 16), channel(none.body, 8), channel(none.body, 0)}), 200)
        << std::hex << none.body;
    EXPECT_GE(channel(none.buttonBand, 24), 200) << std::hex << none.buttonBand;

    // Each icon value shows its own picture of the strip (stop, exclamation,
    // question, information, fifth); any other value the first one.
    Picture strip = LoadPicture(resources::ResourceBytes(resources::kMessageBoxIcons));
    ASSERT_TRUE(strip);
    const auto stripPixel = [&](int x, int y) {
        ARGB argb = 0;
        GdipBitmapGetPixel(reinterpret_cast<GpBitmap*>(strip.image()), x, y, &argb);
        return static_cast<std::uint32_t>(argb);
    };
    const struct {
        int icon, column;
    } icons[] = {{boxIcon::kStop, 0},         {boxIcon::kExclamation, 40}, {boxIcon::kQuestion, 80},
                 {boxIcon::kInformation, 120}, {boxIcon::kFifth, 160},      {1, 0}};
    for (const auto& c : icons) {
        SCOPED_TRACE(c.icon);
        const Probe p = probe(c.icon);
        ASSERT_EQ(p.icon.size(), 1600u);
        EXPECT_NE(p.icon, none.icon);
        EXPECT_EQ(p.body, none.body);
        int compared = 0, differing = 0;
        // Where the icon is opaque the box shows exactly the icon (edges left
        // out: scaling may blend in the neighbour).
        for (int y = 2; y < 38; ++y) {
            for (int x = 2; x < 38; ++x) {
                const std::uint32_t want = stripPixel(c.column + x, y);
                if (want >> 24 != 0xFF) continue;
                ++compared;
                const std::uint32_t got = p.icon[static_cast<std::size_t>(y * 40 + x)];
                for (int shift = 0; shift < 32; shift += 8)
                    if (std::abs(channel(got, shift) - channel(want, shift)) > 3) {
                        ++differing;
                        break;
                    }
            }
        }
        EXPECT_GT(compared, 100);
        EXPECT_EQ(differing, 0);
    }
}
