#include "canvas/services/Toolkit.h"

#include "canvas/services/Fonts.h"
#include "resources/Resources.h"

#include <intrin.h>

namespace canvas {

ULONG_PTR gdiplusToken = 0;
int osMajorVersion = 0;
GpFont* defaultFont = nullptr;
HCURSOR defaultCursor = nullptr;
Picture skinPicture;
HICON classIcon = nullptr;

namespace {

constexpr float kDefaultFontSize = 12;
constexpr int kDefaultWindowWidth = 380;
constexpr int kDefaultWindowHeight = 250;
constexpr DWORD kDefaultWindowStyle = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr WORD kClassIconResource = 129;

GpFont* MakeDefaultFont() {
    for (const AnsiText& name : {AnsiText("宋体"), DefaultFaceName(SystemFontKind::Caption)}) {
        const WideText wide = ToWide(name);
        GpFontFamily* family = nullptr;
        if (wide.empty() || GdipCreateFontFamilyFromName(wide.c_str(), nullptr, &family) != Gdiplus::Ok)
            continue;
        GdipFontFamilyPtr owner(family);
        GpFont* font = nullptr;
        GdipCreateFont(family, kDefaultFontSize, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel, &font);
        return font;
    }
    return nullptr;
}

void RegisterToolkitClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    classIcon = LoadIconA(instance, MAKEINTRESOURCEA(kClassIconResource));
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hIcon = classIcon;
    wc.hCursor = defaultCursor;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kToolkitClassName;
    RegisterClassExA(&wc);
}

}  // namespace

int ReadOsMajorVersion() {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
#if defined(_WIN64)
    const auto* peb = reinterpret_cast<const unsigned char*>(__readgsqword(0x60));
    constexpr size_t kMajorOffset = 0x118;
#else
    const auto* peb = reinterpret_cast<const unsigned char*>(__readfsdword(0x30));
    constexpr size_t kMajorOffset = 0xA4;
#endif
    return static_cast<int>(*reinterpret_cast<const ULONG*>(peb + kMajorOffset));
#pragma GCC diagnostic pop
}

void InitToolkit() {
    Gdiplus::GdiplusStartupInput input;  // version 1, no callback, nothing suppressed
    Gdiplus::GdiplusStartup(&gdiplusToken, &input, nullptr);
    osMajorVersion = ReadOsMajorVersion();
    defaultFont = MakeDefaultFont();
    defaultCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    skinPicture = LoadPicture(resources::ResourceBytes(resources::kSkinStrip), true);
    RegisterToolkitClass();
}

bool GetWorkArea(WorkArea& area) {
    RECT rc;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0)) return false;
    area = {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
    return true;
}

HWND CreateTopLevelWindow(const TopLevelWindowOptions& o) {
    WorkArea work;
    GetWorkArea(work);
    const int width = o.width.value_or(kDefaultWindowWidth);
    const int height = o.height.value_or(kDefaultWindowHeight);
    const int x = o.x ? *o.x : static_cast<int>(work.left + (work.width - width) / 2.0);
    const int y = o.y ? *o.y : static_cast<int>(work.top + (work.height - height) / 2.0);
    const AnsiText className = o.className.value_or(kToolkitClassName);
    HWND hwnd = CreateWindowExA(o.exStyle, className.c_str(), o.title.c_str(), o.style.value_or(kDefaultWindowStyle),
                                x, y, width, height, o.owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return nullptr;
    const struct {
        WPARAM which;
        int classIndex;
    } icons[] = {{ICON_SMALL, GCLP_HICONSM}, {ICON_BIG, GCLP_HICON}};
    for (const auto& icon : icons) {
        auto handle = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, icon.which, 0));
        if (!handle) handle = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, icon.classIndex));
        SendMessageA(hwnd, WM_SETICON, icon.which, reinterpret_cast<LPARAM>(handle));
    }
    if (o.show.value_or(false)) {
        ShowWindow(hwnd, SW_SHOWNORMAL);
        UpdateWindow(hwnd);
    }
    return hwnd;
}

}  // namespace canvas
