#pragma once
// The on-screen decorations of the sibling library "ZTUtil.dll", loaded on first use. Its two
// exports are looked up once and kept; when the library or an export is missing, nothing is
// drawn or deleted.

#include "platform/base/WString.h"
#include "platform/siblings/ZTUtil/ZTUtil.h"
#include "platform/win/Modules.h"
#include "ztui/ZTUiExport.h"

#include <cstdint>

namespace zt {

class ZTUI_EXPORT AuxiliaryDecorations
{
public:
    static constexpr const wchar_t* kDefaultLibrary = L"ZTUtil.dll";
    // The colour delayed lines are shown in (a COLORREF: red).
    static constexpr std::uint32_t kDelayedLineColor = 255;

    AuxiliaryDecorations() = default;
    ~AuxiliaryDecorations();
    AuxiliaryDecorations(const AuxiliaryDecorations&) = delete;
    AuxiliaryDecorations& operator=(const AuxiliaryDecorations&) = delete;

    // The library looked for from now on, for a host that ships it under another name; the
    // library found before, if any, is let go.
    void SetLibraryName(const wchar_t* name);
    // True when both exports were found.
    bool IsAvailable();
    // The id of a new decoration showing the curves; 0 when none was made.
    std::uint32_t Create(const CurveVector& curves);
    bool Delete(std::uint32_t id);

private:
    void Load();

    WString m_name{kDefaultLibrary};
    bool m_looked = false;
    HMODULE m_module = nullptr;
    ZTUtilCreateCurveFn m_create = nullptr;
    ZTUtilDeleteDecorationFn m_delete = nullptr;
};

} // namespace zt
