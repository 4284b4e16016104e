#include "platform/base/RefCounted.h"

#include <gtest/gtest.h>

namespace {

struct Tracked : zt::base::RefCountedBase
{
    explicit Tracked(int& alive) : m_alive(alive) { ++m_alive; }
    ~Tracked() override { --m_alive; }
    int& m_alive;
};

struct Derived : Tracked
{
    using Tracked::Tracked;
};

} // namespace

TEST(RefCountedPtr, LastReferenceDestroysTheObject)
{
    int alive = 0;
    {
        RefCountedPtr<Tracked> a = MakeRefCounted<Tracked>(alive);
        EXPECT_EQ(a->GetRefCount(), 1u);
        {
            RefCountedPtr<Tracked> b = a;
            EXPECT_EQ(a->GetRefCount(), 2u);
            RefCountedPtr<Tracked> c = std::move(b);
            EXPECT_TRUE(b.IsNull());
            EXPECT_EQ(a->GetRefCount(), 2u);
        }
        EXPECT_EQ(alive, 1);
        a = nullptr;
        EXPECT_EQ(alive, 0);
    }
    EXPECT_EQ(alive, 0);
}

TEST(RefCountedPtr, RawPointerCanBeWrappedAgain)
{
    int alive = 0;
    RefCountedPtr<Tracked> a = MakeRefCounted<Derived>(alive);
    Tracked* raw = a.get();
    RefCountedPtr<Tracked> again(raw); // intrusive: the count is shared, not duplicated
    a = nullptr;
    EXPECT_EQ(alive, 1);
    again = nullptr;
    EXPECT_EQ(alive, 0);
}

TEST(RefCountedPtr, ReleaseHandsOverOneCount)
{
    int alive = 0;
    RefCountedPtr<Tracked> a = MakeRefCounted<Tracked>(alive);
    Tracked* raw = a.release();
    EXPECT_TRUE(a.IsNull());
    EXPECT_EQ(raw->GetRefCount(), 1u);
    raw->Release();
    EXPECT_EQ(alive, 0);
}
