#pragma once
// MFC's image list: owns one image list handle (destroyed with the object unless detached).
// Owners such as the property list's image drop-down borrow it by pointer and draw from it.

#include "platform/win/WinCtl.h"
#include "platform/win/mfc/CBitmap.h"
#include "platform/win/mfc/CDC.h"
#include "platform/win/mfc/CObject.h"

class CImageList : public CObject
{
    DECLARE_DYNAMIC(CImageList)
public:
    CImageList() = default;
    ~CImageList() override;

    HIMAGELIST m_hImageList = nullptr;

    // Makes a new, empty list of cx x cy images; an existing one is destroyed first.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    int GetImageCount() const;
    // The position of image i in the list's strip; its height is the list's image height.
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    // The images' size; false without a list.
    BOOL GetIconSize(int& cx, int& cy) const;
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;

    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon);
    BOOL Remove(int nImage);
    // A new icon of image i; the caller destroys it.
    HICON ExtractIcon(int nImage);

    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    BOOL DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg,
                UINT nStyle);
};
