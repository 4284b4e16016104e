#pragma once
// What a scene works with: the open session and a user at the desktop, with the few questions
// scenes ask of the picture (does this pixel show the view's background, how much of a
// rectangle is drawn on).

#include "apps/ztui-demo/session/DemoSession.h"
#include "platform/cad/DPoint3d.h"
#include "platform/win/SyntheticUser.h"

namespace ztdemo {

class SceneContext
{
public:
    explicit SceneContext(DemoSession& session) : m_session(session) {}

    DemoSession& session() { return m_session; }
    zt::win::SyntheticUser& user() { return m_user; }

    // The screen pixel where the selected view shows a world point.
    POINT ScreenOf(const DPoint3d& world) const;
    // The view's background colour.
    COLORREF Background() const;
    // The share of pixels of the rectangle (screen coordinates) that are not the view's
    // background, in [0, 1].
    double DrawnShare(const RECT& screenRect) const;
    // The selected view's rectangle on the screen.
    RECT ViewRect() const;
    // The centre of a ribbon button on the screen, by its command id.
    POINT RibbonButtonCentre(const wchar_t* id) const;
    // Everything queued on either thread and in the window system has run.
    void Settle();

private:
    DemoSession& m_session;
    zt::win::SyntheticUser m_user;
};

} // namespace ztdemo
