#include "platform/host/KmSConvert.h"

#include "platform/base/Encoding.h"

namespace km {

std::string KmSConvert::WChar2Char(const wchar_t* text)
{
    return text ? zt::base::WideToAnsi(text) : std::string();
}

std::wstring KmSConvert::Char2WChar(const char* text)
{
    return text ? zt::base::AnsiToWide(text) : std::wstring();
}

} // namespace km
