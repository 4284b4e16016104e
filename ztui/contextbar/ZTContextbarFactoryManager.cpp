#include "ztui/contextbar/ZTContextbarFactoryManager.h"

#include "ztui/contextbar/ZTContextbarEvent.h"

namespace zt {

bool ZTContextbarFactoryManager::RegisterFactory(const char* name, ZTContextbarFactory* factory)
{
    ZTContextbarEvent::instance().Register(name, factory);
    return true;
}

bool ZTContextbarFactoryManager::UnregisterFactory(const char* name)
{
    ZTContextbarEvent::instance().Unregister(name);
    return true;
}

} // namespace zt
