#pragma once
// What a push button window tells the editor that owns it.

namespace zt {

class actrl_Button;

class actrl_Button_msgHook
{
public:
    virtual ~actrl_Button_msgHook() = default;
    // The user clicked the button.
    virtual void onClick(actrl_Button* button) = 0;
};

} // namespace zt
