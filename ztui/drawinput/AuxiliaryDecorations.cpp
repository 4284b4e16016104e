#include "ztui/drawinput/AuxiliaryDecorations.h"

#include "platform/cad/CurveVector.h"
#include "platform/win/Modules.h"

namespace zt {

AuxiliaryDecorations::~AuxiliaryDecorations()
{
    // The library stays loaded: decorations it still shows belong to it, and it removes
    // them when the process unloads it.
}

void AuxiliaryDecorations::SetLibraryName(const wchar_t* name)
{
    if (m_module)
        FreeLibrary(m_module);
    m_module = nullptr;
    m_create = nullptr;
    m_delete = nullptr;
    m_looked = false;
    m_name = name ? WString(name) : WString();
}

void AuxiliaryDecorations::Load()
{
    if (m_looked)
        return;
    m_looked = true;
    if (m_name.empty())
        return;
    m_module = LoadLibraryW(m_name.c_str());
    if (!m_module)
        return;
    m_create = win::GetProcAddressAs<ZTUtilCreateCurveFn>(m_module, "CreateCurve");
    m_delete = win::GetProcAddressAs<ZTUtilDeleteDecorationFn>(m_module, "DeleteDecoration");
}

bool AuxiliaryDecorations::IsAvailable()
{
    Load();
    return m_create && m_delete;
}

std::uint32_t AuxiliaryDecorations::Create(const CurveVector& curves)
{
    Load();
    return m_create ? m_create(&curves, kDelayedLineColor) : 0;
}

bool AuxiliaryDecorations::Delete(std::uint32_t id)
{
    Load();
    return m_delete ? m_delete(id) : false;
}

} // namespace zt
