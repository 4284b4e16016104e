#pragma once
// One user property of a set: its place (the group it is listed under and its position in
// that group) and its value. Reference counted, so that sets and panels can share values.

#include "platform/base/RefCounted.h"
#include "platform/host/TSUserPropertyCell.h"

class TSUserPropertyValue;
using TSUserPropertyValuePtr = RefCountedPtr<TSUserPropertyValue>;

class TSUserPropertyValue : public zt::base::RefCountedBase
{
public:
    static TSUserPropertyValuePtr Create() { return new TSUserPropertyValue(); }

    void SetGroupIdx(int index) { m_groupIdx = index; }
    int GetGroupIdx() const { return m_groupIdx; }
    void SetValueIdx(int index) { m_valueIdx = index; }
    int GetValueIdx() const { return m_valueIdx; }
    void SetValue(const TSUserPropertyCell& cell) { m_cell = cell; }
    const TSUserPropertyCell& GetValue() const { return m_cell; }
    TSUserPropertyCell& GetValueR() { return m_cell; }

private:
    TSUserPropertyValue() = default;
    ~TSUserPropertyValue() override = default;

    int m_groupIdx = 0;
    int m_valueIdx = 0;
    TSUserPropertyCell m_cell;
};
