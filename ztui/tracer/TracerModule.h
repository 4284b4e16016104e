#pragma once
// The tracer's part of the library's load sequence: its host commands, which create the boxes
// hidden, and its listener on the view and the command line.

namespace zt {

// Registers and runs "Tool.InitTracer" and "Tool.InitTracerCus", joins the listener to the
// registries and runs "Tool.InitTracer" and "Tool.InitTracerDim", then registers and runs
// "Tool.InitTracerDim" - the order in which the host has always seen them.
void LoadTracer();
// Drops the listener and the commands and destroys the boxes.
void UnloadTracer();

} // namespace zt
