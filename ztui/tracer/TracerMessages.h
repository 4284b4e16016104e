#pragma once
// The names of the messages that cross between a tool's thread and the tracer boxes, as host
// code has always spelled them, and the interface through which a box receives them.

#include "ztui/ZTUiExport.h"

#include <cstring>
#include <string_view>

namespace zt {

inline constexpr std::string_view kTracerCreateDlg = "wm_work2ui_createdlg";
inline constexpr std::string_view kTracerReleseDlg = "wm_work2ui_relesedlg";
inline constexpr std::string_view kTracerMoveTacer = "wm_work2ui_movetacer";
inline constexpr std::string_view kTracerTabDown = "wm_work2ui_tabdown";
inline constexpr std::string_view kTracerNumDown = "wm_worl2ui_numdown";
inline constexpr std::string_view kTracerUpdateUi = "wm_work2ui_updateui";
inline constexpr std::string_view kTracerMoveCurso = "wm_work2ui_movecurso";
inline constexpr std::string_view kTracerInit = "wm_work2ui_init";
inline constexpr std::string_view kTracerNotifyEv = "wm_ui2work_notifyev";

// Names compare by length and content; a null name matches nothing.
inline bool IsTracerMessage(const char* name, std::string_view expected)
{
    return name && std::string_view(name) == expected;
}

// The names under which the boxes are registered with the host's modeless dialog registry.
inline constexpr const char* kArchTracerDialogName = "TesselTracerDialog";
inline constexpr const char* kDimTracerDialogName = "ZTDlgArchTracerDim";
inline constexpr const char* kCustomTracerDialogName = "TesselTracerCusDlg";
// The context bar's window, beside which a box moves on a timer.
inline constexpr const char* kContextbarDialogName = "TesselUiContextbarDialog";

// A tracer box: handed each message by name on the user-interface thread.
class ZTUI_EXPORT ITracerBox
{
public:
    virtual void OnTracerMessage(const char* name) = 0;

protected:
    ~ITracerBox() = default;
};

} // namespace zt
