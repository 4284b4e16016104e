#pragma once
// Shows the selection in every view: the outline of each selected element's body, drawn over
// the model in the highlight colour.

#include "platform/cad/IViewTransients.h"
#include "platform/cad/SelectionSetManager.h"

#include <cstdint>

namespace ztdemo {

class HostSelectionHighlight : public IViewTransients, private ISelectionListener
{
public:
    static constexpr std::uint32_t kHighlightColour = 0x00FF9F1E; // 0x00BBGGRR
    static constexpr std::uint32_t kHighlightWeight = 3;

    // Starts showing the selection (and redrawing the views when it changes) until Stop.
    void Start();
    void Stop();
    ~HostSelectionHighlight() override;

    void _DrawTransients(ViewContext& context, bool isPreUpdate) override;

private:
    void OnSelectionChanged(SelectionSetAction action,
                            const bvector<ElementRef*>& elements) override;
    bool m_started = false;
};

} // namespace ztdemo
