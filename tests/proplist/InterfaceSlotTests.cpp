// Host code compiled against the documented interfaces calls through their tables of virtual
// functions by position. Under the platform's C++ ABI a pointer to a virtual member function
// holds one plus the byte offset of its slot, which gives the position each operation sits at.

#include "ztui/proplist/model/PropertyList_imp.h"
#include "ztui/proplist/style/DrawStyleColor.h"
#include "ztui/proplist/style/DrawStyleItem.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

template <class MemberFunction>
long SlotOf(MemberFunction function)
{
    struct
    {
        std::uintptr_t ptr;
        std::ptrdiff_t adjust;
    } raw;
    static_assert(sizeof(function) == sizeof(raw));
    std::memcpy(&raw, &function, sizeof raw);
    if ((raw.ptr & 1) == 0)
        return -1; // not virtual
    return static_cast<long>((raw.ptr - 1) / sizeof(void*));
}

} // namespace

TEST(InterfaceSlots, PropertyListStartsWithClearNotADestructor)
{
    using PropertyMgrUI::PropertyList;
    EXPECT_EQ(SlotOf(&PropertyList::clear), 0);
    EXPECT_EQ(SlotOf(&PropertyList::addItem), 1);
    EXPECT_EQ(SlotOf(&PropertyList::refresh), 2);
    EXPECT_EQ(SlotOf(&PropertyList::setValueChanged), 3);
    EXPECT_EQ(SlotOf(&PropertyList::setButtonClicked), 4);
    EXPECT_EQ(SlotOf(&PropertyList::itemChanged), 5);
    EXPECT_EQ(SlotOf(&PropertyList::collectGroupStates), 6);
}

TEST(InterfaceSlots, PropertyItemOperationsSitAtTheirDocumentedPositions)
{
    using PropertyMgrUI::PropertyItem;
    EXPECT_EQ(SlotOf(&PropertyItem::groupName), 0);
    EXPECT_EQ(SlotOf(&PropertyItem::setFormatCheck), 8);
    EXPECT_EQ(SlotOf(&PropertyItem::setAngle), 20);
    EXPECT_EQ(SlotOf(&PropertyItem::listEntries), 39);
    EXPECT_EQ(SlotOf(&PropertyItem::syncWith), 66);
    using WideEntry = PropertyItem* (PropertyItem::*)(const wchar_t*, int);
    using StringEntry = PropertyItem* (PropertyItem::*)(const CString&, int);
    EXPECT_EQ(SlotOf(static_cast<StringEntry>(&PropertyItem::addImageListEntry)), 35);
    EXPECT_EQ(SlotOf(static_cast<WideEntry>(&PropertyItem::addImageListEntry)), 71);
    EXPECT_EQ(SlotOf(&PropertyItem::editButtonData), 72);
}

TEST(InterfaceSlots, StyleNodeStartsWithNameAndColoursWithCount)
{
    EXPECT_EQ(SlotOf(&dsc::DrawStyleItem::name), 0);
    EXPECT_EQ(SlotOf(&dsc::DrawStyleItem::value), 1);
    EXPECT_EQ(SlotOf(&dsc::DrawStyleItem::intValue), 2);
    EXPECT_EQ(SlotOf(&dsc::DrawStyleItem::doubleValue), 3);
    EXPECT_EQ(SlotOf(&dsc::DrawStyleItem::colors), 4);
    EXPECT_EQ(SlotOf(&dsc::DrawStyleItem::child), 5);
    EXPECT_EQ(SlotOf(&dsc::DrawStyleColor::count), 0);
    EXPECT_EQ(SlotOf(&dsc::DrawStyleColor::colorAt), 1);
    EXPECT_EQ(SlotOf(&dsc::DrawStyleColor::fill), 2);
    EXPECT_EQ(SlotOf(&dsc::DrawStyleColor::frame), 3);
}
