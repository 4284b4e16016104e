#include "ztui/proplist/window/GdiPropertyRowMetrics.h"

#include "platform/win/WinGdi.h"
#include "platform/win/mfc/CImageList.h"

namespace zt {

int GdiPropertyRowMetrics::BitmapHeight(HBITMAP bitmap) const
{
    BITMAP bm{};
    if (!bitmap || !GetObject(bitmap, sizeof(bm), &bm))
        return 0;
    return bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
}

int GdiPropertyRowMetrics::ImageListHeight(CImageList* imageList) const
{
    IMAGEINFO info{};
    if (!imageList || imageList->GetImageCount() <= 0 || !imageList->GetImageInfo(0, &info))
        return 0;
    return info.rcImage.bottom - info.rcImage.top;
}

} // namespace zt
