// Links the installed library like a host application, checks that it loaded, and reads the
// composed screen the way a host's presenter does: through the pixel view, with no drawing
// library of its own.

#include <platform/platform.h>
#include <ztui/ztui.h>

#include <cstdio>

namespace {

// A red window on the screen, read back from the composed screen.
bool ScreenShowsAWindow()
{
    zt::win::Desktop::SetScreenSize(64, 48);
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hbrBackground = CreateSolidBrush(RGB(255, 0, 0));
    wc.lpszClassName = L"ConsumerRed";
    if (!RegisterClassW(&wc))
        return false;
    HWND hwnd = CreateWindowExW(0, L"ConsumerRed", L"", WS_POPUP | WS_VISIBLE, 10, 10, 30, 20,
                                nullptr, nullptr, nullptr, nullptr);
    if (!hwnd)
        return false;
    const zt::win::ScreenPixels screen = zt::win::Desktop::ComposeScreen();
    const bool ok = screen && screen.width == 64 && screen.height == 48 &&
                    screen.stride >= screen.width && screen.at(20, 20) == 0xFF0000 &&
                    screen.at(39, 29) == 0xFF0000 && screen.at(40, 20) != 0xFF0000 &&
                    screen.at(5, 5) != 0xFF0000 && screen.at(64, 0) == 0;
    DestroyWindow(hwnd);
    return ok;
}

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
    if (!ScreenShowsAWindow()) {
        std::puts("the composed screen does not show the window");
        return 1;
    }
    std::puts("consumer ok");
    return 0;
}
