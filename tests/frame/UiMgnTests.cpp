// Ribbon buttons switched by tools: one message per button to the host, in order, the
// document title of the main frame, and the elevation of building elements.

#include "platform/base/Encoding.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/MessageSender.h"
#include "platform/host/Executors.h"
#include "platform/host/MainFrame.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/frame/ZTUiMgn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using zt::ZTUiMgn;

// What the host's ribbon heard: "+id" for enable, "-id" for disable.
class RibbonMessages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageSender& hub = MessageSender::Get();
        auto record = [this](char sign) {
            return [this, sign](const JsonMessage& m) {
                heard.push_back(sign + (m.GetValue().isString() ? m.GetValue().asString()
                                                                : std::string("?")));
            };
        };
        ids.push_back(hub.AddReceiver(MessageSide::UserInterface, "Tessel.Message.EnableButton",
                                      record('+')));
        ids.push_back(hub.AddReceiver(MessageSide::UserInterface, "Tessel.Message.DisableButton",
                                      record('-')));
        saved = ZTUiMgn::instance().ribbonButtons;
        ZTUiMgn::instance().ribbonButtons = {L"Wall", L"Slab", L"Door"};
    }
    void TearDown() override
    {
        for (auto id : ids)
            MessageSender::Get().DropReceiver(id);
        ZTUiMgn::instance().ribbonButtons = saved;
    }
    // The hub delivers on the host's user-interface thread, after the sender's own work.
    const std::vector<std::string>& Heard()
    {
        zt::host::Executors::Get().PumpAll();
        return heard;
    }
    std::vector<std::string> heard;
    std::vector<MessageSender::ReceiverId> ids;
    std::vector<CString> saved;
};

TEST_F(RibbonMessages, PlainOperationsSendOneMessagePerIdInOrderRepeatsIncluded)
{
    std::vector<CString> ids{L"Door", L"Wall", L"Door", L"Unknown"};
    ZTUiMgn::instance().enableRibbonButton(ids);
    ZTUiMgn::instance().disableRibbonButton(ids);
    EXPECT_EQ(Heard(), (std::vector<std::string>{"+Door", "+Wall", "+Door", "+Unknown", "-Door",
                                               "-Wall", "-Door", "-Unknown"}));
}

TEST_F(RibbonMessages, OnlyOperationsWalkTheRibbonInItsOrder)
{
    std::vector<CString> ids{L"Door", L"Wall", L"NotOnTheRibbon"};
    ZTUiMgn::instance().enableRibbonButtonOnly(ids);
    EXPECT_EQ(Heard(), (std::vector<std::string>{"+Wall", "-Slab", "+Door"}));
    heard.clear();
    ZTUiMgn::instance().disableRibbonButtonOnly(ids);
    EXPECT_EQ(Heard(), (std::vector<std::string>{"-Wall", "+Slab", "-Door"}));
}

TEST_F(RibbonMessages, OnlyOperationsWithNoIdsSwitchEveryButton)
{
    std::vector<CString> none;
    ZTUiMgn::instance().enableRibbonButtonOnly(none);
    EXPECT_EQ(Heard(), (std::vector<std::string>{"-Wall", "-Slab", "-Door"}));
    heard.clear();
    ZTUiMgn::instance().disableRibbonButtonOnly(none);
    EXPECT_EQ(Heard(), (std::vector<std::string>{"+Wall", "+Slab", "+Door"}));
}

TEST_F(RibbonMessages, OnlyOperationsWithAnEmptyRibbonSendNothing)
{
    ZTUiMgn::instance().ribbonButtons.clear();
    std::vector<CString> ids{L"Wall"};
    ZTUiMgn::instance().enableRibbonButtonOnly(ids);
    ZTUiMgn::instance().disableRibbonButtonOnly(ids);
    EXPECT_TRUE(Heard().empty());
}

