#include "ztui/proplist/editors/CommitGuard.h"

#include "platform/base/Encoding.h"
#include "platform/host/SE_Exception.h"
#include "platform/win/DebugOutput.h"

#include <cstdio>
#include <exception>
#include <string>

namespace zt {

namespace {

void Log(const wchar_t* what, const char* reason) noexcept
{
    try {
        std::wstring line = L"ZTUi: ";
        line += what ? what : L"commit";
        line += L" ended by ";
        line += zt::base::Utf8ToWide(reason ? reason : "an exception");
        line += L"\n";
        OutputDebugStringW(line.c_str());
    } catch (...) {
        // Out of memory while logging: the failure stays unreported rather than escaping.
    }
}

} // namespace

bool CommitGuard::Run(const wchar_t* what, const std::function<void()>& commit) noexcept
{
    if (!commit)
        return true;
    km::SE_TranslatorScope translate;
    try {
        commit();
        return true;
    } catch (const km::SE_Exception& e) {
        Log(what, e.what());
    } catch (const std::exception& e) {
        Log(what, e.what());
    } catch (const zt::win::StructuredException& e) {
        char text[64];
        std::snprintf(text, sizeof text, "untranslated structured exception 0x%08X", e.Code());
        Log(what, text);
    } catch (...) {
        Log(what, "an exception of unknown type");
    }
    return false;
}

} // namespace zt
