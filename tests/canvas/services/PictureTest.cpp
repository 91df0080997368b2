#include "canvas/services/Picture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace canvas;

namespace {

// Encodes a small picture with GDI+'s own encoder of the given MIME type.
std::vector<std::uint8_t> Encode(const wchar_t* mime, int width, int height) {
    UINT count = 0, size = 0;
    GdipGetImageEncodersSize(&count, &size);
    std::vector<std::uint8_t> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    GdipGetImageEncoders(count, size, codecs);
    const CLSID* clsid = nullptr;
    for (UINT i = 0; i < count; ++i)
        if (wcscmp(codecs[i].MimeType, mime) == 0) clsid = &codecs[i].Clsid;
    if (!clsid) return {};

    GpBitmap* bitmap = nullptr;
    GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap);
    GdipImagePtr owner(AsImage(bitmap));
    GdipBitmapSetPixel(bitmap, 0, 0, 0xFFFF0000);
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    GdipSaveImageToStream(AsImage(bitmap), stream, clsid, nullptr);
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    std::vector<std::uint8_t> bytes(static_cast<size_t>(stat.cbSize.QuadPart));
    LARGE_INTEGER zero{};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    stream->Release();
    return bytes;
}

DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

}  // namespace

// A 3 x 2 GIF (Wine's GIF encoder writes files its own decoder refuses).
const std::vector<std::uint8_t> kGif = {
    0x47, 0x49, 0x46, 0x38, 0x37, 0x61, 0x03, 0x00, 0x02, 0x00, 0x81, 0x00, 0x00, 0xFF, 0x00,
    0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00,
    0x03, 0x00, 0x02, 0x00, 0x00, 0x08, 0x06, 0x00, 0x01, 0x08, 0x1C, 0x18, 0x10, 0x00, 0x3B};

TEST(Picture, LoadsEveryCommonFormat) {
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        int width, height;
    } cases[] = {{"png", Encode(L"image/png", 7, 5), 7, 5},
                 {"jpeg", Encode(L"image/jpeg", 7, 5), 7, 5},
                 {"bmp", Encode(L"image/bmp", 7, 5), 7, 5},
                 {"gif", kGif, 3, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.bytes.empty());
        Picture picture = LoadPicture(c.bytes);
        ASSERT_TRUE(picture);
        EXPECT_NE(picture.memory(), nullptr);
        EXPECT_NE(picture.stream(), nullptr);
        EXPECT_EQ(PictureWidth(picture.image()), c.width);
        EXPECT_EQ(PictureHeight(picture.image()), c.height);
    }
}

TEST(Picture, PngWithoutSignatureNeedsTheSignaturePutInFront) {
    const auto png = Encode(L"image/png", 3, 4);
    ASSERT_GT(png.size(), 8u);
    const std::span<const std::uint8_t> bare(png.data() + 8, png.size() - 8);
    EXPECT_FALSE(LoadPicture(bare, false));
    Picture picture = LoadPicture(bare, true);
    ASSERT_TRUE(picture);
    EXPECT_EQ(PictureWidth(picture.image()), 3);
}

TEST(Picture, BytesThatAreNoPictureGiveAnEmptyTriple) {
    const std::vector<std::uint8_t> junk = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (auto bytes : {std::span<const std::uint8_t>(), std::span<const std::uint8_t>(junk)}) {
        Picture picture = LoadPicture(bytes);
        EXPECT_FALSE(picture);
        EXPECT_EQ(picture.memory(), nullptr);
        EXPECT_EQ(picture.stream(), nullptr);
        EXPECT_EQ(PictureWidth(picture.image()), 0);
    }
}

TEST(Picture, LoadingAndReleasingLeaksNoGdiObjects) {
    const auto png = Encode(L"image/png", 16, 16);
    const std::vector<std::uint8_t> junk(100, 0x42);
    for (int i = 0; i < 5; ++i) LoadPicture(png);  // warm up caches
    const DWORD before = GdiObjects();
    for (int i = 0; i < 200; ++i) {
        Picture good = LoadPicture(png);
        Picture bad = LoadPicture(junk);
        ReleasePicture(good);
        EXPECT_FALSE(good);
    }
    EXPECT_LE(GdiObjects(), before + 2);
}

TEST(Picture, DrawPictureWithoutSourceScalesTheWholeImage) {
    const auto png = Encode(L"image/png", 2, 2);
    Picture picture = LoadPicture(png);
    ASSERT_TRUE(picture);
    GpBitmap* target = nullptr;
    GdipCreateBitmapFromScan0(20, 20, 0, PixelFormat32bppARGB, nullptr, &target);
    GdipImagePtr owner(AsImage(target));
    GpGraphics* g = nullptr;
    GdipGetImageGraphicsContext(AsImage(target), &g);
    GdipGraphicsPtr graphics(g);
    GdipSetInterpolationMode(g, Gdiplus::InterpolationModeNearestNeighbor);
    GdipSetPixelOffsetMode(g, Gdiplus::PixelOffsetModeHalf);
    DrawPicture(g, picture.image(), {0, 0, 20, 20}, {}, false);
    ARGB topLeft = 0, bottomRight = 0;
    GdipBitmapGetPixel(target, 2, 2, &topLeft);
    GdipBitmapGetPixel(target, 17, 17, &bottomRight);
    EXPECT_EQ(topLeft, 0xFFFF0000u);   // the red pixel scaled up to a quarter
    EXPECT_EQ(bottomRight, 0u);        // the transparent rest
}
