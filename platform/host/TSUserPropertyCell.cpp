#include "platform/host/TSUserPropertyCell.h"

#include <charconv>
#include <cmath>
#include <cwchar>
#include <string>

namespace {

bool ParseNumber(const WString& text, double& value)
{
    std::string utf8 = zt::base::WideToUtf8(text);
    const char* begin = utf8.data();
    while (*begin == ' ')
        ++begin;
    const char* end = utf8.data() + utf8.size();
    auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr != begin && std::isfinite(value);
}

} // namespace

bool TSUserPropertyCell::GetBool() const
{
    switch (GetType()) {
    case Type::Bool:
        return std::get<bool>(m_value);
    case Type::Int:
        return std::get<std::int64_t>(m_value) != 0;
    case Type::Double:
        return std::get<double>(m_value) != 0.0;
    case Type::String: {
        const WString& s = std::get<WString>(m_value);
        double number = 0.0;
        return s.EqualsI(L"true") || (ParseNumber(s, number) && number != 0.0);
    }
    case Type::Empty:
        break;
    }
    return false;
}

std::int64_t TSUserPropertyCell::GetInt() const
{
    switch (GetType()) {
    case Type::Bool:
        return std::get<bool>(m_value) ? 1 : 0;
    case Type::Int:
        return std::get<std::int64_t>(m_value);
    case Type::Double:
    case Type::String: {
        double d = GetDouble();
        // Out-of-range numbers clamp rather than overflow into undefined behaviour.
        if (d >= 9.2e18)
            return INT64_MAX;
        if (d <= -9.2e18)
            return INT64_MIN;
        return static_cast<std::int64_t>(std::llround(d));
    }
    case Type::Empty:
        break;
    }
    return 0;
}

double TSUserPropertyCell::GetDouble() const
{
    switch (GetType()) {
    case Type::Bool:
        return std::get<bool>(m_value) ? 1.0 : 0.0;
    case Type::Int:
        return static_cast<double>(std::get<std::int64_t>(m_value));
    case Type::Double:
        return std::get<double>(m_value);
    case Type::String: {
        double number = 0.0;
        return ParseNumber(std::get<WString>(m_value), number) ? number : 0.0;
    }
    case Type::Empty:
        break;
    }
    return 0.0;
}

WString TSUserPropertyCell::GetString() const
{
    switch (GetType()) {
    case Type::Bool:
        return std::get<bool>(m_value) ? L"1" : L"0";
    case Type::Int:
        return WString(std::to_wstring(std::get<std::int64_t>(m_value)));
    case Type::Double: {
        char buffer[64];
        auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::get<double>(m_value));
        return ec == std::errc() ? WString(std::string(buffer, ptr).c_str(), true) : WString();
    }
    case Type::String:
        return std::get<WString>(m_value);
    case Type::Empty:
        break;
    }
    return WString();
}

Json::Value TSUserPropertyCell::ToJson() const
{
    Json::Value json(Json::objectValue);
    switch (GetType()) {
    case Type::Bool:
        json["type"] = "bool";
        json["value"] = std::get<bool>(m_value);
        break;
    case Type::Int:
        json["type"] = "int";
        json["value"] = static_cast<Json::Int64>(std::get<std::int64_t>(m_value));
        break;
    case Type::Double:
        json["type"] = "double";
        json["value"] = std::get<double>(m_value);
        break;
    case Type::String:
        json["type"] = "string";
        json["value"] = zt::base::WideToUtf8(std::get<WString>(m_value));
        break;
    case Type::Empty:
        return Json::Value();
    }
    return json;
}

bool TSUserPropertyCell::FromJson(const Json::Value& json)
{
    Clear();
    if (!json.isObject() || !json["type"].isString())
        return false;
    const std::string type = json["type"].asString();
    const Json::Value& value = json["value"];
    if (type == "bool" && value.isBool())
        SetBool(value.asBool());
    else if (type == "int" && value.isInt64())
        SetInt(value.asInt64());
    else if (type == "double" && value.isDouble())
        SetDouble(value.asDouble());
    else if (type == "string" && value.isString())
        SetString(WString(value.asString().c_str(), true));
    else
        return false;
    return true;
}
