#include "canvas/services/MessageBoxWindow.h"

#include "canvas/services/Fonts.h"
#include "canvas/services/ModalInputFilter.h"

#include <utility>
#include "canvas/services/Picture.h"
#include "resources/Resources.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace canvas {
namespace {

// ---- button sets ----

struct BoxButton {
    const char* caption;
    int value;
};
// Buttons from right to left: position 1 first.
struct ButtonSet {
    std::array<BoxButton, 3> buttons;
    std::size_t count;
};
constexpr std::array<ButtonSet, 6> kButtonSets{{
    {{{{"确认", boxResult::kOk}}}, 1},
    {{{{"取消", boxResult::kCancel}, {"确认", boxResult::kOk}}}, 2},
    {{{{"忽略", boxResult::kIgnore}, {"重试", boxResult::kRetry}, {"放弃", boxResult::kAbort}}}, 3},
    {{{{"取消", boxResult::kCancel}, {"否(&N)", boxResult::kNo}, {"是(&Y)", boxResult::kYes}}}, 3},
    {{{{"否(&N)", boxResult::kNo}, {"是(&Y)", boxResult::kYes}}}, 2},
    {{{{"取消", boxResult::kCancel}, {"重试", boxResult::kRetry}}}, 2},
}};

// An unknown set gets the one OK button rather than none.
const ButtonSet& SetOf(int buttons) {
    if (buttons < 0 || static_cast<std::size_t>(buttons) >= kButtonSets.size()) return kButtonSets[boxButtons::kOk];
    return kButtonSets[static_cast<std::size_t>(buttons)];
}

// ---- defaults ----

constexpr const char* kDefaultTitle = "提示：";
constexpr int kDefaultStyleFlags = caption::kTitle | caption::kClose;
constexpr int kDefaultThemeColour = 0xFF8800;
constexpr int kDefaultWindowAlpha = 210;
constexpr int kPictureFrame = 1;
constexpr int kRoundedFrame = 7;  // what a picture frame becomes on a box
constexpr int kBlurFromOsMajor = 6;

// ---- layout ----

constexpr int kBoxWidth = 320, kBoxHeight = 150;
constexpr int kTextLeft = 30, kTextLeftBesideIcon = 85, kTextTop = 43;
constexpr int kTextSideMargins = 60, kTextSideMarginsBesideIcon = 120;  // box width less text width
constexpr int kTextVerticalMargins = 100;                               // box height less text height
constexpr int kWidthSlack = 10, kHeightSlack = 5;  // added to a measured text that grew the box
constexpr int kOneLineHeight = 30;                 // a text lower than this ...
constexpr int kOneLineDrop = 4;                    // ... moves down by this much
constexpr int kLabelInset = 2;                     // the label draws inside its bounds by this much
constexpr float kUnbounded = 1.0e6f;

constexpr int kButtonStep = 75, kButtonRightMargin = 10, kButtonBottom = 36;
constexpr int kButtonWidth = 70, kButtonHeight = 24;

constexpr UINT kOwnerNoticeTimeoutMs = 500;  // an owner in a hung thread is not waited for

int ButtonX(int boxWidth, int position) { return boxWidth - kButtonStep * position - kButtonRightMargin; }
int ButtonY(int boxHeight) { return boxHeight - kButtonBottom; }

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// Centred in the reference, as the toolkit centres windows (truncated).
int Centred(int start, int extent, int size) { return static_cast<int>(start + (extent - size) / 2.0); }

// Keeps [start, start + size) inside [low, high) where it fits.
int KeptInside(int start, int size, int low, int high) { return std::max(low, std::min(start, high - size)); }

RECT WorkAreaRect() {
    WorkArea work;
    if (!GetWorkArea(work)) {
        work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return {work.left, work.top, work.left + work.width, work.top + work.height};
}

// The work area of the monitor that shows most of rect.
RECT WorkAreaAround(const RECT& rect) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (HMONITOR monitor = MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST); monitor && GetMonitorInfoA(monitor, &info))
        return info.rcWork;
    return WorkAreaRect();
}

