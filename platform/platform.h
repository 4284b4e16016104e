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
#include "platform/win/GdiDiagnostics.h"
#include "platform/win/Modules.h"
#include "platform/win/WinError.h"
#include "platform/win/Desktop.h"
#include "platform/win/WinUser.h"
#include "platform/win/afxgdi.h"
#include "platform/win/afxwin.h"

// CAD platform
#include "platform/cad/BVector.h"
#include "platform/cad/CurveLocationDetail.h"
#include "platform/cad/CurveVector.h"
#include "platform/cad/DEllipse3d.h"
#include "platform/cad/DPoint2d.h"
#include "platform/cad/DPoint3d.h"
#include "platform/cad/DRange3d.h"
#include "platform/cad/DRay3d.h"
#include "platform/cad/DSegment3d.h"
#include "platform/cad/DVec3d.h"
#include "platform/cad/DraftAid.h"
#include "platform/cad/GeomTolerance.h"
#include "platform/cad/ICurvePrimitive.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/IndexedViewSet.h"
#include "platform/cad/IndexedViewport.h"
#include "platform/cad/RotMatrix.h"
#include "platform/cad/SolidLocationDetail.h"
#include "platform/cad/Transform.h"
#include "platform/cad/Viewport.h"

// Host application
#include "platform/host/Callable.h"
#include "platform/host/CommandLine.h"
#include "platform/host/Commands.h"
#include "platform/host/CurveUtil.h"
#include "platform/host/Executors.h"
#include "platform/host/IFormatCheck.h"
#include "platform/host/KmSConvert.h"
#include "platform/host/MainFrame.h"
#include "platform/host/MainFrameEvent.h"
#include "platform/host/ModelessDialogManager.h"
#include "platform/host/PublicFunc.h"
#include "platform/host/UserEnvironment.h"
