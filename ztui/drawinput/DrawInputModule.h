#pragma once
// The drawing-input steps of the library's load sequence.

namespace zt {

// Registers the auxiliary-model commands and puts the auxiliary UI event listener into the
// UI event registry.
void LoadAuxiliaryStep();
// Registers "Arch.AddViewBox".
void LoadViewBoxStep();
// Takes back what both steps did.
void UnloadDrawInput();

} // namespace zt
