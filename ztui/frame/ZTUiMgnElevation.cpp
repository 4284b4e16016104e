// The elevation query of the UI manager, apart because it is the one piece that needs the
// host's object model.
#include "ztui/frame/ZTUiMgn.h"

#include "platform/host/TSArchElement.h"

namespace zt {

void ZTUiMgn::getArchiBuildingElavation(RefCountedPtr<TSBuildingElement> element,
                                        double& elevation)
{
    if (auto* arch = dynamic_cast<TSArchElement*>(element.get()))
        elevation = arch->GetElevation();
}

} // namespace zt
