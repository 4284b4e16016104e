#pragma once
// The resources of the library's own module: the message icons, drawn here at registration.

#include "platform/base/Handles.h"

namespace zt {

// Icon ids of the library's module; each exists at 16 x 16 and 64 x 64 pixels.
inline constexpr unsigned kIconError = 14003;       // a red circle with a white cross
inline constexpr unsigned kIconWarning = 14004;     // a yellow triangle with a black "!"
inline constexpr unsigned kIconInformation = 14005; // a blue speech bubble with a white "i"

// The pop-up message's dialog template and its controls.
inline constexpr unsigned kDialogPopMessage = 2047;
inline constexpr int kPopIdErrorIcon = 2071;
inline constexpr int kPopIdText = 2072;
inline constexpr int kPopIdWarningIcon = 2073;
inline constexpr int kPopIdInfoIcon = 2074;

// The context bar's window: an empty child strip, sized by its buttons when it opens.
inline constexpr unsigned kDialogContextbar = 14000;

// Registers every resource of the library under its module handle; false when one failed.
bool RegisterZTUiResources(HINSTANCE module);
void UnregisterZTUiResources(HINSTANCE module);

} // namespace zt
