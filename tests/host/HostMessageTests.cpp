#include "platform/cad/MessageSender.h"
#include "platform/host/Executors.h"

#include <gtest/gtest.h>

#include <vector>

using zt::host::ExecutorMode;
using zt::host::Executors;

namespace {

class HostMessages : public testing::Test
{
protected:
    void TearDown() override
    {
        for (auto id : m_ids)
            MessageSender::Get().DropReceiver(id);
        Executors::Get().Stop();
    }
    void Receive(MessageSide side, const char* name, MessageSender::Receiver receiver)
    {
        m_ids.push_back(MessageSender::Get().AddReceiver(side, name, std::move(receiver)));
    }

    std::vector<MessageSender::ReceiverId> m_ids;
};

} // namespace

// The host plugs its executors into the platform's hub as soon as it is loaded: in manual mode
// interface messages wait for the interface pump like every other piece of interface work.
TEST_F(HostMessages, ManualModeDeliversOnThePumps)
{
    Executors::Get().Start(ExecutorMode::Manual);
    std::vector<int> ui, work;
    Receive(MessageSide::UserInterface, "Tick",
            [&](const JsonMessage& m) { ui.push_back(m.GetValue().asInt()); });
    Receive(MessageSide::Work, "Tick",
            [&](const JsonMessage& m) { work.push_back(m.GetValue().asInt()); });

    Executors::Get().PumpAll(); // the executors take this thread as the interface thread
    MessageSender::Get().Send(JsonMessage("Tick", 1, false));
    MessageSender::Get().Send(JsonMessage("Tick", 2, false));
    EXPECT_TRUE(ui.empty());
    Executors::Get().PumpUI();
    EXPECT_EQ(ui, (std::vector<int>{1, 2}));

    // Work messages from the interface thread run on the work queue, in order.
    SendMessageToWorkThread("Tick", 3);
    SendMessageToWorkThread("Tick", 4);
    Executors::Get().PumpWork();
    EXPECT_EQ(work, (std::vector<int>{3, 4}));
}

TEST_F(HostMessages, ThreadedModeDeliversOnTheHostsThreadsInOrder)
{
    Executors::Get().Start(ExecutorMode::Threaded);
    std::vector<int> ui; // touched on the interface thread only
    bool uiThread = true, workThread = true;
    Receive(MessageSide::UserInterface, "Progress", [&](const JsonMessage& m) {
        uiThread = uiThread && Executors::Get().IsUIThread();
        ui.push_back(m.GetValue().asInt());
    });
    Receive(MessageSide::Work, "Start", [&](const JsonMessage& m) {
        workThread = workThread && Executors::Get().IsWorkThread();
        for (int i = 0; i < m.GetValue().asInt(); ++i)
            MessageSender::Get().Send(JsonMessage("Progress", i, false));
    });

    // A waiting work message returns after the work receiver ran; the interface messages it
    // queued are then all behind one waiting interface call.
    MessageSender::Get().SendTo(MessageSide::Work, JsonMessage("Start", 100, true));
    Executors::Get().RunOnUIAndWait([] {});

    ASSERT_EQ(ui.size(), 100u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(ui[i], i);
    EXPECT_TRUE(uiThread);
    EXPECT_TRUE(workThread);
}
