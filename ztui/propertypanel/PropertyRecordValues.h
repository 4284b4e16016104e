#pragma once
// What the panel needs of host records beyond the record class itself: a copy of a record
// (records move, they are never copied, because a record owns its checker), whether two records
// hold the same value, and a copy of a bitmap a record lends to the list.

#include "platform/base/Handles.h"
#include "platform/host/TesselUIPropertyItem.h"

namespace zt {

class PropertyRecordValues
{
public:
    // A record of the same kind, name, value and flags; without a checker and with no head
    // bitmap (bitmaps stay with the record they came in).
    static TesselUIPropertyItem Copy(const TesselUIPropertyItem& record);
    // Same kind and same value; names, flags and checkers are not compared.
    static bool SameValue(const TesselUIPropertyItem& a, const TesselUIPropertyItem& b);
    // A new bitmap with the same picture, or null for null or a handle that is no bitmap.
    static HBITMAP CopyBitmap(HBITMAP bitmap);
};

} // namespace zt
