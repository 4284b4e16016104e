#include "platform/host/TSArchiDoor.h"

TSArchiDoorPtr TSArchiDoor::Create()
{
    return new TSArchiDoor();
}

TSArchiDoor::TSArchiDoor() : TSArchiOpening(CLASS_NAME)
{
    SetWidth(DEFAULT_WIDTH);
    SetHeight(DEFAULT_HEIGHT);
    SetSillHeight(DEFAULT_SILL_HEIGHT);
}

TSObjectPtr TSArchiDoor::Clone() const
{
    return new TSArchiDoor(*this);
}
