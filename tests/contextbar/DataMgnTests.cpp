// The store behind the bar: the operation last chosen is remembered per element class and per
// kind of click, common operations under one key for every class, and nothing is remembered
// for promote or for click types that say not to.

#include "ContextbarTestSupport.h"

#include "platform/host/TSStoreyModelViewManager.h"

namespace {

constexpr auto kRotate = TSOperating_Rotate;
constexpr auto kMirror = TSOperating_Mirror;
const auto kWallOwn = static_cast<TSOperating>(9);

class DataMgn : public ContextbarTest
{
protected:
    void Pick(ElementRef* element, TSClickType click)
    {
        Data().setvetInstanceKey({KeyOf(element)});
        Data().setTSClickType(click);
    }
};

} // namespace

TEST_F(DataMgn, StartsEmptyAtTheOrigin)
{
    EXPECT_EQ(Data().getOldOperating(), TSOperating_None);
    EXPECT_TRUE(Data().getvetInstanceKey().empty());
    EXPECT_EQ(Data().getTSClickType(), TSClickType_Plain);
    EXPECT_EQ(Data().getClickPoint().x, 0.0);
}

TEST_F(DataMgn, KeysAreAppendedWithDuplicatesAndReplacedAsAWhole)
{
    ECInstanceKey a(3, 7), b(3, 8);
    Data().addInstanceKey(a);
    Data().addInstanceKey(a);
    Data().addInstanceKey(b);
    EXPECT_EQ(Data().getvetInstanceKey(), (std::vector<ECInstanceKey>{a, a, b}));
    Data().setvetInstanceKey({b});
    EXPECT_EQ(Data().getvetInstanceKey(), (std::vector<ECInstanceKey>{b}));
}

TEST_F(DataMgn, PromoteChangesNothingNotEvenTheKey)
{
    Pick(project.AddWall(0), TSClickType_Plain);
    Data().addTSOperating(kWallOwn);
    ASSERT_EQ(Data().operatingKey, WString(L"TSArchiWall"));
    Data().addTSOperating(TSOperating_Promote);
    EXPECT_EQ(Data().operatingKey, WString(L"TSArchiWall"));
    EXPECT_EQ(Data().operatingMap.size(), 1u);
    EXPECT_EQ(Data().getOldOperating(), kWallOwn);
}

TEST_F(DataMgn, ACommonOperationAfterAPlainPickIsRememberedForEveryClickType)
{
    Pick(project.AddWall(0), TSClickType_Plain);
    Data().addTSOperating(kRotate);
    EXPECT_EQ(Data().operatingKey, WString(L"Common"));
    const auto& common = Data().operatingMap.at(L"Common");
    EXPECT_EQ(common.clickedOperating, kRotate);
    EXPECT_EQ(common.plainOperating, kRotate) << "stored in both values";
    for (TSClickType click : {TSClickType_Plain, TSClickType_Several, TSClickType_ToolSetting}) {
        SCOPED_TRACE(click);
        Data().setTSClickType(click);
        EXPECT_EQ(Data().getOldOperating(), kRotate);
    }
}

TEST_F(DataMgn, ClickTypesThatDoNotRememberSetTheCommonKeyOnly)
{
    Pick(project.AddWall(0), TSClickType_Plain);
    Data().addTSOperating(kRotate);
    for (TSClickType click : {TSClickType_NotRemembered, TSClickType_ToolSetting}) {
        SCOPED_TRACE(click);
        Data().setTSClickType(click);
        Data().addTSOperating(kMirror);
        EXPECT_EQ(Data().operatingKey, WString(L"Common"));
        EXPECT_EQ(Data().getOldOperating(), kRotate) << "what the entry held before";
    }
    Data().clearMapOperating();
    Data().addTSOperating(kMirror);
    EXPECT_EQ(Data().getOldOperating(), TSOperating_None);
    EXPECT_TRUE(Data().operatingMap.empty());
}

TEST_F(DataMgn, AClassOperationIsRememberedPerClassAndPerKindOfClick)
{
    ElementRef* wall = project.AddWall(0);
    ElementRef* otherWall = project.AddWall(3000);
    ElementRef* slab = project.AddSlab();
    Pick(wall, TSClickType_Plain);
    Data().addTSOperating(kWallOwn);
    EXPECT_EQ(Data().operatingKey, WString(L"TSArchiWall"));

    Pick(otherWall, TSClickType_Plain);
    EXPECT_EQ(Data().getOldOperating(), kWallOwn) << "another wall, picked the same way";
    Pick(otherWall, TSClickType_Several);
    EXPECT_EQ(Data().getOldOperating(), TSOperating_None) << "picked another way";
    Pick(slab, TSClickType_Plain);
    EXPECT_EQ(Data().getOldOperating(), TSOperating_None) << "another class";

    // The slab remembers its own; the wall keeps its.
    const auto kSlabOwn = static_cast<TSOperating>(12);
    Data().addTSOperating(kSlabOwn);
    EXPECT_EQ(Data().getOldOperating(), kSlabOwn);
    Pick(wall, TSClickType_Plain);
    EXPECT_EQ(Data().getOldOperating(), kWallOwn);
    Pick(wall, TSClickType_Several);
    Data().addTSOperating(static_cast<TSOperating>(14));
    EXPECT_EQ(Data().getOldOperating(), static_cast<TSOperating>(14));
    Data().setTSClickType(TSClickType_Plain);
    EXPECT_EQ(Data().getOldOperating(), kWallOwn);
}

TEST_F(DataMgn, AnInvalidOrUnknownKeyRemembersAndFindsNothing)
{
    Pick(project.AddWall(0), TSClickType_Plain);
    Data().addTSOperating(kWallOwn);
    for (ECInstanceKey key : {ECInstanceKey(KeyOf(project.AddWall(500)).GetECClassId(), -1),
                              ECInstanceKey(0, 5), ECInstanceKey(4, 987654)}) {
        SCOPED_TRACE(key.GetECInstanceId());
        Data().setvetInstanceKey({key});
        EXPECT_EQ(Data().getOldOperating(), TSOperating_None);
        Data().addTSOperating(static_cast<TSOperating>(11));
        EXPECT_EQ(Data().operatingKey, WString(L"TSArchiWall"));
        EXPECT_EQ(Data().operatingMap.size(), 1u);
    }
}

TEST_F(DataMgn, WithoutKeysAClassOperationGoesUnderTheLastKey)
{
    Pick(project.AddWall(0), TSClickType_Plain);
    Data().addTSOperating(kWallOwn);
    Data().setvetInstanceKey({});
    Data().addTSOperating(static_cast<TSOperating>(10));
    EXPECT_EQ(Data().operatingMap.at(L"TSArchiWall").plainOperating, static_cast<TSOperating>(10));
    EXPECT_EQ(Data().getOldOperating(), TSOperating_None) << "nothing is picked";
}

TEST_F(DataMgn, TheActiveModelIsTheOneShownInTheActiveViewport)
{
    EXPECT_EQ(Data().getActiveModelId(), INVALID_MODELID) << "no view shows a model yet";
    TSStoreyModelViewInfoPtr view =
        TSStoreyModelViewManager::Get().EnsureViewportView(project.Project());
    ASSERT_TRUE(view.IsValid());
    EXPECT_EQ(Data().getActiveModelId(), view->GetModelId());
    EXPECT_NE(Data().getActiveModelId(), INVALID_MODELID);
}
