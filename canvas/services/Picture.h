#pragma once
// A picture loaded from bytes: the GDI+ image together with the memory block
// and the stream it reads from (GDI+ decodes lazily, so all three live as
// long as the image). Released as a whole.

#include "canvas/core/RectF.h"
#include "canvas/services/GdiPlus.h"

#include <cstdint>
#include <span>

namespace canvas {

class Picture {
public:
    Picture() = default;
    ~Picture() { Release(); }
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    GpImage* image() const { return image_; }
    HGLOBAL memory() const { return memory_; }
    IStream* stream() const { return stream_; }
    explicit operator bool() const { return image_ != nullptr; }

    // Disposes the image, frees the block, releases the stream; each only
    // when present, and leaves all three empty.
    void Release();

private:
    friend Picture LoadPicture(std::span<const std::uint8_t> bytes, bool addPngSignature);
    GpImage* image_ = nullptr;
    HGLOBAL memory_ = nullptr;
    IStream* stream_ = nullptr;
};

// Pictures held without their 8-byte PNG signature load with addPngSignature.
Picture LoadPicture(std::span<const std::uint8_t> bytes, bool addPngSignature = false);
inline void ReleasePicture(Picture& picture) { picture.Release(); }

// Draws the src part of image into dest; without srcGiven the source size is
// the image's size (its x and y stay as passed).
void DrawPicture(GpGraphics* graphics, GpImage* image, const RectF& dest, RectF src, bool srcGiven,
                 GpImageAttributes* attributes = nullptr);
int PictureWidth(GpImage* image);
int PictureHeight(GpImage* image);

}  // namespace canvas
