// Found by the UI-event fuzzer: a view box started before the views had drawn their decorations
// went at exit after the decorations, and its last repaint of the views used them dead.
#include "platform/cad/IViewManager.h"
#include "platform/win/Desktop.h"
#include "ztui/drawinput/ZTViewBoxTransients.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(ViewBoxAtExit, ABoxStartedBeforeTheFirstDecorationLeavesQuietlyAtExit)
{
    // A fresh process, so that nothing drew a decoration before the box started.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            IndexedViewSet& views = IViewManager::GetManager().GetActiveViewSet();
            views.OpenViewport(0)->SetViewSize(400, 300);
            views.SetSelectedViewport(0);
            zt::ZTViewBoxTransients::instance().start(false);
            zt::win::Desktop::Pump();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}
