#pragma once
// The MFC-shaped window classes in one include, with the drawing classes beneath them.

#include "platform/win/WinUser.h"
#include "platform/win/afxgdi.h"
#include "platform/win/mfc/CButton.h"
#include "platform/win/mfc/CClientDC.h"
#include "platform/win/mfc/CDialog.h"
#include "platform/win/mfc/CDialogEx.h"
#include "platform/win/mfc/CDockablePane.h"
#include "platform/win/mfc/CDynLinkLibrary.h"
#include "platform/win/mfc/CFrameWnd.h"
#include "platform/win/mfc/CPaintDC.h"
#include "platform/win/mfc/CStatic.h"
#include "platform/win/mfc/CToolTipCtrl.h"
#include "platform/win/mfc/CView.h"
#include "platform/win/mfc/CWinApp.h"
#include "platform/win/mfc/CWindowDC.h"
#include "platform/win/mfc/CWnd.h"