// ---- frame picture and icons ----

struct Band {
    RectF dest;  // x and width are fixed; y and height depend on the box's height
    RectF source;
};
constexpr float kFrameInset = 7;
// From the frame picture's first column: the title band, the body (read
// upwards from row 97) and the button band.
constexpr float kTitleBandHeight = 96;
constexpr float kBodyTop = 103, kBodyRest = 145;  // the body is height - 145 high
constexpr float kButtonBandRise = 42, kButtonBandHeight = 35;
// The body starts this much above its row. Wine's GDI+ leaves the first row
// of a stretched picture empty for about every other height (a seam of the
// window's colour across the box); starting a quarter pixel early fills it
// there and changes no pixel where the row is filled anyway.
constexpr float kSeamGuard = 0.25f;
constexpr RectF kTitleSource{0, 0, 1, 96};
constexpr RectF kBodySource{0, 97, 1, -21};
constexpr RectF kButtonBandSource{0, 129, 1, 31};

constexpr RectF kIconPlace{30, 40, 40, 40};
constexpr float kIconSize = 40;

struct IconColumn {
    int icon;
    float x;
};
// The strip holds stop, exclamation, question, information and the fifth icon.
constexpr std::array<IconColumn, 5> kIconColumns{{
    {boxIcon::kStop, 0},
    {boxIcon::kExclamation, 40},
    {boxIcon::kQuestion, 80},
    {boxIcon::kInformation, 120},
    {boxIcon::kFifth, 160},
}};

float IconSourceX(int icon) {
    for (const IconColumn& c : kIconColumns)
        if (c.icon == icon) return c.x;
    return 0;
}

int IntProperty(HWND window, const char* name) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(GetPropA(window, name)));
}
void SetIntProperty(HWND window, const char* name, int value) {
    SetPropA(window, name, reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(value)));
}

// Line breaks as "\n" only. GDI+ breaks lines at "\r\n" and at "\n", but
// some versions draw the "\r" as a box; GBK never has these bytes inside a
// character.
AnsiText WithLineFeeds(std::string_view text) {
    AnsiText out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
            out += '\n';  // a lone CR breaks the line as well
        }
    }
    return out;
}

template <class T>
bool ParseNumber(std::string_view text, T& out) {
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, out);
    return error == std::errc{} && at == end;
}

}  // namespace

AnsiText FormatBoxButtonTag(const BoxButtonTag& tag) {
    return std::to_string(tag.box) + "|" + std::to_string(tag.value) + "|" + std::to_string(tag.position);
}

std::optional<BoxButtonTag> ParseBoxButtonTag(std::string_view text) {
    const std::size_t first = text.find('|');
    if (first == std::string_view::npos) return {};
    const std::size_t second = text.find('|', first + 1);
    if (second == std::string_view::npos || text.find('|', second + 1) != std::string_view::npos) return {};
    BoxButtonTag tag;
    if (!ParseNumber(text.substr(0, first), tag.box) ||
        !ParseNumber(text.substr(first + 1, second - first - 1), tag.value) ||
        !ParseNumber(text.substr(second + 1), tag.position))
        return {};
    return tag;
}

void PaintMessageBoxBackground(HWND window, GpGraphics* g, int width, int height) {
    if (!g) return;
    const auto w = static_cast<float>(width), h = static_cast<float>(height);
    {
        Picture frame = LoadPicture(resources::ResourceBytes(resources::kMessageBoxFrame));
        const float bandWidth = w - 2 * kFrameInset;
        const Band bands[] = {
            {{kFrameInset, kFrameInset, bandWidth, kTitleBandHeight}, kTitleSource},
            {{kFrameInset, kBodyTop - kSeamGuard, bandWidth, h - kBodyRest + kSeamGuard}, kBodySource},
            {{kFrameInset, h - kButtonBandRise, bandWidth, kButtonBandHeight}, kButtonBandSource},
        };
        for (const Band& band : bands) DrawPicture(g, frame.image(), band.dest, band.source, true);
    }
    const int icon = IntProperty(window, kBoxIconProperty);
    if (IntProperty(window, kBoxFlagsProperty) != kMessageBoxFlag || icon == boxIcon::kNone) return;
    Picture icons = LoadPicture(resources::ResourceBytes(resources::kMessageBoxIcons));
    DrawPicture(g, icons.image(), kIconPlace, {IconSourceX(icon), 0, kIconSize, kIconSize}, true);
}

