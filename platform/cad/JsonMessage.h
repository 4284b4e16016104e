#pragma once
// A named message with a JSON value, sent through the MessageSender. A message that waits is
// delivered before Send returns (from the receiving side's own thread it is delivered in
// place, after whatever was queued before it); otherwise Send only queues it.

#include "platform/base/WString.h"

#include <json/value.h>

class JsonMessage
{
public:
    JsonMessage(Utf8String name, Json::Value value, bool waitForDelivery = false)
        : m_name(std::move(name)), m_value(std::move(value)), m_wait(waitForDelivery)
    {}

    const Utf8String& GetName() const { return m_name; }
    const Json::Value& GetValue() const { return m_value; }
    bool WaitsForDelivery() const { return m_wait; }

private:
    Utf8String m_name;
    Json::Value m_value;
    bool m_wait;
};
