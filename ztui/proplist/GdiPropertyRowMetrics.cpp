#include "ztui/proplist/GdiPropertyRowMetrics.h"

#include "platform/win/WinGdi.h"

namespace zt {

int GdiPropertyRowMetrics::BitmapHeight(HBITMAP bitmap) const
{
    BITMAP bm{};
    if (!bitmap || !GetObject(bitmap, sizeof(bm), &bm))
        return 0;
    return bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
}

int GdiPropertyRowMetrics::ImageListHeight(CImageList*) const
{
    return 0;
}

} // namespace zt
