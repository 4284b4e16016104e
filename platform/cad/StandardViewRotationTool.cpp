#include "platform/cad/StandardViewRotationTool.h"

#include "platform/cad/IViewManager.h"
#include "platform/cad/IViewOutput.h"
#include "platform/cad/PlatformWorkQueue.h"
#include "platform/win/Desktop.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <vector>

namespace {

using Quat = std::array<double, 4>; // w, x, y, z

Quat ToQuat(const RotMatrix& r)
{
    const auto& m = r.form3d;
    const double trace = m[0][0] + m[1][1] + m[2][2];
    Quat q;
    if (trace > 0.0) {
        const double s = 0.5 / std::sqrt(trace + 1.0);
        q = {0.25 / s, (m[2][1] - m[1][2]) * s, (m[0][2] - m[2][0]) * s, (m[1][0] - m[0][1]) * s};
    } else if (m[0][0] > m[1][1] && m[0][0] > m[2][2]) {
        const double s = 2.0 * std::sqrt(1.0 + m[0][0] - m[1][1] - m[2][2]);
        q = {(m[2][1] - m[1][2]) / s, 0.25 * s, (m[0][1] + m[1][0]) / s, (m[0][2] + m[2][0]) / s};
    } else if (m[1][1] > m[2][2]) {
        const double s = 2.0 * std::sqrt(1.0 + m[1][1] - m[0][0] - m[2][2]);
        q = {(m[0][2] - m[2][0]) / s, (m[0][1] + m[1][0]) / s, 0.25 * s, (m[1][2] + m[2][1]) / s};
    } else {
        const double s = 2.0 * std::sqrt(1.0 + m[2][2] - m[0][0] - m[1][1]);
        q = {(m[1][0] - m[0][1]) / s, (m[0][2] + m[2][0]) / s, (m[1][2] + m[2][1]) / s, 0.25 * s};
    }
    return q;
}

RotMatrix FromQuat(const Quat& q)
{
    const double n = std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3]);
    const double w = q[0] / n, x = q[1] / n, y = q[2] / n, z = q[3] / n;
    return RotMatrix::FromRowValues(
        1 - 2 * (y * y + z * z), 2 * (x * y - z * w), 2 * (x * z + y * w), 2 * (x * y + z * w),
        1 - 2 * (x * x + z * z), 2 * (y * z - x * w), 2 * (x * z - y * w), 2 * (y * z + x * w),
        1 - 2 * (x * x + y * y));
}

struct Turn
{
    IndexedViewport* viewport;
    RotMatrix from;
    RotMatrix to;
    unsigned long start;
};

struct Turns
{
    std::mutex mutex;
    std::vector<Turn> running;
};

Turns& State()
{
    static Turns turns;
    return turns;
}

// Sets the rotation on the work thread, provided the view is still open.
void Apply(IndexedViewport* viewport, const RotMatrix& rotation)
{
    PlatformWorkQueue::Post([viewport, rotation] {
        if (!IViewManager::GetManager().GetActiveViewSet().Contains(viewport))
            return;
        viewport->GetViewControllerR().SetRotation(rotation);
        viewport->UpdateView();
    });
}

double Ease(double t)
{
    // Slow at both ends, as a hand would turn it.
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

RotMatrix StandardViewRotationTool::Interpolate(const RotMatrix& from, const RotMatrix& to,
                                                double fraction)
{
    const double t = std::clamp(fraction, 0.0, 1.0);
    if (t <= 0.0)
        return from;
    if (t >= 1.0)
        return to;
    Quat a = ToQuat(from), b = ToQuat(to);
    double dot = a[0] * b[0] + a[1] * b[1] + a[2] * b[2] + a[3] * b[3];
    if (dot < 0.0) {
        for (double& c : b)
            c = -c;
        dot = -dot;
    }
    Quat q;
    if (dot > 0.9995) {
        for (int i = 0; i < 4; ++i)
            q[i] = a[i] + t * (b[i] - a[i]);
    } else {
        const double theta = std::acos(dot);
        const double sa = std::sin((1.0 - t) * theta) / std::sin(theta);
        const double sb = std::sin(t * theta) / std::sin(theta);
        for (int i = 0; i < 4; ++i)
            q[i] = sa * a[i] + sb * b[i];
    }
    return FromQuat(q);
}

bool StandardViewRotationTool::StartTool(IndexedViewport& viewport, StandardView view)
{
    const int number = static_cast<int>(view);
    if (number < static_cast<int>(StandardView::Top) ||
        number > static_cast<int>(StandardView::RightIso))
        return false;
    const RotMatrix target = RotMatrix::FromStandardView(view);
    IViewOutput* output = viewport.GetIViewOutput();
    HWND window = output ? output->GetWindow() : nullptr;
    if (!window) {
        Forget(viewport);
        viewport.GetViewControllerR().SetRotation(target);
        viewport.UpdateView();
        return true;
    }
    {
        std::lock_guard lock(State().mutex);
        auto& running = State().running;
        running.erase(std::remove_if(running.begin(), running.end(),
                                     [&](const Turn& t) { return t.viewport == &viewport; }),
                      running.end());
        running.push_back(Turn{&viewport, viewport.GetRotMatrix(), target,
                               static_cast<unsigned long>(zt::win::Desktop::Now())});
    }
    ::PostMessageW(window, StandardViewRotationTool::kTickRequestMessage, 0, 0);
    return true;
}

bool StandardViewRotationTool::IsTurning(const IndexedViewport& viewport)
{
    std::lock_guard lock(State().mutex);
    for (const Turn& t : State().running)
        if (t.viewport == &viewport)
            return true;
    return false;
}

void StandardViewRotationTool::FinishAll()
{
    std::vector<Turn> finished;
    {
        std::lock_guard lock(State().mutex);
        finished.swap(State().running);
    }
    for (const Turn& t : finished)
        Apply(t.viewport, t.to);
}

bool StandardViewRotationTool::Tick(unsigned long now)
{
    std::vector<std::pair<IndexedViewport*, RotMatrix>> steps;
    bool more = false;
    {
        std::lock_guard lock(State().mutex);
        auto& running = State().running;
        for (auto it = running.begin(); it != running.end();) {
            const double t = double(now - it->start) / double(kDurationMs);
            if (t >= 1.0) {
                steps.emplace_back(it->viewport, it->to);
                it = running.erase(it);
                continue;
            }
            steps.emplace_back(it->viewport, Interpolate(it->from, it->to, Ease(t)));
            ++it;
        }
        more = !running.empty();
    }
    for (const auto& [viewport, rotation] : steps)
        Apply(viewport, rotation);
    return more;
}

void StandardViewRotationTool::Forget(const IndexedViewport& viewport)
{
    std::lock_guard lock(State().mutex);
    auto& running = State().running;
    running.erase(std::remove_if(running.begin(), running.end(),
                                 [&](const Turn& t) { return t.viewport == &viewport; }),
                  running.end());
}
