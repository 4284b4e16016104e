#include "platform/host/TSNumberFormatCheck.h"

#include <cmath>
#include <cwchar>

bool TSNumberFormatCheck::Parse(const CString& text, double& value)
{
    const wchar_t* begin = text.GetString();
    while (*begin == L' ')
        ++begin;
    if (!*begin)
        return false;
    wchar_t* end = nullptr;
    double parsed = std::wcstod(begin, &end);
    while (end && *end == L' ')
        ++end;
    if (!end || *end || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool TSNumberFormatCheck::check(const CString& text)
{
    double value = 0.0;
    return Parse(text, value) && (!m_positiveOnly || value > 0.0);
}

void TSNumberFormatCheck::message(CString& text)
{
    text = m_positiveOnly ? L"请输入大于0的数值" : L"请输入数值";
}
