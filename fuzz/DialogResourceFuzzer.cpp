// Any bytes as a dialog template and the names it is registered and looked up under, the way a
// host's resource module hands its dialogs to the library: the template is registered under a
// numeric or string name, found again under every spelling of that name, created as one of the
// library's resizing dialogs with control rows drawn from its items, sized and closed. The same
// bytes are looked up as icon, string and dialog names in the library's own module and in the
// icon manager. Nothing crashes, a resized dialog never gets smaller than it was made, and no
// window or GDI object outlives the input.

#include "platform/win/Desktop.h"
#include "platform/win/GdiDiagnostics.h"
#include "platform/win/WinUser.h"
#include "platform/win/afxwin.h"
#include "platform/win/resources/ResourceModule.h"
#include "ztui/dlglayout/QDlgResize.h"
#include "ztui/frame/ComponentRegistry.h"
#include "ztui/frame/IResManagerIcon.h"
#include "ztui/frame/ZTUiModule.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <string>
#include <vector>

namespace {

using zt::win::DialogItemTemplate;
using zt::win::DialogTemplate;
using zt::win::ResourceModule;

// A broken promise ends the run with the line that found it.
void Check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}

// Reads the input front to back; past its end every read gives zeros.
class Bytes
{
public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }
    std::uint32_t Dword() { return Word() | (static_cast<std::uint32_t>(Word()) << 16); }
    short Short() { return static_cast<short>(Word()); }
    // A length byte, then that many characters: one byte each (Latin-1), or two when the
    // length's top bit is set.
    std::wstring Text()
    {
        const std::uint8_t head = Byte();
        const bool wide = head & 0x80;
        std::wstring text;
        for (int i = 0; i < (head & 0x3F); ++i)
            text += static_cast<wchar_t>(wide ? Word() : Byte());
        return text;
    }
    bool Empty() const { return m_at >= m_size; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

const wchar_t* const kClasses[] = {L"Button", L"Static", L"Edit", L"ComboBox", L"ListBox",
                                   L"ScrollBar", L"#32770", L"no such class"};

DialogTemplate ReadTemplate(Bytes& in)
{
    DialogTemplate t;
    t.style = in.Dword();
    t.exStyle = in.Dword();
    t.x = in.Short();
    t.y = in.Short();
    t.cx = in.Short();
    t.cy = in.Short();
    t.title = in.Text();
    if (in.Byte() & 1)
        t.className = in.Text();
    t.fontName = in.Text();
    t.pointSize = in.Word();
    t.fontWeight = in.Short();
    t.fontItalic = in.Byte() & 1;
    const int items = in.Byte() % 24;
    for (int i = 0; i < items && !in.Empty(); ++i) {
        DialogItemTemplate item;
        const std::uint8_t kind = in.Byte();
        if (kind < 0x80)
            item.className = kClasses[kind % std::size(kClasses)];
        else if (kind < 0xC0)
            item.classAtom = static_cast<WORD>(0x80 + kind % 8);
        else
            item.className = in.Text();
        item.text = in.Text();
        item.iconId = in.Word();
        item.id = in.Short();
        item.style = in.Dword();
        item.exStyle = in.Dword();
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        t.items.push_back(std::move(item));
    }
    return t;
}

std::wstring Upper(std::wstring s)
{
    for (wchar_t& c : s)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return s;
}

// The rows of the dialog's layout: its items' ids, one to three a row.
QDlgResize_Space::CtrlGroups RowsOf(const DialogTemplate& t, Bytes& in)
{
    QDlgResize_Space::CtrlGroups groups(1);
    for (std::size_t i = 0; i < t.items.size();) {
        QDlgResize_Space::CtrlRow row;
        for (int n = 1 + in.Byte() % 3; n > 0 && i < t.items.size(); --n)
            row.push_back(t.items[i++].id);
        groups.back().push_back(row);
        if (in.Byte() & 1)
            groups.emplace_back();
    }
    return groups;
}

void RunDialog(HINSTANCE module, WORD id, const DialogTemplate& t, Bytes& in)
{
    // The class library finds templates through the current resource handle.
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(module);
    {
        QDlgResize_Space::QDlgResize dialog(id);
        if (in.Byte() & 1)
            dialog.SetGroups(RowsOf(t, in));
        if (dialog.Create(id, nullptr)) {
            CRect before;
            dialog.GetClientRect(&before);
            // A minimized dialog has no client area whatever size it is given; restored, it
            // comes back to its own size.
            auto keepsItsSize = [&] {
                if (!dialog.IsInitialised() || dialog.IsIconic())
                    return;
                CRect after;
                dialog.GetClientRect(&after);
                Check(after.Width() >= dialog.InitialClientWidth() ||
                      after.Width() == before.Width());
            };
            for (int i = in.Byte() % 4; i > 0; --i) {
                const int cx = in.Short(), cy = in.Short();
                dialog.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
                zt::win::Desktop::Pump();
                keepsItsSize();
            }
            if (dialog.IsIconic()) {
                dialog.ShowWindow(SW_RESTORE);
                zt::win::Desktop::Pump();
                Check(!dialog.IsIconic());
                keepsItsSize();
            }
            dialog.DestroyWindow();
        }
    }
    AfxSetResourceHandle(previous);
}

// The library's own module and the icon manager, asked for whatever the bytes name.
void LookUpNames(const std::wstring& name, WORD id)
{
    const HINSTANCE library = zt::ZTUiModule::GetModuleHandle();
    if (HICON icon = ::LoadIconW(library, name.c_str()))
        Check(icon == ::LoadIconW(library, name.c_str()));
    (void)::LoadIconW(library, MAKEINTRESOURCEW(id));
    (void)::FindResourceW(library, name.c_str(), RT_DIALOG);
    (void)::FindResourceW(library, MAKEINTRESOURCEW(id), RT_GROUP_ICON);
    wchar_t buffer[16];
    const int length = ::LoadStringW(library, id, buffer, 16);
    Check(length >= 0 && length < 16);
    static const auto icons = zt::ComponentRegistry::instance().query<resman::IResManagerIcon>(
        resman::kResManagerIconName);
    if (icons)
        (void)icons->find(name.c_str());
}

std::size_t TopLevelWindows()
{
    std::size_t count = 0;
    ::EnumWindows([](HWND, LPARAM counter) -> BOOL {
        ++*reinterpret_cast<std::size_t*>(counter);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The window system's and the library's state an input may leave behind.
struct Counts
{
    std::size_t windows = TopLevelWindows();
    std::size_t objects = zt::win::GetGdiObjectCount();

    bool AtMost(const Counts& other) const
    {
        return windows <= other.windows && objects <= other.objects;
    }
};

void RunInput(const std::uint8_t* data, std::size_t size)
{
    // A module handle of this program's own, apart from the library's and the host's.
    static char moduleTag;
    static const HINSTANCE module = reinterpret_cast<HINSTANCE>(&moduleTag);
    Bytes in(data, size);
    const WORD id = static_cast<WORD>(1 + in.Word() % 0xFFFE);
    const std::wstring name = in.Text();
    DialogTemplate t = ReadTemplate(in);

    // Every spelling of a name finds the same template.
    Check(ResourceModule::AddDialog(module, MAKEINTRESOURCEW(id), t));
    Check(ResourceModule::FindDialog(module, (L"#" + std::to_wstring(id)).c_str()).has_value());
    Check(ResourceModule::Contains(module, MAKEINTRESOURCEW(id), RT_DIALOG));
    if (!name.empty() && ResourceModule::AddDialog(module, name.c_str(), t)) {
        Check(ResourceModule::FindDialog(module, Upper(name).c_str()).has_value());
        Check(!ResourceModule::Names(module, RT_DIALOG).empty());
    }

    RunDialog(module, id, t, in);
    LookUpNames(name, id);
    ResourceModule::RemoveModule(module);
    Check(!ResourceModule::FindDialog(module, MAKEINTRESOURCEW(id)).has_value());
    zt::win::Desktop::Pump();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Counts before;
    RunInput(data, size);
    // What is kept for good is made once: the first input to reach a cache (a font, a shared
    // icon, a hidden box of the desktop's) may leave it behind, the same input run again may
    // not. A leak leaks every time.
    const Counts after;
    if (!after.AtMost(before)) {
        RunInput(data, size);
        Check(Counts().AtMost(after));
    }
    return 0;
}
