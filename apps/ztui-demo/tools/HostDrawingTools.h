#pragma once
// The reference host's drawing tools as commands: each tool id becomes a command that
// starts the tool on the work thread ("Tessel.Tool.ArchWall", "ArchMoveDyn",
// "Tessel.Tool.ArchCopy", "Tessel.Tool.ArchRotate", "Tessel.Tool.ArchMirror",
// "Tessel.Tool.ArchPromote"), and the building classes and the wall tool get the host's tool
// property interface.

namespace ztdemo {

class HostDrawingTools
{
public:
    // Registers the commands and interfaces; calling it again changes nothing.
    static void RegisterAll();
};

} // namespace ztdemo
