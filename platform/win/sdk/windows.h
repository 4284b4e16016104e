#pragma once
// <windows.h> for programs written against Win32: the stand-in's kernel, window manager, GDI,
// common controls and dialogs under the name every Win32 program includes.

#include "platform/win/WinDef.h"

#include "platform/win/DebugOutput.h"
#include "platform/win/Modules.h"
#include "platform/win/WinBase.h"
#include "platform/win/WinError.h"
#include "platform/win/WinUser.h"
