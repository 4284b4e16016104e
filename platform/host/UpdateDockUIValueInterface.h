#pragma once
// How the host drives a docked tool-setting dialog while its tool runs: shown when the tool
// starts, updated while it runs, closed when it ends. The host decides when it calls each.

class UpdateDockUIValueInterface
{
public:
    virtual void UpdateDockUIValue() = 0;
    virtual void ShowDockUI() = 0;
    virtual void CloseDockUI() = 0;

protected:
    ~UpdateDockUIValueInterface() = default;
};
