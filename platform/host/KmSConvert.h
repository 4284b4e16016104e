#pragma once
// The in-house conversion helpers between wide text and the narrow ANSI code page.

#include <string>

namespace km {

class KmSConvert
{
public:
    // Wide text to the ANSI code page; characters it cannot hold become '?'.
    static std::string WChar2Char(const wchar_t* text);
    static std::wstring Char2WChar(const char* text);
};

} // namespace km
