#pragma once

#include "ztui/proplist/window/PropertyRows.h"

namespace zt {

// Row sizes measured with the GDI: a bitmap's height from its header, an image list's from its
// first image (0 for a null or empty list).
class ZTUI_EXPORT GdiPropertyRowMetrics final : public PropertyRowMetrics
{
public:
    int BitmapHeight(HBITMAP bitmap) const override;
    int ImageListHeight(CImageList* imageList) const override;
};

} // namespace zt