MessageBoxWindow::MessageBoxWindow(HWND owner, const AnsiText& text, const MessageBoxOptions& options)
    : id_(HandleTable::Add(this)),
      owner_(owner && IsWindow(owner) ? owner : nullptr),
      text_(WithLineFeeds(text)),
      options_(options),
      icon_(options.icon.value_or(boxIcon::kNone)) {}

MessageBoxWindow::~MessageBoxWindow() {
    Release();
    HandleTable::Remove(id_);
}

int MessageBoxWindow::Run() {
    result_ = boxResult::kCancel;
    if (!Create()) {
        Release();
        return result_;
    }
    FitText();
    CreateButtons();
    CreateLabel();
    if (options_.onCreated) {
        const MessageBoxCreated created = options_.onCreated;
        created(window_, static_cast<int>(size_.cx), static_cast<int>(size_.cy));
    }
    {
        // From here on the thread's other windows get no input, also from
        // the loops that the show and close animations run.
        const ModalInputFilter filter(window_);
        if (Alive()) ShowBox();
        RunLoop();
        Release();
        DropPendingInput();
    }
    return result_;
}

bool MessageBoxWindow::Create() {
    work_ = WorkAreaRect();
    reference_ = work_;
    if (owner_ && options_.centreOnOwner.value_or(false)) {
        GetWindowRect(owner_, &reference_);
        work_ = WorkAreaAround(reference_);
    }
    size_ = {kBoxWidth, kBoxHeight};
    const bool withIcon = icon_ != boxIcon::kNone;
    textRect_ = {static_cast<float>(withIcon ? kTextLeftBesideIcon : kTextLeft), static_cast<float>(kTextTop),
                 static_cast<float>(kBoxWidth - (withIcon ? kTextSideMarginsBesideIcon : kTextSideMargins)),
                 static_cast<float>(kBoxHeight - kTextVerticalMargins)};

    const int x = KeptInside(Centred(reference_.left, Width(reference_), size_.cx), size_.cx, work_.left, work_.right);
    const int y = KeptInside(Centred(reference_.top, Height(reference_), size_.cy), size_.cy, work_.top, work_.bottom);
    window_ = CreateTopLevelWindow({.owner = owner_,
                                    .title = options_.title.value_or(kDefaultTitle),
                                    .x = x,
                                    .y = y,
                                    .width = size_.cx,
                                    .height = size_.cy,
                                    .exStyle = 0,
                                    .show = false});
    if (!window_) return false;

    SetIntProperty(window_, kBoxFlagsProperty, kMessageBoxFlag);
    SetIntProperty(window_, kBoxIconProperty, icon_);
    host_.OnPaintBackground(PaintMessageBoxBackground);
    if (!host_.Attach(window_, Look())) return false;
    host_.OnMessage([this](HWND w, UINT m, WPARAM wp, LPARAM lp) { return OnBoxMessage(w, m, wp, lp); });
    host_.OnSize([this](HWND w, int width, int height) { OnBoxSize(w, width, height); });
    host_.OnClick([this](HWND w, Handle control, WPARAM, LPARAM, int kind) { OnBoxClick(w, control, kind); });
    return true;
}

