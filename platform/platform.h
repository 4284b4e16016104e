#pragma once
// Every stand-in for the machine the library runs on: base types, the window system, the CAD
// platform and the host application.

// Base
#include "platform/base/CString.h"
#include "platform/base/Encoding.h"
#include "platform/base/Handles.h"
#include "platform/base/RefCounted.h"
#include "platform/base/WString.h"
#include "platform/base/WinTypes.h"

// Window system
#include "platform/win/Modules.h"
#include "platform/win/WinError.h"

// Host application
#include "platform/host/Callable.h"
#include "platform/host/CommandLine.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/KmSConvert.h"
#include "platform/host/MainFrameEvent.h"
#include "platform/host/ModelessDialogManager.h"
#include "platform/host/UserEnvironment.h"
