#pragma once
// The host's own view commands, registered by the application at start like its tools:
// "zoome" fits the selected view to everything drawn in it (the elements of the models its
// storey view shows, or of every model when it has no storey view).

namespace zt::host {

inline constexpr const char* kZoomExtentsCommand = "zoome";

// Registers the commands with TesselToolsManager.
void RegisterHostViewCommands();
// What "zoome" does, on the work thread.
void ZoomToExtents();

} // namespace zt::host
