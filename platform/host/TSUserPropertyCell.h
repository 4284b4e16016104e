#pragma once
// One typed value of a user property: a bool, an integer, a number or a text. A cell holds
// the type it was last set to; getters of another type give a converted value (numbers
// parse from text, texts print numbers), so a cell always reads as something.

#include "platform/base/WString.h"

#include <json/value.h>

#include <cstdint>
#include <variant>

class TSUserPropertyCell
{
public:
    enum class Type
    {
        Empty,
        Bool,
        Int,
        Double,
        String,
    };

    void SetBool(bool value) { m_value = value; }
    void SetInt(std::int64_t value) { m_value = value; }
    void SetDouble(double value) { m_value = value; }
    void SetString(const WString& value) { m_value = value; }
    void Clear() { m_value = std::monostate{}; }

    Type GetType() const { return static_cast<Type>(m_value.index()); }
    bool IsEmpty() const { return GetType() == Type::Empty; }
    bool GetBool() const;
    std::int64_t GetInt() const;
    double GetDouble() const;
    // The value as the property panel shows it: "1"/"0", the integer, the number with the
    // fewest digits that read back the same, or the text.
    WString GetString() const;

    // {"type": "bool"|"int"|"double"|"string", "value": ...}; null for an empty cell.
    Json::Value ToJson() const;
    // Reads what ToJson wrote; anything else leaves the cell empty and returns false.
    bool FromJson(const Json::Value& json);

    friend bool operator==(const TSUserPropertyCell&, const TSUserPropertyCell&) = default;

private:
    std::variant<std::monostate, bool, std::int64_t, double, WString> m_value;
};
