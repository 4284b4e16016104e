#pragma once
// The host's command line and the hook through which a loaded library sees what is typed in
// it. Characters arrive on the user-interface thread.

#include "platform/base/CString.h"

using CmdlineCharHook = bool (*)(unsigned ch, const CString& text);

// Installs the hook that sees every character typed in the command line before the command
// line does; returning true consumes the character. A null hook removes it.
void App_RegisteOnCmdlineChar(CmdlineCharHook hook);
CmdlineCharHook App_GetOnCmdlineChar();

class TesselCommandLine
{
public:
    static TesselCommandLine& Get();

    // One typed character. The hook sees it first, with the text typed so far. Unless the hook
    // consumes it: Enter executes the text as a command and clears it, Backspace removes the
    // last character, Escape clears the text, other control characters are ignored and
    // printable ones are appended. Returns true when the hook consumed the character.
    bool TypeChar(unsigned ch);
    void TypeText(const wchar_t* text);

    const CString& GetText() const { return m_text; }
    void SetText(const CString& text) { m_text = text; }
    // The last text that Enter executed, whether or not a command had that name.
    const CString& GetLastCommand() const { return m_lastCommand; }

private:
    TesselCommandLine() = default;

    CString m_text;
    CString m_lastCommand;
};
