// The program's icon: one icon group with twelve images that Windows can
// turn into icons, and no icon where the toolkit's class deliberately looks.
#include "canvas/services/Gdi.h"
#include "canvas/services/Toolkit.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <span>
#include <utility>
#include <vector>

using namespace canvas;

namespace {

#pragma pack(push, 2)
struct GroupIconHeader {
    WORD reserved;
    WORD type;  // 1 for icons
    WORD count;
};
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;  // of the RT_ICON resource
};
#pragma pack(pop)
static_assert(sizeof(GroupIconEntry) == 14);

constexpr DWORD kIconFormatVersion = 0x00030000;

std::span<const BYTE> ResourceData(LPCSTR name, LPCSTR type) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, name, type);
    if (!info) return {};
    HGLOBAL loaded = LoadResource(module, info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const BYTE*>(data), SizeofResource(module, info)};
}

std::vector<GroupIconEntry> GroupEntries(std::span<const BYTE> group) {
    GroupIconHeader header{};
    if (group.size() < sizeof header) return {};
    std::memcpy(&header, group.data(), sizeof header);
    if (header.type != 1 || group.size() < sizeof header + header.count * sizeof(GroupIconEntry)) return {};
    std::vector<GroupIconEntry> entries(header.count);
    std::memcpy(entries.data(), group.data() + sizeof header, header.count * sizeof(GroupIconEntry));
    return entries;
}

// Draws an icon over white and counts the pixels that stay white and those
// that turned blue (the icon's tile).
struct Coverage {
    int white = 0, blue = 0;
};
Coverage DrawOverWhite(HICON icon, int size) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB};
    void* bits = nullptr;
    UniqueDc dc(CreateCompatibleDC(nullptr));
    UniqueBitmap dib(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    Coverage coverage;
    if (!dc || !dib || !bits) return coverage;
    const auto* pixels = static_cast<std::uint32_t*>(bits);
    {
        SelectedObject selected(dc.get(), dib.get());
        std::fill_n(static_cast<std::uint32_t*>(bits), size * size, 0x00FFFFFFu);
        DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        GdiFlush();
    }
    for (int i = 0; i < size * size; ++i) {
        const int r = (pixels[i] >> 16) & 0xFF, g = (pixels[i] >> 8) & 0xFF, b = pixels[i] & 0xFF;
        coverage.white += (r == 255 && g == 255 && b == 255);
        coverage.blue += (b > r + 60);
    }
    return coverage;
}

}  // namespace

TEST(ProgramIcon, GroupHoldsFourSizesAtThreeDepths) {
    const auto entries = GroupEntries(ResourceData(resources::kProgramIcon, MAKEINTRESOURCEA(14)));  // RT_GROUP_ICON
    ASSERT_EQ(entries.size(), 12u);
    std::set<std::pair<int, int>> found;
    for (const auto& e : entries) {
        EXPECT_EQ(e.width, e.height);
        found.insert({e.width, e.bitCount});
    }
    std::set<std::pair<int, int>> expected;
    for (int size : {48, 32, 24, 16})
        for (int depth : {4, 8, 32}) expected.insert({size, depth});
    EXPECT_EQ(found, expected);
}

TEST(ProgramIcon, EveryImageMakesAnIconWithAClearCorner) {
    const auto entries = GroupEntries(ResourceData(resources::kProgramIcon, MAKEINTRESOURCEA(14)));
    ASSERT_EQ(entries.size(), 12u);
    for (const auto& e : entries) {
        SCOPED_TRACE(testing::Message() << int(e.width) << " px, " << e.bitCount << " bpp");
        const auto image = ResourceData(MAKEINTRESOURCEA(e.id), MAKEINTRESOURCEA(3));  // RT_ICON
        ASSERT_EQ(image.size(), e.bytesInRes);
        UniqueIcon icon(CreateIconFromResourceEx(const_cast<BYTE*>(image.data()), static_cast<DWORD>(image.size()),
                                                 TRUE, kIconFormatVersion, e.width, e.height, LR_DEFAULTCOLOR));
        ASSERT_TRUE(icon);
        const Coverage c = DrawOverWhite(icon.get(), e.width);
        const int area = e.width * e.width;
        // The rounded tile leaves its corners clear and fills most of the rest.
        EXPECT_GE(c.white, 4);
        EXPECT_GT(c.blue, area / 3);
    }
}

TEST(ProgramIcon, LoadsByNameAndNotAsTheClassIconNumber) {
    HMODULE module = GetModuleHandleA(nullptr);
    UniqueIcon small(static_cast<HICON>(LoadImageA(module, resources::kProgramIcon, IMAGE_ICON, 16, 16, 0)));
    EXPECT_TRUE(small);
    UniqueIcon big(static_cast<HICON>(LoadImageA(module, resources::kProgramIcon, IMAGE_ICON, 48, 48, 0)));
    EXPECT_TRUE(big);
    // The toolkit's window class asks for icon 129 and is meant to find none.
    EXPECT_EQ(LoadIconA(module, MAKEINTRESOURCEA(129)), nullptr);
    EXPECT_EQ(classIcon, nullptr);
}
