#pragma once
// The MFC-shaped drawing classes in one include: CPoint, CSize, CRect, CGdiObject, CPen, CBrush,
// CFont, CBitmap, CRgn and CDC, with the GDI and USER drawing functions beneath them.

#include "platform/win/GdiTypes.h"
#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/mfc/CBitmap.h"
#include "platform/win/mfc/CBrush.h"
#include "platform/win/mfc/CDC.h"
#include "platform/win/mfc/CFont.h"
#include "platform/win/mfc/CGdiObject.h"
#include "platform/win/mfc/CPen.h"
#include "platform/win/mfc/CPoint.h"
#include "platform/win/mfc/CRect.h"
#include "platform/win/mfc/CRgn.h"
#include "platform/win/mfc/CSize.h"
