// Identifiers of editor windows, one counter per row class.

#include "ztui/proplist/window/EditorIdCounter.h"

#include <gtest/gtest.h>

using zt::PropertyRowKind;

TEST(EditorIdCounter, EachRowClassCountsFromItsOwnStart)
{
    zt::EditorIdCounter ids;
    EXPECT_EQ(ids.Next(PropertyRowKind::Item), 100);
    EXPECT_EQ(ids.Next(PropertyRowKind::Item), 101);
    EXPECT_EQ(ids.Next(PropertyRowKind::Angle), 100);
    EXPECT_EQ(ids.Next(PropertyRowKind::PointPart), 1000);
    EXPECT_EQ(ids.Next(PropertyRowKind::EditButton), 4000);
    EXPECT_EQ(ids.Next(PropertyRowKind::Image), 2000);
    EXPECT_EQ(ids.Next(PropertyRowKind::Color), 2000);
    EXPECT_EQ(ids.Next(PropertyRowKind::Color), 2001);
    EXPECT_EQ(ids.Peek(PropertyRowKind::Color), 2002);
    EXPECT_EQ(ids.Next(PropertyRowKind::Group), 0);
}

TEST(EditorIdCounter, OrdinaryRowsWrapAfterTenThousand)
{
    zt::EditorIdCounter ids;
    int last = 0;
    for (int i = 100; i <= 10000; ++i)
        last = ids.Next(PropertyRowKind::Item);
    EXPECT_EQ(last, 10000);
    EXPECT_EQ(ids.Next(PropertyRowKind::Item), 100);
    for (int i = 1000; i <= 12000; ++i)
        last = ids.Next(PropertyRowKind::PointPart);
    EXPECT_EQ(last, 12000); // coordinate rows only grow
}
