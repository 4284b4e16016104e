#pragma once

#include "ztui/proplist/PropertyRows.h"

namespace zt {

// Row sizes measured with the GDI: a bitmap's height from its header. Image lists have no
// window-system counterpart yet, so an image list row measures as one without images.
class ZTUI_EXPORT GdiPropertyRowMetrics final : public PropertyRowMetrics
{
public:
    int BitmapHeight(HBITMAP bitmap) const override;
    int ImageListHeight(CImageList* imageList) const override;
};

} // namespace zt
