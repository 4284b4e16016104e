// The message icons of the library, drawn at registration.
#include "ztui/frame/ZTUiResources.h"

#include "platform/win/WinUserDefs.h"
#include "platform/win/resources/IconPainter.h"
#include "platform/win/resources/ResourceModule.h"
#include "ztui/tracer/TracerResources.h"

namespace zt {

namespace {

using zt::win::IconPainter;

constexpr std::uint32_t kRed = 0xD42A2A;
constexpr std::uint32_t kYellow = 0xF8C81E;
constexpr std::uint32_t kBlue = 0x1F6FD0;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

IconPainter ErrorIcon()
{
    IconPainter p;
    p.Add(IconPainter::Circle(0.5, 0.5, 0.47), kRed)
        .Add(IconPainter::Stroke(0.32, 0.32, 0.68, 0.68, 0.13), kWhite)
        .Add(IconPainter::Stroke(0.68, 0.32, 0.32, 0.68, 0.13), kWhite);
    return p;
}

IconPainter WarningIcon()
{
    IconPainter p;
    p.Add(IconPainter::Triangle(0.5, 0.04, 0.97, 0.93, 0.03, 0.93), kYellow)
        .Add(IconPainter::Stroke(0.5, 0.3, 0.5, 0.56, 0.12), kBlack)
        .Add(IconPainter::Circle(0.5, 0.79, 0.07), kBlack);
    return p;
}

IconPainter InformationIcon()
{
    IconPainter p;
    p.Add(IconPainter::Ellipse(0.5, 0.42, 0.47, 0.38), kBlue)
        .Add(IconPainter::Triangle(0.2, 0.66, 0.44, 0.76, 0.1, 0.97), kBlue)
        .Add(IconPainter::Circle(0.5, 0.22, 0.07), kWhite)
        .Add(IconPainter::Stroke(0.5, 0.36, 0.5, 0.6, 0.12), kWhite);
    return p;
}

// The pop-up message: see-through wherever it shows the key colour, over everything, never
// catching the mouse. The three icons lie on top of each other; one shows at a time.
zt::win::DialogTemplate PopMessageTemplate()
{
    zt::win::DialogTemplate t;
    t.style = WS_POPUP;
    t.exStyle = WS_EX_TOPMOST | WS_EX_TRANSPARENT | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE;
    t.cx = 311;
    t.cy = 178;
    t.fontName = L"MS Shell Dlg";
    t.pointSize = 8;
    for (int icon : {kPopIdErrorIcon, kPopIdWarningIcon, kPopIdInfoIcon})
        t.AddItem(L"Button", nullptr, icon, BS_OWNERDRAW, 7, 0, 46, 40);
    t.AddItem(L"Static", nullptr, kPopIdText, SS_LEFT, 57, 10, 247, 164);
    return t;
}

zt::win::DialogTemplate ContextbarTemplate()
{
    zt::win::DialogTemplate t;
    t.style = WS_CHILD;
    t.exStyle = WS_EX_NOACTIVATE;
    t.cx = 158;
    t.cy = 37;
    t.fontName = L"MS Shell Dlg";
    t.pointSize = 8;
    return t;
}

} // namespace

bool RegisterZTUiResources(HINSTANCE module)
{
    if (!module)
        return false;
    struct Icon
    {
        unsigned id;
        IconPainter (*paint)();
    } icons[] = {{kIconError, &ErrorIcon},
                 {kIconWarning, &WarningIcon},
                 {kIconInformation, &InformationIcon}};
    bool ok = true;
    for (const Icon& icon : icons) {
        IconPainter painter = icon.paint();
        ok = zt::win::ResourceModule::AddIcon(module, MAKEINTRESOURCEW(icon.id),
                                              {painter.Render(16), painter.Render(64)}) &&
             ok;
    }
    ok = zt::win::ResourceModule::AddDialog(module, MAKEINTRESOURCEW(kDialogPopMessage),
                                            PopMessageTemplate()) &&
         ok;
    ok = RegisterTracerResources(module) && ok;
    ok = zt::win::ResourceModule::AddDialog(module, MAKEINTRESOURCEW(kDialogContextbar),
                                            ContextbarTemplate()) &&
         ok;
    return ok;
}

void UnregisterZTUiResources(HINSTANCE module)
{
    if (module)
        zt::win::ResourceModule::RemoveModule(module);
}

} // namespace zt
