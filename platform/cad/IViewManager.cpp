#include "platform/cad/IViewManager.h"

IViewManager& IViewManager::GetManager()
{
    static IViewManager manager;
    return manager;
}
