#pragma once
// A DC over a window's client area (GetDC), released on destruction.

#include "platform/win/WinUser.h"
#include "platform/win/mfc/CDC.h"

class CWnd;

class CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};
