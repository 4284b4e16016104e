#include "apps/ztui-demo/run/SdlPresenter.h"

#include "apps/ztui-demo/run/SdlKeys.h"
#include "platform/base/Encoding.h"
#include "platform/host/Executors.h"
#include "platform/win/Desktop.h"
#include "platform/win/WinUser.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace ztdemo {

namespace {

using zt::win::Desktop;

// The desktop settled after dispatching messages: its screen may have changed.
Uint32 g_screenEvent = static_cast<Uint32>(-1);

void PushScreenChanged()
{
    if (g_screenEvent == static_cast<Uint32>(-1))
        return;
    SDL_Event e{};
    e.type = g_screenEvent;
    SDL_PushEvent(&e);
}

void SendOne(INPUT in) { ::SendInput(1, &in, sizeof(INPUT)); }

DWORD ButtonFlag(Uint8 button, bool down)
{
    switch (button) {
    case SDL_BUTTON_LEFT: return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    case SDL_BUTTON_RIGHT: return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    case SDL_BUTTON_MIDDLE: return down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    default: return 0;
    }
}

} // namespace

struct SdlPresenter::Impl
{
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    bool sdlStarted = false;
    int pixelsWide = 0;
    int pixelsHigh = 0;
    // Window points to desktop pixels; above 1 on HiDPI screens.
    float scaleX = 1;
    float scaleY = 1;
    // The screen as last composed, copied out of the user-interface thread.
    std::vector<std::uint32_t> picture;
    int pictureWide = 0;
    int pictureHigh = 0;
    std::wstring shownTitle;

    ~Impl()
    {
        if (texture)
            SDL_DestroyTexture(texture);
        if (renderer)
            SDL_DestroyRenderer(renderer);
        if (window)
            SDL_DestroyWindow(window);
        if (sdlStarted)
            SDL_Quit();
    }

    // The desktop follows the window's size in pixels, so nothing is scaled and text stays
    // sharp. True when the size changed.
    bool Measure()
    {
        int w = 0, h = 0, pw = 0, ph = 0;
        SDL_GetWindowSize(window, &w, &h);
        SDL_GetRendererOutputSize(renderer, &pw, &ph);
        if (pw <= 0 || ph <= 0)
            return false;
        scaleX = w > 0 ? static_cast<float>(pw) / static_cast<float>(w) : 1.0f;
        scaleY = h > 0 ? static_cast<float>(ph) / static_cast<float>(h) : 1.0f;
        if (pw == pixelsWide && ph == pixelsHigh && texture)
            return false;
        pixelsWide = pw;
        pixelsHigh = ph;
        if (texture)
            SDL_DestroyTexture(texture);
        texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                    SDL_TEXTUREACCESS_STREAMING, pw, ph);
        return true;
    }

    void MoveTo(int x, int y)
    {
        int px = std::clamp(static_cast<int>(static_cast<float>(x) * scaleX), 0, pixelsWide - 1);
        int py = std::clamp(static_cast<int>(static_cast<float>(y) * scaleY), 0, pixelsHigh - 1);
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = static_cast<LONG>((static_cast<long long>(px) * 65536 + pixelsWide - 1) /
                                     std::max(pixelsWide, 1));
        in.mi.dy = static_cast<LONG>((static_cast<long long>(py) * 65536 + pixelsHigh - 1) /
                                     std::max(pixelsHigh, 1));
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendOne(in);
    }

    void Key(int vk, bool up)
    {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = static_cast<WORD>(vk);
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendOne(in);
    }

    void Text(const char* utf8)
    {
        for (char16_t unit : TextUnits(utf8)) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = static_cast<WORD>(unit);
            in.ki.dwFlags = KEYEVENTF_UNICODE;
            SendOne(in);
            in.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
            SendOne(in);
        }
    }

    // On the user-interface thread: the composed screen into picture.
    void Capture()
    {
        const zt::win::ScreenPixels screen = Desktop::ComposeScreen();
        if (!screen)
            return;
        pictureWide = screen.width;
        pictureHigh = screen.height;
        const auto wide = static_cast<std::size_t>(pictureWide);
        picture.resize(wide * static_cast<std::size_t>(pictureHigh));
        for (int y = 0; y < pictureHigh; ++y)
            std::memcpy(&picture[static_cast<std::size_t>(y) * wide], screen.row(y), wide * 4);
    }

    void Present()
    {
        if (!texture || picture.empty())
            return;
        SDL_Rect area{0, 0, std::min(pictureWide, pixelsWide), std::min(pictureHigh, pixelsHigh)};
        SDL_UpdateTexture(texture, &area, picture.data(), pictureWide * 4);
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, texture, &area, &area);
        SDL_RenderPresent(renderer);
    }

    // Returns false when the window was closed. Sets the flags of what the event asks for.
    bool Handle(const SDL_Event& e, bool& resized, bool& repaint)
    {
        if (e.type == g_screenEvent) {
            repaint = true;
            return true;
        }
        switch (e.type) {
        case SDL_QUIT: return false;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                e.window.event == SDL_WINDOWEVENT_RESIZED)
                resized = true;
            repaint = true;
            break;
        case SDL_MOUSEMOTION: MoveTo(e.motion.x, e.motion.y); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            MoveTo(e.button.x, e.button.y);
            if (DWORD flag = ButtonFlag(e.button.button, e.type == SDL_MOUSEBUTTONDOWN)) {
                INPUT in{};
                in.type = INPUT_MOUSE;
                in.mi.dwFlags = flag;
                SendOne(in);
            }
            break;
        }
        case SDL_MOUSEWHEEL: {
            int notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            if (notches != 0) {
                INPUT in{};
                in.type = INPUT_MOUSE;
                in.mi.dwFlags = MOUSEEVENTF_WHEEL;
                in.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
                SendOne(in);
            }
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (InjectAsKey(e.key.keysym.sym, e.key.keysym.mod))
                Key(VirtualKeyOf(e.key.keysym.sym), e.type == SDL_KEYUP);
            break;
        case SDL_TEXTINPUT: Text(e.text.text); break;
        default: break;
        }
        return true;
    }
};

