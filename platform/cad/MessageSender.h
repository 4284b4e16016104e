#pragma once
// The application's message hub: named JSON messages for the user-interface side (Send) and
// for the work side (SendMessageToWorkThread). Each side has one queue, so messages reach the
// receivers registered for their name on that side in the order they were sent, and always on
// that side's thread.
//
// The platform does not own threads: the host tells the hub how to reach its two threads
// (SetThreads), and its executors run the deliveries. Until it does, or after it stops, a
// message is delivered on the sending thread as soon as no other delivery of that side is
// running there, which keeps the order.

#include "platform/cad/JsonMessage.h"

#include <cstdint>
#include <functional>
#include <memory>

enum class MessageSide
{
    UserInterface,
    Work,
};

// How the hub reaches the host's threads.
class IMessageThreads
{
public:
    virtual ~IMessageThreads() = default;
    // Queues the task on that side's thread.
    virtual void Post(MessageSide side, std::function<void()> task) = 0;
    // Runs the task on that side's thread and returns when it has run.
    virtual void RunAndWait(MessageSide side, const std::function<void()>& task) = 0;
    virtual bool IsCurrentThread(MessageSide side) const = 0;
};

class MessageSender
{
public:
    using Receiver = std::function<void(const JsonMessage&)>;
    using ReceiverId = std::uint64_t;

    static MessageSender& Get();

    // To the user-interface side.
    void Send(const JsonMessage& message);
    // To the work side.
    void SendMessageToWorkThread(const char* name, const Json::Value& value);
    void SendTo(MessageSide side, const JsonMessage& message);

    // Calls the receiver on that side's thread for every message of that name (exact,
    // case-sensitive). Returns the id to drop it by; 0 for a null receiver or name.
    ReceiverId AddReceiver(MessageSide side, const char* name, Receiver receiver);
    // Dropped receivers get nothing more, also of messages already queued.
    void DropReceiver(ReceiverId id);

    // Not owned; null goes back to delivering on the sending thread.
    void SetThreads(IMessageThreads* threads);
    // Messages queued on a side and not yet delivered.
    std::size_t GetPendingCount(MessageSide side) const;

    MessageSender(const MessageSender&) = delete;
    MessageSender& operator=(const MessageSender&) = delete;

private:
    MessageSender();
    ~MessageSender();

    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The work-side send of the application's hub.
void SendMessageToWorkThread(const char* name, const Json::Value& value);
