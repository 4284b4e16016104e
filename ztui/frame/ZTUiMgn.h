#pragma once
// The process-wide service through which the host's tools switch ribbon buttons on and off,
// read a building element's elevation and show pop-up messages. The ribbon belongs to the
// host: every change is one message per button through the platform's message sender.

#include "platform/base/CString.h"
#include "platform/base/RefCounted.h"
#include "platform/base/WString.h"
#include "ztui/ZTUiExport.h"

#include <cstdint>
#include <vector>

class TSBuildingElement;

namespace zt {

enum POP_MSG_TYPE : std::int32_t
{
    POP_MSG_INFO = 0,
    POP_MSG_WARNING = 1,
    POP_MSG_ERROR = 2,
};

class ZTUI_EXPORT ZTUiMgn
{
public:
    static ZTUiMgn& instance();

    // The ids of every ribbon button the "only" operations control, in the host's order. The
    // host fills it; the library only reads it.
    std::vector<CString> ribbonButtons;

    void enableRibbonButton(std::vector<CString>& ids);
    void disableRibbonButton(std::vector<CString>& ids);
    // Every button of ribbonButtons: enabled when its id is in ids, disabled otherwise.
    void enableRibbonButtonOnly(std::vector<CString>& ids);
    // Every button of ribbonButtons: disabled when its id is in ids, enabled otherwise.
    void disableRibbonButtonOnly(std::vector<CString>& ids);

    // Writes the elevation of an architecture element; any other element (or none) leaves
    // elevation as it was.
    void getArchiBuildingElavation(RefCountedPtr<TSBuildingElement> element, double& elevation);

    // Shows the message over the upper middle of the main frame for durationMs; on the
    // user-interface thread.
    static void PopMessage(const CString& text, POP_MSG_TYPE type, int durationMs);
    // The same from the work thread: the values travel through the platform's UI state and
    // the message is shown later on the user-interface thread.
    static void PopMessageWorkThread(const CString& text, POP_MSG_TYPE type, int durationMs);

    ZTUiMgn(const ZTUiMgn&) = delete;
    ZTUiMgn& operator=(const ZTUiMgn&) = delete;

private:
    ZTUiMgn();
    ~ZTUiMgn();
};

class ZTUI_EXPORT ZTUiUtil
{
public:
    // The title of the main frame's active document; nothing happens without one.
    static void setWindowTitle(const WString& title);
};

} // namespace zt
