#pragma once
// The GDI+ flat API, and owners for its handles so that nothing leaks on any
// path. Include this instead of <gdiplus.h>.

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

namespace canvas {

using namespace Gdiplus::DllExports;
using Gdiplus::ARGB;
using Gdiplus::GpBitmap;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpImageAttributes;
using Gdiplus::GpLineGradient;
using Gdiplus::GpMatrix;
using Gdiplus::GpPath;
using Gdiplus::GpPen;
using Gdiplus::GpRegion;
using Gdiplus::GpSolidFill;
using Gdiplus::GpStatus;
using Gdiplus::GpStringFormat;

namespace detail {
template <class T, auto Delete>
struct GdipDeleter {
    void operator()(T* p) const noexcept {
        if (p) Delete(p);
    }
};
}  // namespace detail

// Owning pointers; `.get()` borrows.
using GdipGraphicsPtr = std::unique_ptr<GpGraphics, detail::GdipDeleter<GpGraphics, GdipDeleteGraphics>>;
using GdipImagePtr = std::unique_ptr<GpImage, detail::GdipDeleter<GpImage, GdipDisposeImage>>;
using GdipFontPtr = std::unique_ptr<GpFont, detail::GdipDeleter<GpFont, GdipDeleteFont>>;
using GdipFontFamilyPtr = std::unique_ptr<GpFontFamily, detail::GdipDeleter<GpFontFamily, GdipDeleteFontFamily>>;
using GdipBrushPtr = std::unique_ptr<GpBrush, detail::GdipDeleter<GpBrush, GdipDeleteBrush>>;
using GdipPenPtr = std::unique_ptr<GpPen, detail::GdipDeleter<GpPen, GdipDeletePen>>;
using GdipPathPtr = std::unique_ptr<GpPath, detail::GdipDeleter<GpPath, GdipDeletePath>>;
using GdipRegionPtr = std::unique_ptr<GpRegion, detail::GdipDeleter<GpRegion, GdipDeleteRegion>>;
using GdipMatrixPtr = std::unique_ptr<GpMatrix, detail::GdipDeleter<GpMatrix, GdipDeleteMatrix>>;
using GdipStringFormatPtr = std::unique_ptr<GpStringFormat, detail::GdipDeleter<GpStringFormat, GdipDeleteStringFormat>>;
using GdipImageAttributesPtr =
    std::unique_ptr<GpImageAttributes, detail::GdipDeleter<GpImageAttributes, GdipDisposeImageAttributes>>;

// A bitmap is an image; GDI+ disposes both the same way.
inline GpImage* AsImage(GpBitmap* bitmap) { return reinterpret_cast<GpImage*>(bitmap); }

}  // namespace canvas