TEST_F(RibbonMessages, IdsAreCaseSensitiveAndArriveAsUtf8)
{
    ZTUiMgn::instance().ribbonButtons = {L"墙", L"wall"};
    std::vector<CString> ids{L"墙", L"WALL"};
    ZTUiMgn::instance().enableRibbonButtonOnly(ids);
    ASSERT_EQ(Heard().size(), 2u);
    EXPECT_EQ(heard[0], "+\xE5\xA2\x99"); // U+5899 in UTF-8
    EXPECT_EQ(heard[1], "-wall");
}

class WindowTitle : public ::testing::Test
{
protected:
    DesktopFixture desktop;
};

TEST_F(WindowTitle, SetsTheActiveDocumentsTitleAndTheCaption)
{
    zt::host::HostMainFrame* frame = zt::host::CreateMainFrame();
    ASSERT_NE(frame, nullptr);
    CDocument doc;
    frame->GetGraphicsView()->SetDocument(&doc);
    frame->SetActiveView(frame->GetGraphicsView());
    zt::ZTUiUtil::setWindowTitle(WString(L"办公楼 A.dgn"));
    EXPECT_EQ(doc.GetTitle(), CString(L"办公楼 A.dgn"));
    CString caption;
    frame->GetWindowText(caption);
    EXPECT_EQ(caption, CString(L"办公楼 A.dgn - Tessel"));
    frame->GetGraphicsView()->SetDocument(nullptr);
    zt::host::DestroyMainFrame();
}

TEST_F(WindowTitle, WithoutADocumentNothingChanges)
{
    zt::ZTUiUtil::setWindowTitle(WString(L"no frame")); // no main frame at all
    zt::host::HostMainFrame* frame = zt::host::CreateMainFrame();
    ASSERT_NE(frame, nullptr);
    zt::ZTUiUtil::setWindowTitle(WString(L"ignored"));
    CString caption;
    frame->GetWindowText(caption);
    EXPECT_EQ(caption, CString(L"Tessel"));
    zt::host::DestroyMainFrame();
}

} // namespace


namespace {

// The elevation of building elements, read from the host's object model; a building element
// that is not an architecture element has none.
class Foundation : public TSBuildingElement
{
public:
    Foundation() : TSBuildingElement(Utf8String("Foundation")) {}
    const std::vector<TSArchField>& GetFields() const override
    {
        static const std::vector<TSArchField> none;
        return none;
    }
    TSObjectPtr Clone() const override { return new Foundation(*this); }

protected:
    bool BuildBody(bvector<DPoint3d>&, double& bottom, double& height) const override
    {
        bottom = -2000;
        height = 1000;
        return false;
    }
};

TEST(BuildingElevation, ArchitectureElementsGiveTheirBottomOthersLeaveTheValue)
{
    DgnProject* project = DgnApplication::Get().NewProject();
    ASSERT_NE(project, nullptr);
    TSArchiStoreyManager::Get().AddStorey(*project, L"二层", 3300.0);
    auto obj =
        TSObjectExtensionManager::Get().GetTSObject(project, "TSM_ArchiModel", "TSArchiWall");
    RefCountedPtr<TSArchiWall> wall(dynamic_cast<TSArchiWall*>(obj.get()));
    ASSERT_TRUE(wall.IsValid());
    wall->SetStart({0, 0, 0});
    wall->SetEnd({3000, 0, 0});
    wall->SetBottomOffset(150.0);

    double elevation = -1;
    zt::ZTUiMgn::instance().getArchiBuildingElavation(wall.get(), elevation);
    EXPECT_DOUBLE_EQ(elevation, 3450.0);

    elevation = 42;
    zt::ZTUiMgn::instance().getArchiBuildingElavation(nullptr, elevation);
    EXPECT_EQ(elevation, 42);
    RefCountedPtr<TSBuildingElement> other(new Foundation);
    zt::ZTUiMgn::instance().getArchiBuildingElavation(other, elevation);
    EXPECT_EQ(elevation, 42);
    // The manager took its own reference and gave it back.
    EXPECT_EQ(other->GetRefCount(), 1u);
    DgnApplication::Get().CloseProject();
}

} // namespace
