// The system's own icons (LoadIcon(NULL, IDI_...)), drawn once on first use at the sizes
// message boxes and windows ask for.
#include "platform/win/resources/StockIcons.h"

#include "platform/win/resources/IconPainter.h"

#include <mutex>

namespace zt::win {

namespace {

constexpr std::uint32_t kRed = 0xD42A2A;
constexpr std::uint32_t kYellow = 0xF8C81E;
constexpr std::uint32_t kBlue = 0x1F6FD0;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kFrame = 0x5A6E87;

using P = IconPainter;

void Register(HINSTANCE module)
{
    P hand;
    hand.Add(P::Circle(0.5, 0.5, 0.47), kRed)
        .Add(P::Stroke(0.32, 0.32, 0.68, 0.68, 0.13), kWhite)
        .Add(P::Stroke(0.68, 0.32, 0.32, 0.68, 0.13), kWhite);
    P exclamation;
    exclamation.Add(P::Triangle(0.5, 0.04, 0.97, 0.93, 0.03, 0.93), kYellow)
        .Add(P::Stroke(0.5, 0.3, 0.5, 0.56, 0.12), kBlack)
        .Add(P::Circle(0.5, 0.79, 0.07), kBlack);
    P asterisk;
    asterisk.Add(P::Circle(0.5, 0.5, 0.47), kBlue)
        .Add(P::Circle(0.5, 0.27, 0.07), kWhite)
        .Add(P::Stroke(0.5, 0.42, 0.5, 0.76, 0.12), kWhite);
    P question;
    question.Add(P::Circle(0.5, 0.5, 0.47), kBlue)
        .Add(P::Stroke(0.35, 0.34, 0.42, 0.24, 0.11), kWhite)
        .Add(P::Stroke(0.42, 0.24, 0.58, 0.24, 0.11), kWhite)
        .Add(P::Stroke(0.58, 0.24, 0.65, 0.34, 0.11), kWhite)
        .Add(P::Stroke(0.65, 0.34, 0.65, 0.41, 0.11), kWhite)
        .Add(P::Stroke(0.65, 0.41, 0.5, 0.52, 0.11), kWhite)
        .Add(P::Stroke(0.5, 0.52, 0.5, 0.6, 0.11), kWhite)
        .Add(P::Circle(0.5, 0.76, 0.065), kWhite);
    P application;
    application.Add(P::Rectangle(0.06, 0.12, 0.94, 0.88), kFrame)
        .Add(P::Rectangle(0.1, 0.28, 0.9, 0.84), kWhite)
        .Add(P::Rectangle(0.1, 0.16, 0.9, 0.25), kBlue);
    struct Icon
    {
        LPCWSTR name;
        const P* painter;
    } icons[] = {{IDI_APPLICATION, &application},
                 {IDI_HAND, &hand},
                 {IDI_QUESTION, &question},
                 {IDI_EXCLAMATION, &exclamation},
                 {IDI_ASTERISK, &asterisk}};
    for (const Icon& icon : icons)
        ResourceModule::AddIcon(
            module, icon.name,
            {icon.painter->Render(16), icon.painter->Render(32), icon.painter->Render(48)});
}

} // namespace

HINSTANCE SystemIconModule()
{
    // A handle of its own that no loaded module can have.
    static const char identity = 0;
    auto module = reinterpret_cast<HINSTANCE>(const_cast<char*>(&identity));
    static std::once_flag once;
    std::call_once(once, [module] { Register(module); });
    return module;
}

bool IsSystemIconName(HINSTANCE instance, LPCWSTR name)
{
    if (instance || !name || !IS_INTRESOURCE(name))
        return false;
    auto id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
    return id >= 32512 && id <= 32516;
}

} // namespace zt::win
