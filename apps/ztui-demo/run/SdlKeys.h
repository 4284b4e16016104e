#pragma once
// Keys of an SDL window as the window system's virtual keys. Characters do not travel as keys:
// they arrive as text (SDL's text events, which input methods also use) and are injected as
// Unicode characters; only keys that type nothing, or keys pressed with Ctrl or Alt, are
// injected as virtual keys.

#include <SDL2/SDL_keyboard.h>

#include <string>

namespace ztdemo {

// The virtual key of an SDL key, or 0 when the key has none here.
int VirtualKeyOf(SDL_Keycode key);

// Whether a key press must be injected as a virtual key. Printable keys without Ctrl or Alt
// type text, which the text event brings; injecting them as keys too would type them twice.
bool InjectAsKey(SDL_Keycode key, Uint16 modifiers);

// SDL's UTF-8 text as the UTF-16 units a Unicode key injection carries, one per unit.
std::u16string TextUnits(const char* utf8);

} // namespace ztdemo
