#pragma once
// Lets Format-style members take string objects directly: each string class is turned into
// the character pointer the directive expects before the C variadic call, where a class
// object could not pass.

#include <string>
#include <type_traits>

namespace zt::base {

template <class T>
inline decltype(auto) FormatArg(const T& value)
{
    if constexpr (requires { value.GetString(); })
        return value.GetString();
    else if constexpr (std::is_base_of_v<std::wstring, T> || std::is_base_of_v<std::string, T>)
        return value.c_str();
    else if constexpr (std::is_enum_v<T>)
        return static_cast<long long>(value);
    else
        return value;
}

} // namespace zt::base