AttachOptions MessageBoxWindow::Look() const {
    const MessageBoxOptions& o = options_;
    const int captionFlags = o.styleFlags.value_or(kDefaultStyleFlags);
    if (o.ownLook.value_or(false)) {
        return {.picture = o.picture,
                .captionFlags = captionFlags,
                .windowAlpha = o.windowAlpha.value_or(-1),
                .pictureMode = o.pictureMode.value_or(0),
                .frameStyle = o.frameStyle.value_or(0),
                .resizable = 0,
                .blur = o.blur.value_or(osMajorVersion >= kBlurFromOsMajor) ? 1 : 0,
                .pictureCentre = o.pictureCentre.value_or(RECT{})};
    }
    if (const CanvasHost* ownerHost = HostOfWindow(owner_)) {
        return {.captionFlags = captionFlags,
                .windowAlpha = ownerHost->windowAlpha,
                .pictureMode = ownerHost->pictureMode,
                .frameStyle = ownerHost->frameStyle == kPictureFrame ? kRoundedFrame : ownerHost->frameStyle,
                .animateControls = ownerHost->animateControls != 0 ? 1 : 0,
                .resizable = 0,
                .dragAnywhere = 1,
                .reserved = 1,
                .blur = ownerHost->blur != 0 ? 1 : 0,
                .pictureCentre = ownerHost->pictureCentre,
                .skinSource = owner_};
    }
    return {.themeColour = kDefaultThemeColour, .captionFlags = captionFlags, .windowAlpha = kDefaultWindowAlpha};
}

