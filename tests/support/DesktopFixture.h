#pragma once
// A clean desktop for window tests, driven the way a user drives it (SyntheticUser). Tests
// never sleep; time passes with advance().

#include "platform/win/Desktop.h"
#include "platform/win/SyntheticUser.h"

class DesktopFixture : public zt::win::SyntheticUser
{
public:
    DesktopFixture()
    {
        zt::win::Desktop::Reset();
        zt::win::Desktop::SetIdleHook(nullptr);
        zt::win::Desktop::SetScreenSize(zt::win::Desktop::kDefaultScreenWidth,
                                        zt::win::Desktop::kDefaultScreenHeight);
    }
    ~DesktopFixture()
    {
        zt::win::Desktop::SetIdleHook(nullptr);
        zt::win::Desktop::Reset();
    }
    DesktopFixture(const DesktopFixture&) = delete;
    DesktopFixture& operator=(const DesktopFixture&) = delete;
};
