#pragma once
// <afxwin.h> for MFC programs: the class library with the Win32 names beneath it.

#include <windows.h>

#include "platform/win/afxwin.h"
