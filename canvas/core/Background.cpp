#include "canvas/core/Background.h"

#include "canvas/controls/Drawing.h"
#include "canvas/controls/Geometry.h"
#include "canvas/services/Picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace canvas {
namespace {

constexpr int kOpaque = 255;
constexpr float kMargin = 0.0000001f;
constexpr int kRowsPerRead = 256;  // bounds the buffer of AverageColour on large pictures

constexpr std::array<int, 4> kShadowDiametersRounded{10, 12, 15, 18};
constexpr std::array<int, 4> kShadowDiametersSquare{1, 4, 7, 11};
constexpr std::array<int, 4> kShadowAlphas{60, 35, 15, 5};

// Attributes for the pieces of a nine-grid: edges sampled by mirroring, so a
// stretched piece takes no colour from its neighbours; optionally an alpha.
GdipImageAttributesPtr PieceAttributes(std::optional<int> alpha) {
    GpImageAttributes* raw = nullptr;
    GdipCreateImageAttributes(&raw);
    GdipImageAttributesPtr attributes(raw);
    if (!attributes) return attributes;
    GdipSetImageAttributesWrapMode(raw, Gdiplus::WrapModeTileFlipXY, 0, FALSE);
    if (alpha) {
        Gdiplus::ColorMatrix matrix{};
        matrix.m[0][0] = 1;
        matrix.m[1][1] = 1;
        matrix.m[2][2] = 1;
        matrix.m[3][3] = static_cast<float>(*alpha) / kOpaque;
        matrix.m[4][4] = 1;
        GdipSetImageAttributesColorMatrix(raw, Gdiplus::ColorAdjustTypeBitmap, TRUE, &matrix, nullptr,
                                          Gdiplus::ColorMatrixFlagsDefault);
    }
    return attributes;
}

// Fills target with the source part of the picture scaled onto it. A texture
// fill covers exactly the target's pixels and samples only the piece itself,
// where a stretched image draw would blend in the neighbouring pixels at the
// piece's edges.
void DrawPiece(GpGraphics* graphics, GpImage* picture, const RectF& source, const RectF& target,
               GpImageAttributes* attributes) {
    Gdiplus::GpTexture* raw = nullptr;
    GdipCreateTextureIA(picture, attributes, source.x, source.y, source.width, source.height, &raw);
    const GdipBrushPtr texture(reinterpret_cast<GpBrush*>(raw));
    if (!texture) return;
    GdipSetTextureWrapMode(raw, Gdiplus::WrapModeTileFlipXY);
    GpMatrix* matrix = nullptr;
    GdipCreateMatrix2(target.width / source.width, 0, 0, target.height / source.height, target.x, target.y, &matrix);
    const GdipMatrixPtr owner(matrix);
    if (matrix) GdipSetTextureTransform(raw, matrix);
    GdipFillRectangle(graphics, texture.get(), target.x, target.y, target.width, target.height);
}

bool HasArea(const RectF& r) { return r.width > 0 && r.height > 0; }

}  // namespace

Rgb AverageColour(HDC referenceDc, GpImage* picture) {
    Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
    if (!picture || GdipGetImageType(picture, &type) != Gdiplus::Ok || type != Gdiplus::ImageTypeBitmap) return 0;
    HBITMAP raw = nullptr;
    GdipCreateHBITMAPFromBitmap(reinterpret_cast<GpBitmap*>(picture), &raw, 0);
    const UniqueBitmap bitmap(raw);
    const UniqueDc dc(CreateCompatibleDC(referenceDc));
    const int width = PictureWidth(picture), height = PictureHeight(picture);
    if (!bitmap || !dc || width <= 0 || height <= 0) return 0;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int rowsPerRead = std::min(height, kRowsPerRead);
    std::vector<std::uint8_t> rows(static_cast<size_t>(width) * rowsPerRead * 4);
    std::uint64_t red = 0, green = 0, blue = 0;
    for (int first = 0; first < height; first += rowsPerRead) {
        const int count = std::min(rowsPerRead, height - first);
        info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * count * 4;
        if (GetDIBits(dc.get(), bitmap.get(), first, count, rows.data(), &info, DIB_RGB_COLORS) != count) return 0;
        for (size_t i = 0; i < static_cast<size_t>(width) * count * 4; i += 4) {
            blue += rows[i];
            green += rows[i + 1];
            red += rows[i + 2];
        }
    }
    const auto pixels = static_cast<std::uint64_t>(width) * height;
    return static_cast<Rgb>(red / pixels | (green / pixels) << 8 | (blue / pixels) << 16);
}

void DrawPictureAt(GpGraphics* graphics, GpImage* picture, const RectF& rect, bool centred) {
    if (!graphics || !picture) return;
    const auto pw = static_cast<float>(PictureWidth(picture)), ph = static_cast<float>(PictureHeight(picture));
    float x = rect.x, y = rect.y;
    if (centred) {
        x = std::round(rect.x - (pw - rect.width) / 2);
        y = std::round(rect.y - (ph - rect.height) / 2);
    }
    GdipDrawImageRect(graphics, picture, x, y, pw, ph);
}

