#pragma once
// The MFC-shaped drawing classes in one include: CPoint, CSize, CRect, CGdiObject, CPen, CBrush,
// CFont, CBitmap, CRgn and CDC, with the GDI and USER drawing functions beneath them.

#include "platform/win/CBitmap.h"
#include "platform/win/CBrush.h"
#include "platform/win/CDC.h"
#include "platform/win/CFont.h"
#include "platform/win/CGdiObject.h"
#include "platform/win/CPen.h"
#include "platform/win/CPoint.h"
#include "platform/win/CRect.h"
#include "platform/win/CRgn.h"
#include "platform/win/CSize.h"
#include "platform/win/GdiTypes.h"
#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
