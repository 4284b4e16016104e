#include "platform/cad/MessageSender.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <future>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Two real threads, one per side, each running its queue in order: the shape the host's
// executors give the hub.
class TestThreads : public IMessageThreads
{
public:
    TestThreads()
    {
        for (Lane& lane : m_lanes)
            lane.thread = std::thread([&lane] { lane.Run(); });
    }
    ~TestThreads() override
    {
        for (Lane& lane : m_lanes) {
            {
                std::lock_guard lock(lane.mutex);
                lane.stopping = true;
            }
            lane.wake.notify_one();
            lane.thread.join();
        }
    }

    void Post(MessageSide side, std::function<void()> task) override
    {
        Lane& lane = LaneOf(side);
        {
            std::lock_guard lock(lane.mutex);
            lane.tasks.push_back(std::move(task));
        }
        lane.wake.notify_one();
    }
    void RunAndWait(MessageSide side, const std::function<void()>& task) override
    {
        if (IsCurrentThread(side)) {
            task();
            return;
        }
        std::promise<void> done;
        Post(side, [&] {
            task();
            done.set_value();
        });
        done.get_future().wait();
    }
    bool IsCurrentThread(MessageSide side) const override
    {
        return std::this_thread::get_id() == LaneOf(side).thread.get_id();
    }

    std::thread::id ThreadOf(MessageSide side) const { return LaneOf(side).thread.get_id(); }

private:
    struct Lane
    {
        std::thread thread;
        std::mutex mutex;
        std::condition_variable wake;
        std::deque<std::function<void()>> tasks;
        bool stopping = false;

        void Run()
        {
            std::unique_lock lock(mutex);
            for (;;) {
                wake.wait(lock, [this] { return stopping || !tasks.empty(); });
                if (tasks.empty())
                    return;
                auto task = std::move(tasks.front());
                tasks.pop_front();
                lock.unlock();
                task();
                lock.lock();
            }
        }
    };
    Lane& LaneOf(MessageSide side) { return m_lanes[side == MessageSide::Work ? 1 : 0]; }
    const Lane& LaneOf(MessageSide side) const
    {
        return m_lanes[side == MessageSide::Work ? 1 : 0];
    }

    Lane m_lanes[2];
};

class MessageHub : public testing::Test
{
protected:
    void TearDown() override
    {
        for (auto id : m_ids)
            MessageSender::Get().DropReceiver(id);
        MessageSender::Get().SetThreads(nullptr);
    }
    MessageSender::ReceiverId Receive(MessageSide side, const char* name,
                                      MessageSender::Receiver receiver)
    {
        auto id = MessageSender::Get().AddReceiver(side, name, std::move(receiver));
        m_ids.push_back(id);
        return id;
    }

    std::vector<MessageSender::ReceiverId> m_ids;
};

} // namespace

TEST_F(MessageHub, MessagesReachTheReceiversOfTheirNameAndSideInOrder)
{
    std::vector<std::string> ui, work;
    Receive(MessageSide::UserInterface, "Popmsg",
            [&](const JsonMessage& m) { ui.push_back(std::string("a").append(m.GetValue().asString())); });
    Receive(MessageSide::UserInterface, "Popmsg",
            [&](const JsonMessage& m) { ui.push_back(std::string("b").append(m.GetValue().asString())); });
    Receive(MessageSide::UserInterface, "popmsg", [&](const JsonMessage&) { ui.push_back("?"); });
    Receive(MessageSide::Work, "Popmsg",
            [&](const JsonMessage& m) { work.push_back(m.GetValue().asString()); });

    MessageSender::Get().Send(JsonMessage("Popmsg", Json::Value("1"), false));
    MessageSender::Get().Send(JsonMessage("Popmsg", Json::Value("2"), true));
    SendMessageToWorkThread("Popmsg", Json::Value("w"));
    MessageSender::Get().Send(JsonMessage("Other", Json::Value("x"), false));

    EXPECT_EQ(ui, (std::vector<std::string>{"a1", "b1", "a2", "b2"}));
    EXPECT_EQ(work, std::vector<std::string>{"w"});
}

TEST_F(MessageHub, AMessageSentByAReceiverComesAfterTheOneBeingDelivered)
{
    std::vector<std::string> seen;
    Receive(MessageSide::UserInterface, "First", [&](const JsonMessage&) {
        seen.push_back("first begins");
        MessageSender::Get().Send(JsonMessage("Second", Json::Value(), true));
        seen.push_back("first ends");
    });
    Receive(MessageSide::UserInterface, "Second",
            [&](const JsonMessage&) { seen.push_back("second"); });

    MessageSender::Get().Send(JsonMessage("First", Json::Value(), false));

    EXPECT_EQ(seen, (std::vector<std::string>{"first begins", "first ends", "second"}));
    EXPECT_EQ(MessageSender::Get().GetPendingCount(MessageSide::UserInterface), 0u);
}

