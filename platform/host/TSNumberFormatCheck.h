#pragma once
// The input checker of numeric properties: the text must be a finite decimal number, and a
// positive one for lengths.

#include "platform/host/IFormatCheck.h"

class TSNumberFormatCheck : public IFormatCheck
{
public:
    explicit TSNumberFormatCheck(bool positiveOnly) : m_positiveOnly(positiveOnly) {}
    bool check(const CString& text) override;
    void message(CString& text) override;

    // The number the text holds, under the same rules; false when it holds none.
    static bool Parse(const CString& text, double& value);

private:
    bool m_positiveOnly;
};
