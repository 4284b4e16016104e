// Links the installed library like a host application and checks that it loaded.

#include <platform/platform.h>
#include <ztui/ztui.h>

#include <cstdio>

namespace {
struct Digits : zt::ZTCmdLineEvent
{
    bool OnCmdLineChar(unsigned int ch, const CString&) override
    {
        return ch >= L'0' && ch <= L'9';
    }
};
} // namespace

int main()
{
    if (!zt::ZTUiModule::IsLoaded() || !zt::ZTUiModule::IsAttached()) {
        std::puts("library not loaded");
        return 1;
    }
    Digits digits;
    zt::ZTCmdLineEventListener::instance().AddListener(&digits);
    TesselCommandLine::Get().TypeText(L"a1b");
    zt::ZTCmdLineEventListener::instance().DropListener(&digits);
    if (TesselCommandLine::Get().GetText() != L"ab" || !zt::NotifyListeners("X", Json::Value())) {
        std::puts("events did not reach the library");
        return 1;
    }
    std::puts("consumer ok");
    return 0;
}
