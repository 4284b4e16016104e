#pragma once
// A validator that the host attaches to an editable property: it judges the text while the
// user types and explains a rejection. The property item that receives one owns it.

#include "platform/base/CString.h"

class IFormatCheck
{
public:
    virtual ~IFormatCheck() = default;
    // True when the text is acceptable.
    virtual bool check(const CString& text) = 0;
    // The message to show while the text is not acceptable.
    virtual void message(CString& text) = 0;
};