TEST_F(MessageHub, DroppedReceiversHearNothingMoreAndBadRegistrationsAreRefused)
{
    int second = 0;
    MessageSender::ReceiverId secondId = 0;
    Receive(MessageSide::UserInterface, "Drop",
            [&](const JsonMessage&) { MessageSender::Get().DropReceiver(secondId); });
    secondId = Receive(MessageSide::UserInterface, "Drop", [&](const JsonMessage&) { ++second; });

    MessageSender::Get().Send(JsonMessage("Drop", Json::Value(), false));
    MessageSender::Get().Send(JsonMessage("Drop", Json::Value(), false));
    EXPECT_EQ(second, 0);

    EXPECT_EQ(MessageSender::Get().AddReceiver(MessageSide::Work, nullptr, [](auto&) {}), 0u);
    EXPECT_EQ(MessageSender::Get().AddReceiver(MessageSide::Work, "", [](auto&) {}), 0u);
    EXPECT_EQ(MessageSender::Get().AddReceiver(MessageSide::Work, "x", nullptr), 0u);
    // Sending with no name, or a name nobody listens to, is quiet.
    SendMessageToWorkThread(nullptr, Json::Value(1));
    MessageSender::Get().DropReceiver(987654);
}

TEST_F(MessageHub, ThreadedMessagesFromManyThreadsArriveInOrderOnTheirSidesThread)
{
    TestThreads threads;
    MessageSender::Get().SetThreads(&threads);

    constexpr int kSenders = 4;
    constexpr int kEach = 300;
    std::map<int, int> lastSeq; // only touched on the interface thread
    int outOfOrder = 0, wrongThread = 0, delivered = 0;
    Receive(MessageSide::UserInterface, "Step", [&](const JsonMessage& m) {
        if (!threads.IsCurrentThread(MessageSide::UserInterface))
            ++wrongThread;
        int sender = m.GetValue()["sender"].asInt(), seq = m.GetValue()["seq"].asInt();
        auto it = lastSeq.find(sender);
        if (it != lastSeq.end() && it->second + 1 != seq)
            ++outOfOrder;
        lastSeq[sender] = seq;
        ++delivered;
    });

    std::vector<std::thread> senders;
    for (int s = 0; s < kSenders; ++s)
        senders.emplace_back([s] {
            for (int i = 0; i < kEach; ++i) {
                Json::Value v;
                v["sender"] = s;
                v["seq"] = i;
                MessageSender::Get().Send(JsonMessage("Step", v, false));
            }
        });
    for (auto& t : senders)
        t.join();
    // A waiting message from outside the interface thread returns once it, and so everything
    // queued before it, has been delivered.
    MessageSender::Get().Send(JsonMessage("Flush", Json::Value(), true));

    EXPECT_EQ(delivered, kSenders * kEach);
    EXPECT_EQ(outOfOrder, 0);
    EXPECT_EQ(wrongThread, 0);
    EXPECT_EQ(lastSeq.size(), std::size_t(kSenders));
}

TEST_F(MessageHub, ThreadedWorkAndInterfaceSidesAnswerEachOther)
{
    TestThreads threads;
    MessageSender::Get().SetThreads(&threads);

    std::mutex mutex;
    std::condition_variable done;
    std::vector<int> answers;
    bool workOnWorkThread = true, uiOnUiThread = true;
    Receive(MessageSide::Work, "Ask", [&](const JsonMessage& m) {
        workOnWorkThread = workOnWorkThread && threads.IsCurrentThread(MessageSide::Work);
        MessageSender::Get().Send(JsonMessage("Answer", m.GetValue().asInt() * 2, false));
    });
    Receive(MessageSide::UserInterface, "Answer", [&](const JsonMessage& m) {
        std::lock_guard lock(mutex);
        uiOnUiThread = uiOnUiThread && threads.IsCurrentThread(MessageSide::UserInterface);
        answers.push_back(m.GetValue().asInt());
        done.notify_one();
    });

    for (int i = 1; i <= 50; ++i)
        SendMessageToWorkThread("Ask", Json::Value(i));

    std::unique_lock lock(mutex);
    ASSERT_TRUE(
        done.wait_for(lock, std::chrono::seconds(30), [&] { return answers.size() == 50; }));
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(answers[i], (i + 1) * 2);
    EXPECT_TRUE(workOnWorkThread);
    EXPECT_TRUE(uiOnUiThread);
}

TEST_F(MessageHub, ThreadedWaitingMessageIsDeliveredBeforeSendReturns)
{
    TestThreads threads;
    MessageSender::Get().SetThreads(&threads);

    int value = 0; // written on the work thread, read here after the waiting send returns
    Receive(MessageSide::Work, "Set", [&](const JsonMessage& m) { value = m.GetValue().asInt(); });

    MessageSender::Get().SendTo(MessageSide::Work, JsonMessage("Set", Json::Value(7), true));
    EXPECT_EQ(value, 7);

    // From the receiving side's own thread a waiting message is delivered in place.
    int inPlace = 0;
    Receive(MessageSide::Work, "InPlace", [&](const JsonMessage&) { ++inPlace; });
    threads.RunAndWait(MessageSide::Work, [&] {
        MessageSender::Get().SendTo(MessageSide::Work, JsonMessage("InPlace", {}, true));
        EXPECT_EQ(inPlace, 1);
    });
}
