#pragma once
// A door: an opening from the floor, swinging in the wall it sits in.

#include "platform/host/TSArchiOpening.h"

class TSArchiDoor;
using TSArchiDoorPtr = RefCountedPtr<TSArchiDoor>;

class TSArchiDoor : public TSArchiOpening
{
public:
    static constexpr const char* CLASS_NAME = "TSArchiDoor";
    static constexpr double DEFAULT_WIDTH = 900.0;
    static constexpr double DEFAULT_HEIGHT = 2100.0;
    static constexpr double DEFAULT_SILL_HEIGHT = 0.0;
    static TSArchiDoorPtr Create();

    TSObjectPtr Clone() const override;

protected:
    TSArchiDoor();
    TSArchiDoor(const TSArchiDoor&) = default;
    ~TSArchiDoor() override = default;
};
