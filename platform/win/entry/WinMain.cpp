// The main function of a Win32 program: the program defines WinMain (or wWinMain, which
// _tWinMain names in a Unicode build) and this calls it, as the C run-time does on Windows.

#include <windows.h>

#include "platform/base/Encoding.h"

#include <string>

extern "C" {
int WinMain(HINSTANCE, HINSTANCE, LPSTR, int) __attribute__((weak));
int wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) __attribute__((weak));
}

int main(int argc, char** argv)
{
    // The command line after the program's name, as Windows hands it over.
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (wWinMain) {
        std::wstring wide = zt::base::Utf8ToWide(line);
        return wWinMain(instance, nullptr, wide.data(), SW_SHOWDEFAULT);
    }
    if (WinMain)
        return WinMain(instance, nullptr, line.data(), SW_SHOWDEFAULT);
    return -1;
}
