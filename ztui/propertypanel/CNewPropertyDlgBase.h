#pragma once
// A base of the host's newer property dialogs. The library supplies the default bodies of its
// two hooks: a dialog without a rectangle of its own to report, and one that keeps nothing of
// the data it is given.

#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"

#include <json/value.h>

class ZTUI_EXPORT CNewPropertyDlgBase
{
public:
    virtual ~CNewPropertyDlgBase();
    // False, leaving rect as it is.
    virtual bool GetRect(CRect& rect);
    virtual void setSaveData(const Json::Value& data);
};
