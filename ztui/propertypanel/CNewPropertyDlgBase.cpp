#include "ztui/propertypanel/CNewPropertyDlgBase.h"

CNewPropertyDlgBase::~CNewPropertyDlgBase() = default;

bool CNewPropertyDlgBase::GetRect(CRect&)
{
    return false;
}

void CNewPropertyDlgBase::setSaveData(const Json::Value&) {}
