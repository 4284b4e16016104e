#pragma once
// The DC of a WM_PAINT handler: BeginPaint on construction, EndPaint on destruction.

#include "platform/win/WinUser.h"
#include "platform/win/mfc/CDC.h"

class CWnd;

class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd = nullptr;
};
