// The component registry: publishing, finding and withdrawing by name, interfaces, lifetime
// and use from several threads at once.
#include "ztui/frame/ComponentRegistry.h"
#include "ztui/frame/IResManagerIcon.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using zt::ComponentRegistry;
using zt::IComponent;

namespace {

class ICounter
{
public:
    static constexpr const char* kInterfaceName = "ICounter";
    virtual ~ICounter() = default;
    virtual int count() const = 0;
};

class Counter final : public IComponent, public ICounter
{
public:
    explicit Counter(int n, int* destroyed = nullptr) : m_n(n), m_destroyed(destroyed) {}
    ~Counter() override
    {
        if (m_destroyed)
            ++*m_destroyed;
    }
    void* queryInterface(std::string_view name) override
    {
        return name == ICounter::kInterfaceName ? static_cast<ICounter*>(this) : nullptr;
    }
    int count() const override { return m_n; }

private:
    int m_n;
    int* m_destroyed;
};

} // namespace

TEST(ComponentRegistry, FirstPublisherKeepsTheNameUntilItIsWithdrawn)
{
    ComponentRegistry registry;
    auto first = std::make_shared<Counter>(1);
    auto second = std::make_shared<Counter>(2);
    EXPECT_TRUE(registry.publish("Counter", first));
    EXPECT_FALSE(registry.publish("Counter", second));
    EXPECT_EQ(registry.find("Counter"), first);
    EXPECT_EQ(registry.find("counter"), nullptr); // names compare exactly

    // Withdrawing on behalf of someone else's component leaves the name alone.
    EXPECT_EQ(registry.withdraw("Counter", second.get()), nullptr);
    EXPECT_EQ(registry.withdraw("Counter"), first);
    EXPECT_EQ(registry.find("Counter"), nullptr);
    EXPECT_EQ(registry.withdraw("Counter"), nullptr);
    EXPECT_TRUE(registry.publish("Counter", second));
    EXPECT_EQ(registry.find("Counter"), second);
}

TEST(ComponentRegistry, BadNamesAndMissingComponentsAreRefused)
{
    ComponentRegistry registry;
    EXPECT_FALSE(registry.publish("", std::make_shared<Counter>(1)));
    EXPECT_FALSE(registry.publish("Nothing", nullptr));
    EXPECT_TRUE(registry.names().empty());
    EXPECT_EQ(registry.find(""), nullptr);
    EXPECT_EQ(registry.query<ICounter>("Nothing"), nullptr);
}

TEST(ComponentRegistry, QueryGivesAnInterfaceOnlyWhenTheComponentOffersIt)
{
    ComponentRegistry registry;
    ASSERT_TRUE(registry.publish("Counter", std::make_shared<Counter>(42)));
    std::shared_ptr<ICounter> counter = registry.query<ICounter>("Counter");
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(counter->count(), 42);
    EXPECT_EQ(registry.query<resman::IResManagerIcon>("Counter"), nullptr);
}

TEST(ComponentRegistry, AComponentLivesWhileSomeoneHoldsIt)
{
    int destroyed = 0;
    {
        ComponentRegistry registry;
        ASSERT_TRUE(registry.publish("A", std::make_shared<Counter>(1, &destroyed)));
        ASSERT_TRUE(registry.publish("B", std::make_shared<Counter>(2, &destroyed)));
        std::shared_ptr<ICounter> held = registry.query<ICounter>("A");
        registry.withdraw("A");
        EXPECT_EQ(destroyed, 0);
        held.reset();
        EXPECT_EQ(destroyed, 1);
    }
    // The registry releases what is still published when it goes.
    EXPECT_EQ(destroyed, 2);
}

TEST(ComponentRegistry, NamesAreListedSorted)
{
    ComponentRegistry registry;
    for (const char* name : {"b", "a", "c"})
        ASSERT_TRUE(registry.publish(name, std::make_shared<Counter>(0)));
    EXPECT_EQ(registry.names(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(ComponentRegistry, TheLibraryPublishesItsIconManagerAtLoad)
{
    auto icons =
        ComponentRegistry::instance().query<resman::IResManagerIcon>(resman::kResManagerIconName);
    ASSERT_NE(icons, nullptr);
    EXPECT_EQ(
        icons.get(),
        ComponentRegistry::instance().query<resman::IResManagerIcon>("IResManagerIcon").get());
}

TEST(ComponentRegistry, ThreadsPublishFindAndWithdrawAtTheSameTime)
{
    ComponentRegistry registry;
    ASSERT_TRUE(registry.publish("shared", std::make_shared<Counter>(7)));
    constexpr int kThreads = 4;
    constexpr int kRounds = 500;
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            std::string own = "own" + std::to_string(t);
            for (int i = 0; i < kRounds; ++i) {
                if (!registry.publish(own, std::make_shared<Counter>(t)))
                    ++wrong;
                auto shared = registry.query<ICounter>("shared");
                auto mine = registry.query<ICounter>(own);
                if (!shared || shared->count() != 7 || !mine || mine->count() != t)
                    ++wrong;
                if (!registry.withdraw(own))
                    ++wrong;
            }
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(registry.names(), (std::vector<std::string>{"shared"}));
}
