#include "canvas/services/Picture.h"

#include <cstring>
#include <utility>

namespace canvas {
namespace {
constexpr std::uint8_t kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
}

Picture::Picture(Picture&& other) noexcept
    : image_(std::exchange(other.image_, nullptr)),
      memory_(std::exchange(other.memory_, nullptr)),
      stream_(std::exchange(other.stream_, nullptr)) {}

Picture& Picture::operator=(Picture&& other) noexcept {
    if (this != &other) {
        Release();
        image_ = std::exchange(other.image_, nullptr);
        memory_ = std::exchange(other.memory_, nullptr);
        stream_ = std::exchange(other.stream_, nullptr);
    }
    return *this;
}

void Picture::Release() {
    if (image_) GdipDisposeImage(std::exchange(image_, nullptr));
    if (memory_) GlobalFree(std::exchange(memory_, nullptr));
    if (stream_) std::exchange(stream_, nullptr)->Release();
}

Picture LoadPicture(std::span<const std::uint8_t> bytes, bool addPngSignature) {
    Picture picture;
    const size_t prefix = addPngSignature ? sizeof kPngSignature : 0;
    const size_t size = bytes.size() + prefix;
    if (size == 0) return picture;
    picture.memory_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!picture.memory_) return picture;

    bool ok = false;
    if (void* block = GlobalLock(picture.memory_)) {
        auto* out = static_cast<std::uint8_t*>(block);
        if (prefix) std::memcpy(out, kPngSignature, prefix);
        if (!bytes.empty()) std::memcpy(out + prefix, bytes.data(), bytes.size());
        GlobalUnlock(picture.memory_);
        ok = CreateStreamOnHGlobal(picture.memory_, FALSE, &picture.stream_) == S_OK;
        if (ok) ok = GdipLoadImageFromStream(picture.stream_, &picture.image_) == Gdiplus::Ok && picture.image_;
    }
    if (!ok) picture.Release();
    return picture;
}

void DrawPicture(GpGraphics* graphics, GpImage* image, const RectF& dest, RectF src, bool srcGiven,
                 GpImageAttributes* attributes) {
    if (!graphics || !image) return;
    if (!srcGiven) {
        src.width = static_cast<float>(PictureWidth(image));
        src.height = static_cast<float>(PictureHeight(image));
    }
    GdipDrawImageRectRect(graphics, image, dest.x, dest.y, dest.width, dest.height, src.x, src.y, src.width,
                          src.height, Gdiplus::UnitPixel, attributes, nullptr, nullptr);
}

int PictureWidth(GpImage* image) {
    UINT width = 0;
    if (image) GdipGetImageWidth(image, &width);
    return static_cast<int>(width);
}

int PictureHeight(GpImage* image) {
    UINT height = 0;
    if (image) GdipGetImageHeight(image, &height);
    return static_cast<int>(height);
}

}  // namespace canvas