// Grows the box to its text, never beyond the work area: a text too wide
// for it wraps, and one too long for it is cut off at the bottom.
void MessageBoxWindow::FitText() {
    const int sideMargins = kBoxWidth - static_cast<int>(textRect_.width);
    const int verticalMargins = kBoxHeight - static_cast<int>(textRect_.height);
    GpGraphics* g = host_.back.graphics();
    const MeasureResult line = MeasureText(g, text_, defaultFont, nullptr, {0, 0, 0, 0});
    const float measuredWidth = line.boundingBox.width;
    float measuredHeight = line.boundingBox.height;

    SIZE size{kBoxWidth, kBoxHeight};
    if (measuredWidth > textRect_.width) {
        size.cx = static_cast<int>(measuredWidth) + sideMargins;
        textRect_.width = static_cast<float>(static_cast<int>(measuredWidth) + kWidthSlack);
        if (size.cx > Width(work_)) {
            size.cx = Width(work_);
            textRect_.width = static_cast<float>(size.cx - sideMargins);
            const float wrapWidth = textRect_.width - 2 * kLabelInset;
            measuredHeight = MeasureText(g, text_, defaultFont, nullptr, {0, 0, wrapWidth, kUnbounded}).boundingBox.height;
        }
    }
    if (measuredHeight > textRect_.height) {
        size.cy = static_cast<int>(measuredHeight) + verticalMargins;
        textRect_.height = static_cast<float>(static_cast<int>(measuredHeight) + kHeightSlack);
        if (size.cy > Height(work_)) {
            size.cy = Height(work_);
            textRect_.height = static_cast<float>(size.cy - verticalMargins + kHeightSlack);
        }
    }
    if (measuredHeight < kOneLineHeight) textRect_.y += kOneLineDrop;

    if (size.cx == size_.cx && size.cy == size_.cy) return;
    size_ = size;
    const int x = KeptInside(Centred(reference_.left, Width(reference_), size.cx), size.cx, work_.left, work_.right);
    const int y = KeptInside(Centred(reference_.top, Height(reference_), size.cy), size.cy, work_.top, work_.bottom);
    SetWindowPos(window_, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MessageBoxWindow::CreateButtons() {
    const ButtonSet& set = SetOf(options_.buttons.value_or(boxButtons::kOk));
    std::size_t count = set.count;
    if (options_.buttonTexts) count = std::min(count, options_.buttonTexts->size());
    for (std::size_t i = 0; i < count; ++i) {
        const int position = static_cast<int>(i) + 1;
        const AnsiText caption = options_.buttonTexts ? (*options_.buttonTexts)[i] : set.buttons[i].caption;
        auto button = std::make_unique<Button>();
        if (!button->Create(window_, ButtonX(size_.cx, position), ButtonY(size_.cy), kButtonWidth, kButtonHeight,
                            caption))
            continue;
        button->Tag(FormatBoxButtonTag({.box = id_, .value = set.buttons[i].value, .position = position}));
        buttons_.push_back(std::move(button));
    }
    // An out-of-range default leaves the focus where it is.
    const int focused = options_.defaultButton.value_or(1);
    if (focused >= 1 && static_cast<std::size_t>(focused) <= buttons_.size())
        host_.SetFocus(buttons_[static_cast<std::size_t>(focused) - 1]->handle, false);
}

void MessageBoxWindow::CreateLabel() {
    label_ = std::make_unique<Label>();
    label_->Create(window_, static_cast<int>(textRect_.x), static_cast<int>(textRect_.y),
                   static_cast<int>(textRect_.width), static_cast<int>(textRect_.height), text_, {.wordWrap = 1});
}

void MessageBoxWindow::ShowBox() {
    if (icon_ != boxIcon::kNone && options_.sound.value_or(true)) MessageBeep(static_cast<UINT>(icon_));
    // The owner's host drops its hover states.
    if (owner_ && IsWindow(owner_))
        SendMessageTimeoutA(owner_, WM_MOUSELEAVE, 0, 0, SMTO_ABORTIFHUNG, kOwnerNoticeTimeoutMs, nullptr);
    if (!Alive()) return;
    host_.Show(options_.showEffect.value_or(0));
    if (options_.closeEffect) host_.CloseEffect(*options_.closeEffect);
    if (!Alive()) return;
    SetForegroundWindow(window_);
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (owner_ && IsWindow(owner_)) PostMessageA(owner_, WM_MOUSELEAVE, 0, 0);
}

void MessageBoxWindow::RunLoop() {
    MSG msg;
    while (Alive()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: so does the box, and the quit goes on
            // to the loop that owns it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got < 0) return;
        if (ModalInputFilter::Drops(msg)) continue;  // input for the thread's other windows
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void MessageBoxWindow::DropPendingInput() {
    // Input that reached the queue while the box was open (during the close
    // animation, say) was meant for a window that was not taking input then;
    // it must not arrive there once the box is gone.
    // A pending quit comes out of any filtered peek: it goes back for the
    // program's own loop.
    MSG msg;
    for (const auto& [first, last] : {std::pair<UINT, UINT>{WM_KEYFIRST, WM_KEYLAST}, {WM_MOUSEFIRST, WM_MOUSELAST}}) {
        while (PeekMessageA(&msg, nullptr, first, last, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
        }
    }
}

void MessageBoxWindow::Release() {
    if (Alive()) DestroyWindow(window_);
    label_.reset();
    buttons_.clear();
}

LRESULT MessageBoxWindow::OnBoxMessage(HWND window, UINT message, WPARAM wparam, LPARAM) {
    constexpr LRESULT kGoOn = -1;
    if (message == WM_KEYDOWN && wparam == VK_ESCAPE) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    } else if (message == WM_DESTROY) {
        RemovePropA(window, kBoxIconProperty);
        RemovePropA(window, kBoxFlagsProperty);
        destroyed_ = true;
        // Wakes the loop when the window went while it waited (destroyed
        // from another thread, with its owner).
        PostMessageA(nullptr, WM_NULL, 0, 0);
    }
    return kGoOn;
}

void MessageBoxWindow::OnBoxSize(HWND, int width, int height) {
    for (CanvasControl* c = ControlFromHandle(host_.firstControl); c; c = ControlFromHandle(c->nextSibling)) {
        if (c->kind != kind::kButton) continue;
        const std::optional<BoxButtonTag> tag = ParseBoxButtonTag(c->tag);
        if (!tag) continue;
        c->Move(static_cast<float>(ButtonX(width, tag->position)), static_cast<float>(ButtonY(height)), {}, {}, false);
    }
}

void MessageBoxWindow::OnBoxClick(HWND window, Handle control, int controlKind) {
    if (controlKind == kind::kButton) {
        const CanvasControl* c = ControlFromHandle(control);
        const std::optional<BoxButtonTag> tag = c ? ParseBoxButtonTag(c->tag) : std::nullopt;
        // Only a live box is ever written to, and a button only decides the
        // box that made it.
        if (tag && HandleTable::Get<MessageBoxWindow>(tag->box) == this) result_ = tag->value;
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
}

}  // namespace canvas
