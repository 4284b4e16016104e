#pragma once
// Where the host registers the context bar factory of each element class.

#include "ztui/ZTUiExport.h"

namespace zt {

class ZTContextbarFactory;

class ZTUI_EXPORT ZTContextbarFactoryManager
{
public:
    // Adds the factory under the class name; a class keeps its first factory. Always true.
    static bool RegisterFactory(const char* name, ZTContextbarFactory* factory);
    // Always true, whether or not the class had a factory.
    static bool UnregisterFactory(const char* name);
};

} // namespace zt
