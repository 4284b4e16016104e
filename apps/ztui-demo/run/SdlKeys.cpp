#include "apps/ztui-demo/run/SdlKeys.h"

#include "platform/base/Encoding.h"
#include "platform/win/WinUserDefs.h"

namespace ztdemo {

namespace {

struct KeyPair
{
    SDL_Keycode sdl;
    int vk;
};

constexpr KeyPair kKeys[] = {
    {SDLK_BACKSPACE, VK_BACK},    {SDLK_TAB, VK_TAB},         {SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN},   {SDLK_ESCAPE, VK_ESCAPE},   {SDLK_SPACE, VK_SPACE},
    {SDLK_PAGEUP, VK_PRIOR},      {SDLK_PAGEDOWN, VK_NEXT},   {SDLK_END, VK_END},
    {SDLK_HOME, VK_HOME},         {SDLK_LEFT, VK_LEFT},       {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},       {SDLK_DOWN, VK_DOWN},       {SDLK_INSERT, VK_INSERT},
    {SDLK_DELETE, VK_DELETE},     {SDLK_LSHIFT, VK_SHIFT},    {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL},     {SDLK_RCTRL, VK_CONTROL},   {SDLK_LALT, VK_MENU},
    {SDLK_RALT, VK_MENU},         {SDLK_PAUSE, VK_PAUSE},     {SDLK_CAPSLOCK, VK_CAPITAL},
    {SDLK_KP_MULTIPLY, VK_MULTIPLY}, {SDLK_KP_PLUS, VK_ADD},  {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_PERIOD, VK_DECIMAL}, {SDLK_KP_DIVIDE, VK_DIVIDE}, {SDLK_SEMICOLON, VK_OEM_1},
    {SDLK_EQUALS, VK_OEM_PLUS},   {SDLK_COMMA, VK_OEM_COMMA}, {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD}, {SDLK_SLASH, VK_OEM_2},
};

} // namespace

int VirtualKeyOf(SDL_Keycode key)
{
    if (key >= SDLK_a && key <= SDLK_z)
        return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return '0' + (key - SDLK_0);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
        return VK_NUMPAD0 + 1 + (key - SDLK_KP_1);
    if (key == SDLK_KP_0)
        return VK_NUMPAD0;
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return VK_F1 + (key - SDLK_F1);
    for (const KeyPair& k : kKeys)
        if (k.sdl == key)
            return k.vk;
    return 0;
}

bool InjectAsKey(SDL_Keycode key, Uint16 modifiers)
{
    if (VirtualKeyOf(key) == 0)
        return false;
    // Keys below 0x7F except the control characters are the ones that type text.
    bool printable = key >= SDLK_SPACE && key < SDLK_DELETE;
    bool keypadText = (key >= SDLK_KP_DIVIDE && key <= SDLK_KP_PERIOD && key != SDLK_KP_ENTER);
    if (!printable && !keypadText)
        return true;
    return (modifiers & (KMOD_CTRL | KMOD_ALT)) != 0;
}

std::u16string TextUnits(const char* utf8)
{
    if (!utf8)
        return {};
    return zt::base::WideToUtf16(zt::base::Utf8ToWide(utf8));
}

} // namespace ztdemo
