#pragma once
// Readable failure messages for the platform's string classes.

#include "platform/base/CString.h"
#include "platform/base/Encoding.h"

#include <ostream>

inline void PrintTo(const CString& s, std::ostream* os)
{
    *os << "L\"" << zt::base::WideToUtf8(s.GetString()) << "\"";
}