void DrawNineGrid(GpGraphics* graphics, GpImage* picture, const RectF& dest, const RectF& centre, int alpha,
                  bool useAlpha) {
    if (!graphics || !picture) return;
    const auto pw = static_cast<float>(PictureWidth(picture)), ph = static_cast<float>(PictureHeight(picture));
    if (pw <= 0 || ph <= 0 || dest.width <= 0 || dest.height <= 0) return;
    const float l = std::clamp(centre.x, 0.0f, pw), t = std::clamp(centre.y, 0.0f, ph);
    const float cw = std::clamp(centre.width, 0.0f, pw - l), ch = std::clamp(centre.height, 0.0f, ph - t);
    const float r = pw - l - cw, b = ph - t - ch;
    const float dx = dest.x, dy = dest.y, dw = dest.width, dh = dest.height;
    // Corners that do not fit into dest shrink in proportion.
    const float kx = (l + r > dw) ? dw / (l + r) : 1, ky = (t + b > dh) ? dh / (t + b) : 1;
    const float dl = l * kx, dr = r * kx, dt = t * ky, db = b * ky;
    const float midW = dw - dl - dr, midH = dh - dt - db;

    struct Piece {
        RectF source, target;
    };
    const std::array<Piece, 9> pieces{{
        {{0, 0, l, t}, {dx, dy, dl, dt}},
        {{l, 0, cw, t}, {dx + dl, dy, midW, dt}},
        {{pw - r, 0, r, t}, {dx + dw - dr, dy, dr, dt}},
        {{0, t, l, ch}, {dx, dy + dt, dl, midH}},
        {{l, t, cw, ch}, {dx + dl, dy + dt, midW, midH}},
        {{pw - r, t, r, ch}, {dx + dw - dr, dy + dt, dr, midH}},
        {{0, ph - b, l, b}, {dx, dy + dh - db, dl, db}},
        {{l, ph - b, cw, b}, {dx + dl, dy + dh - db, midW, db}},
        {{pw - r, ph - b, r, b}, {dx + dw - dr, dy + dh - db, dr, db}},
    }};
    const GdipImageAttributesPtr attributes =
        PieceAttributes((useAlpha && alpha >= 0 && alpha < kOpaque) ? std::optional<int>(alpha) : std::nullopt);
    // Whole pixels: pieces meet without seams or overlaps.
    Gdiplus::GraphicsState state = 0;
    GdipSaveGraphics(graphics, &state);
    GdipSetSmoothingMode(graphics, Gdiplus::SmoothingModeNone);
    GdipSetPixelOffsetMode(graphics, Gdiplus::PixelOffsetModeNone);
    for (const Piece& piece : pieces) {
        if (!HasArea(piece.source) || !HasArea(piece.target)) continue;
        DrawPiece(graphics, picture, piece.source, piece.target, attributes.get());
    }
    GdipRestoreGraphics(graphics, state);
}

void BlendEdges(GpGraphics* graphics, const RectF& rect, Rgb colour, Edges edges, float band, float offset) {
    if (!graphics) return;
    const float x = rect.x + offset, y = rect.y + offset;
    const float u = (rect.width - band > kMargin) ? band : std::trunc(rect.width / 2);
    const float v = (rect.height - band > kMargin) ? band : std::trunc(rect.height / 2);
    const Argb full = MakeArgb(colour, kOpaque), clear = MakeArgb(colour, 0);
    constexpr int kHorizontal = Gdiplus::LinearGradientModeHorizontal;
    constexpr int kVertical = Gdiplus::LinearGradientModeVertical;
    if (edges.top) FillGradientRect(graphics, {rect.x, rect.y, rect.width, v}, full, clear, kVertical);
    if (edges.left) FillGradientRect(graphics, {rect.x, rect.y, u, rect.height}, full, clear, kHorizontal);
    if (edges.bottom) FillGradientRect(graphics, {x, y + rect.height - v, rect.width, v + 1}, clear, full, kVertical);
    if (edges.right) FillGradientRect(graphics, {x + rect.width - u, y, u + 1, rect.height}, clear, full, kHorizontal);
}

void PaintShadow(GpGraphics* graphics, RectF rect, int rounded, Rgb colour) {
    if (!graphics) return;
    const auto& diameters = rounded ? kShadowDiametersRounded : kShadowDiametersSquare;
    for (size_t k = 0; k < kShadowAlphas.size(); ++k) {
        DrawRoundRect(graphics, rect, static_cast<float>(diameters[k]), MakeArgb(colour, kShadowAlphas[k]));
        if (k + 1 < kShadowAlphas.size()) AdjustRect(rect, -1, -1, 2, 2);
    }
}

UniqueRegion FrameRegion(int width, int height, int inset, int ellipse, int rounded) {
    const int e = rounded ? ellipse : 0;
    return UniqueRegion(CreateRoundRectRgn(inset, inset, width - inset + 1, height - inset + 1, e, e));
}

GdipRegionPtr FrameClipRegion(int width, int height, int inset, int ellipse, int rounded) {
    const UniqueRegion region = FrameRegion(width, height, inset, ellipse, rounded);
    GpRegion* raw = nullptr;
    if (region) GdipCreateRegionHrgn(region.get(), &raw);
    return GdipRegionPtr(raw);
}

}  // namespace canvas
