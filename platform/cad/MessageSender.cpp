#include "platform/cad/MessageSender.h"

#include <deque>
#include <map>
#include <mutex>
#include <vector>

namespace {

int Index(MessageSide side)
{
    return side == MessageSide::UserInterface ? 0 : 1;
}

struct Registration
{
    MessageSide side;
    Utf8String name;
    std::shared_ptr<MessageSender::Receiver> receiver;
};

} // namespace

struct MessageSender::Impl
{
    struct Side
    {
        std::deque<JsonMessage> queue;
        bool draining = false;
    };

    mutable std::mutex mutex;
    Side sides[2];
    std::map<ReceiverId, Registration> receivers;
    ReceiverId nextId = 1;
    IMessageThreads* threads = nullptr;

    // Delivers everything queued for the side, oldest first. Only one delivery loop runs per
    // side; a message sent meanwhile (a receiver may send) joins the queue behind the others.
    void Drain(MessageSide side)
    {
        Side& s = sides[Index(side)];
        std::unique_lock lock(mutex);
        if (s.draining)
            return;
        s.draining = true;
        while (!s.queue.empty()) {
            JsonMessage message = std::move(s.queue.front());
            s.queue.pop_front();
            std::vector<std::pair<ReceiverId, std::shared_ptr<Receiver>>> targets;
            for (const auto& [id, reg] : receivers)
                if (reg.side == side && reg.name == message.GetName())
                    targets.emplace_back(id, reg.receiver);
            for (const auto& [id, receiver] : targets) {
                if (!receivers.count(id))
                    continue; // dropped by an earlier receiver of this message
                lock.unlock();
                (*receiver)(message);
                lock.lock();
            }
        }
        s.draining = false;
    }
};

MessageSender& MessageSender::Get()
{
    static MessageSender sender;
    return sender;
}

MessageSender::MessageSender() : m_impl(std::make_unique<Impl>()) {}

MessageSender::~MessageSender() = default;

void MessageSender::Send(const JsonMessage& message)
{
    SendTo(MessageSide::UserInterface, message);
}

void MessageSender::SendMessageToWorkThread(const char* name, const Json::Value& value)
{
    SendTo(MessageSide::Work, JsonMessage(name ? name : "", value, false));
}

void MessageSender::SendTo(MessageSide side, const JsonMessage& message)
{
    IMessageThreads* threads;
    {
        std::lock_guard lock(m_impl->mutex);
        m_impl->sides[Index(side)].queue.push_back(message);
        threads = m_impl->threads;
    }
    Impl* impl = m_impl.get();
    if (!threads)
        impl->Drain(side);
    else if (threads->IsCurrentThread(side)) {
        // On its own thread a waiting message is delivered now; any other is left for the
        // executor, so that a sender never runs receivers in the middle of its own work.
        if (message.WaitsForDelivery())
            impl->Drain(side);
        else
            threads->Post(side, [impl, side] { impl->Drain(side); });
    } else if (message.WaitsForDelivery())
        threads->RunAndWait(side, [impl, side] { impl->Drain(side); });
    else
        threads->Post(side, [impl, side] { impl->Drain(side); });
}

MessageSender::ReceiverId MessageSender::AddReceiver(MessageSide side, const char* name,
                                                     Receiver receiver)
{
    if (!name || !*name || !receiver)
        return 0;
    std::lock_guard lock(m_impl->mutex);
    ReceiverId id = m_impl->nextId++;
    m_impl->receivers.emplace(
        id, Registration{side, name, std::make_shared<Receiver>(std::move(receiver))});
    return id;
}

void MessageSender::DropReceiver(ReceiverId id)
{
    std::lock_guard lock(m_impl->mutex);
    m_impl->receivers.erase(id);
}

void MessageSender::SetThreads(IMessageThreads* threads)
{
    std::lock_guard lock(m_impl->mutex);
    m_impl->threads = threads;
}

std::size_t MessageSender::GetPendingCount(MessageSide side) const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->sides[Index(side)].queue.size();
}

void SendMessageToWorkThread(const char* name, const Json::Value& value)
{
    MessageSender::Get().SendMessageToWorkThread(name, value);
}
