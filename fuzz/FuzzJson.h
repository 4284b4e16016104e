#pragma once
// The bytes a target is given, as the host would hand them on: the JSON value they spell, or
// the whole text as one string when they spell none. jsoncpp throws instead of failing on
// input nested deeper than its limit; such input is no JSON either.

#include <json/reader.h>

#include <memory>
#include <string>
#include <string_view>

inline Json::Value JsonOrText(std::string_view text)
{
    static const std::unique_ptr<Json::CharReader> reader(
        Json::CharReaderBuilder().newCharReader());
    Json::Value value;
    std::string errors;
    try {
        if (reader->parse(text.data(), text.data() + text.size(), &value, &errors))
            return value;
    } catch (const std::exception&) {
    }
    return Json::Value(std::string(text));
}
