#pragma once
// The host commands of the auxiliary models: "ArchZoome" (zoom to extents without them),
// "ShowModelInfo" and "CloseModelInfo" (show or hide the model named under the interface
// state "ModelInfoName" in the selected view) and "CatchLocate" (the origin marker in the
// temporary auxiliary model). Each runs on the work thread, as host commands do.

#include "ztui/ZTUiExport.h"

namespace zt {

inline constexpr const char* kArchZoomeCommand = "ArchZoome";
inline constexpr const char* kShowModelInfoCommand = "ShowModelInfo";
inline constexpr const char* kCloseModelInfoCommand = "CloseModelInfo";
inline constexpr const char* kCatchLocateCommand = "CatchLocate";

inline constexpr const wchar_t* kResidentAuxiliaryModelName = L"ZT_ResidentAuxiliary_ModelInfo";
inline constexpr const wchar_t* kTmpModelName = L"ZT_Tmp_ModelInfo";
inline constexpr const char* kModelInfoNameKey = "ModelInfoName";
inline constexpr const char* k3DViewKey = "b3DView";

ZTUI_EXPORT void ArchZoome();
ZTUI_EXPORT void ShowModelInfo();
ZTUI_EXPORT void CloseModelInfo();
ZTUI_EXPORT void CatchLocate();

} // namespace zt
