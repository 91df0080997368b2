#include "canvas/controls/StringFormat.h"

#include <gtest/gtest.h>

using namespace canvas;

namespace {

constexpr int kNoWrap = 0x1000;
constexpr int kEllipsis = 3;

// Whether GDI+ still knows the format, and its flags.
bool Alive(GpStringFormat* format, int expectedFlags) {
    INT flags = -1;
    return GdipGetStringFormatFlags(format, &flags) == Gdiplus::Ok && flags == expectedFlags;
}

}  // namespace

TEST(StringFormat, AccessorsSetAndReadTheFormat) {
    StringFormat f;
    ASSERT_TRUE(f.Create(kNoWrap, 0));
    EXPECT_TRUE(f.Owns());
    EXPECT_EQ(f.Flags(), kNoWrap);
    EXPECT_EQ(f.Align(1), 1);
    EXPECT_EQ(f.Trimming(kEllipsis), kEllipsis);
    EXPECT_EQ(f.HotkeyPrefix(1), 1);
    EXPECT_EQ(f.Flags(0x400), 0x400);
    // Reading changes nothing; GDI+ agrees.
    EXPECT_EQ(f.Align(), 1);
    Gdiplus::StringAlignment align{};
    GdipGetStringFormatAlign(f.Handle(), &align);
    EXPECT_EQ(align, Gdiplus::StringAlignmentCenter);
    Gdiplus::StringTrimming trimming{};
    GdipGetStringFormatTrimming(f.Handle(), &trimming);
    EXPECT_EQ(trimming, Gdiplus::StringTrimmingEllipsisCharacter);
}

TEST(StringFormat, WithoutAFormatEverythingReadsZero) {
    StringFormat f;
    EXPECT_EQ(f.Handle(), nullptr);
    EXPECT_EQ(f.Align(2), 0);
    EXPECT_EQ(f.Flags(kNoWrap), 0);
    f.Release();
    EXPECT_EQ(f.Take(), nullptr);
}

TEST(StringFormat, ABorrowingWrapperLeavesTheFormatAliveOnReleaseRecreateAndDestruction) {
    GpStringFormat* configured = nullptr;
    {
        StringFormat f;
        ASSERT_TRUE(f.Create(kNoWrap, 0, false));
        EXPECT_FALSE(f.Owns());
        configured = f.Handle();
        f.Trimming(kEllipsis);
    }
    GdipStringFormatPtr owner(configured);  // the control's field, in real use
    EXPECT_TRUE(Alive(configured, kNoWrap));

    StringFormat g;
    ASSERT_TRUE(g.Create(kNoWrap, 0, false));
    GdipStringFormatPtr first(g.Handle());
    g.Release();
    EXPECT_EQ(g.Handle(), nullptr);
    EXPECT_TRUE(Alive(first.get(), kNoWrap));
    ASSERT_TRUE(g.Create(kNoWrap, 0, false));
    GdipStringFormatPtr second(g.Handle());
    ASSERT_TRUE(g.Create(0x400, 0, false));  // replacing a borrowed format leaves it alone
    GdipStringFormatPtr third(g.Handle());
    EXPECT_TRUE(Alive(second.get(), kNoWrap));
}

TEST(StringFormat, TakeHandsTheFormatOver) {
    GdipStringFormatPtr taken;
    {
        StringFormat f;
        ASSERT_TRUE(f.Create(kNoWrap, 0));
        GpStringFormat* handle = f.Handle();
        taken = f.Take();
        EXPECT_EQ(taken.get(), handle);
        EXPECT_EQ(f.Handle(), nullptr);
        EXPECT_FALSE(f.Owns());
    }
    EXPECT_TRUE(Alive(taken.get(), kNoWrap));
}

TEST(StringFormat, CopiesNeverShareAnOwnedFormat) {
    StringFormat owning;
    ASSERT_TRUE(owning.Create(kNoWrap, 0));
    owning.Align(2);
    {
        StringFormat copy(owning);
        EXPECT_TRUE(copy.Owns());
        EXPECT_NE(copy.Handle(), nullptr);
        EXPECT_NE(copy.Handle(), owning.Handle());
        EXPECT_EQ(copy.Align(), 2);
        EXPECT_EQ(copy.Flags(), kNoWrap);
    }
    EXPECT_TRUE(Alive(owning.Handle(), kNoWrap));  // the copy deleted only its own

    StringFormat borrowing;
    ASSERT_TRUE(borrowing.Create(kNoWrap, 0, false));
    GdipStringFormatPtr owner(borrowing.Handle());
    StringFormat borrowedCopy;
    borrowedCopy = borrowing;
    EXPECT_EQ(borrowedCopy.Handle(), borrowing.Handle());
    EXPECT_FALSE(borrowedCopy.Owns());

    StringFormat moved(std::move(owning));
    EXPECT_EQ(owning.Handle(), nullptr);
    EXPECT_TRUE(Alive(moved.Handle(), kNoWrap));
}
