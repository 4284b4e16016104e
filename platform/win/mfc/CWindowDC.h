#pragma once
// A DC over a whole window, frame included (GetWindowDC), released on destruction. A null
// window gives the screen DC.

#include "platform/win/WinUser.h"
#include "platform/win/mfc/CDC.h"

class CWnd;

class CWindowDC : public CDC
{
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
