#pragma once
// The values the tracer boxes and the tools share across the two host threads, behind the one
// process-wide tracer lock. Each access holds the lock only while it copies; a compound change
// (a commit that moves the point and computes the result from it) runs as one Locked call so
// that no cursor move from the work thread can slip in between.

#include "platform/base/CString.h"
#include "platform/cad/DPoint2d.h"
#include "platform/cad/DPoint3d.h"
#include "ztui/ZTUiExport.h"
#include "ztui/tracer/TracerTypes.h"

#include <map>
#include <mutex>

namespace zt {

struct TracerSharedData
{
    // The last result sent to the work thread.
    TracerInputValue result;
    // The point distance and angle are measured from.
    DPoint3d startPoint;
    // The cursor point (world).
    DPoint3d movePoint;
    // The cursor point in screen pixels.
    DPoint2d screenPoint;
    // A new start point arrived: the box takes its next move point from it.
    bool startPointSet = false;
    // False while a message is being handled by a box on the user-interface thread.
    bool boxReady = true;
    // The text of the last number key.
    CString typedText;
    // The description the custom box is built from.
    TracerEvState customDescription;
    // Initial texts for the custom box, by field index.
    std::map<unsigned, CString> customContext;
};

class ZTUI_EXPORT TracerShared
{
public:
    static TracerShared& Get();

    // Runs fn with the data under the tracer lock and returns what it returns.
    template <class Fn>
    decltype(auto) Locked(Fn&& fn)
    {
        std::lock_guard lock(m_lock);
        return fn(m_data);
    }
    // A copy of everything, for readers that need several values of one moment.
    TracerSharedData Snapshot();

    TracerInputValue GetResult();
    void SetResult(const TracerInputValue& result);
    DPoint3d GetStartPoint();
    DPoint3d GetMovePoint();
    void SetMovePoint(const DPoint3d& point);
    DPoint2d GetScreenPoint();
    void SetScreenPoint(const DPoint2d& point);
    bool IsBoxReady();
    void SetBoxReady(bool ready);
    CString GetTypedText();

    // Back to the values of a new process (tests, a new session).
    void Reset();

private:
    TracerShared() = default;

    std::mutex m_lock;
    TracerSharedData m_data;
};

} // namespace zt
