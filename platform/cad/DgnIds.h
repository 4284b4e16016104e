#pragma once
// The identifiers of the project's persistent things. They are plain 64-bit integers so that
// they cross thread, module and JSON boundaries unchanged; a value of 0 (or any negative
// value) names nothing, which lets callers keep the host's habit of returning -1 for "none".

#include <cstdint>
#include <functional>

using ElementId = std::int64_t;
using DgnModelId = std::int64_t;
using LevelId = std::int64_t;
using ECClassId = std::int64_t;
using ECInstanceId = std::int64_t;

constexpr ElementId INVALID_ELEMENTID = 0;
constexpr DgnModelId INVALID_MODELID = -1;
// Elements created without a level go to the project's default level, which always exists.
constexpr LevelId LEVEL_DEFAULT_LEVEL_ID = 1;

// The pair that names an object instance across the whole project: its class and its id.
struct ECInstanceKey
{
    ECInstanceKey() = default;
    ECInstanceKey(ECClassId classId, ECInstanceId instanceId)
        : m_classId(classId), m_instanceId(instanceId)
    {}

    ECClassId GetECClassId() const { return m_classId; }
    ECInstanceId GetECInstanceId() const { return m_instanceId; }
    // A key names something only with a real class and an instance id that is neither 0 nor
    // the -1 that callers use for "none".
    bool IsValid() const { return m_classId >= 1 && m_instanceId != 0 && m_instanceId != -1; }

    friend bool operator==(const ECInstanceKey&, const ECInstanceKey&) = default;
    friend bool operator<(const ECInstanceKey& a, const ECInstanceKey& b)
    {
        return a.m_classId != b.m_classId ? a.m_classId < b.m_classId
                                          : a.m_instanceId < b.m_instanceId;
    }

private:
    ECClassId m_classId = 0;
    ECInstanceId m_instanceId = 0;
};

template <>
struct std::hash<ECInstanceKey>
{
    std::size_t operator()(const ECInstanceKey& k) const noexcept
    {
        return std::hash<std::int64_t>()(k.GetECClassId() * 1000003 ^ k.GetECInstanceId());
    }
};