SdlPresenter::SdlPresenter() : m_impl(std::make_unique<Impl>()) {}

SdlPresenter::~SdlPresenter()
{
    Desktop::SetSettledHook(nullptr);
    g_screenEvent = static_cast<Uint32>(-1);
}

bool SdlPresenter::Open(const char* title, int width, int height, std::string& whyNot)
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x11 || !*x11) && (!wayland || !*wayland)) {
        whyNot = "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
        return false;
    }
    Impl& m = *m_impl;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        whyNot = std::string("the display cannot be opened: ") + SDL_GetError();
        return false;
    }
    m.sdlStarted = true;
    // Made hidden and shown once the renderer exists: a renderer whose driver wants other
    // window flags makes SDL destroy the window and create a new one, and a window that was
    // already on screen would flash and leave anyone holding its X id with a dead window.
    m.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                height,
                                SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_HIDDEN);
    if (m.window)
        m.renderer = SDL_CreateRenderer(m.window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!m.renderer && m.window)
        m.renderer = SDL_CreateRenderer(m.window, -1, SDL_RENDERER_SOFTWARE);
    if (!m.window || !m.renderer) {
        whyNot = std::string("no window could be made: ") + SDL_GetError();
        return false;
    }
    SDL_ShowWindow(m.window);
    g_screenEvent = SDL_RegisterEvents(1);
    SDL_StartTextInput();
    return true;
}

int SdlPresenter::Run()
{
    Impl& m = *m_impl;
    if (!m.window)
        return 1;
    zt::host::Executors& executors = zt::host::Executors::Get();
    Desktop::SetSettledHook(&PushScreenChanged);
    bool resized = true;
    bool repaint = true;
    for (;;) {
        if (resized && m.Measure()) {
            int w = m.pixelsWide, h = m.pixelsHigh;
            executors.RunOnUIAndWait([&] {
                Desktop::SetScreenSize(w, h);
                if (m_onResize)
                    m_onResize(w, h);
            });
        }
        if (repaint) {
            std::wstring title;
            executors.RunOnUIAndWait([&] {
                m.Capture();
                if (m_title)
                    title = m_title();
            });
            m.Present();
            if (m_title && title != m.shownTitle) {
                m.shownTitle = title;
                SDL_SetWindowTitle(m.window, zt::base::WideToUtf8(title).c_str());
            }
        }
        resized = repaint = false;
        // Sleep until input arrives or the desktop settles with something new to show; take
        // everything that is waiting before composing once.
        SDL_Event e;
        if (!SDL_WaitEvent(&e))
            return 1;
        do {
            if (m_snapshot && e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_F12) {
                if (m_snapshot()) {
                    Desktop::SetSettledHook(nullptr);
                    return 0;
                }
                continue;
            }
            if (!m.Handle(e, resized, repaint)) {
                Desktop::SetSettledHook(nullptr);
                return 0;
            }
        } while (SDL_PollEvent(&e));
    }
}

} // namespace ztdemo
