#pragma once
// The editor window of one coordinate row of a point: the coordinate as text, and a pick
// button that shows the icon manager's "pick_point" icon (or its caption without one).

#include "ztui/proplist/editors/actrl_CompositeEdit.h"

namespace zt {

class ZTUI_EXPORT actrl_point3d_part final : public actrl_CompositeEdit
{
public:
    static constexpr const wchar_t* kClassName = L"actrl_point3d_part";
    static constexpr const wchar_t* kPickCaption = L"拾取点";
    static constexpr const wchar_t* kPickIconName = L"pick_point";

    // The icon manager's "pick_point" icon, looked up in the component registry; null when
    // there is no manager or it has no such icon.
    static HICON FindPickIcon();

protected:
    LPCWSTR WindowClassName() const override { return kClassName; }
    std::unique_ptr<CButton> MakeButton(const CRect& rect) override;
};

} // namespace zt
