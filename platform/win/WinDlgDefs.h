#pragma once
// The constants and structures of the standard controls, dialogs, tooltips, message boxes and
// resources, with their Win32 values and layouts.

#include "platform/win/WinUserDefs.h"

// Class names of the system's controls and of dialogs.
#define WC_BUTTONW L"Button"
#define WC_STATICW L"Static"
#define WC_DIALOG L"#32770"
#define TOOLTIPS_CLASSW L"tooltips_class32"
#define TOOLTIPS_CLASS TOOLTIPS_CLASSW

// Button styles.
inline constexpr DWORD BS_PUSHBUTTON = 0x00000000L;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001L;
inline constexpr DWORD BS_CHECKBOX = 0x00000002L;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x00000003L;
inline constexpr DWORD BS_RADIOBUTTON = 0x00000004L;
inline constexpr DWORD BS_3STATE = 0x00000005L;
inline constexpr DWORD BS_AUTO3STATE = 0x00000006L;
inline constexpr DWORD BS_GROUPBOX = 0x00000007L;
inline constexpr DWORD BS_USERBUTTON = 0x00000008L;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x00000009L;
inline constexpr DWORD BS_PUSHBOX = 0x0000000AL;
inline constexpr DWORD BS_OWNERDRAW = 0x0000000BL;
inline constexpr DWORD BS_TYPEMASK = 0x0000000FL;
inline constexpr DWORD BS_LEFTTEXT = 0x00000020L;
inline constexpr DWORD BS_TEXT = 0x00000000L;
inline constexpr DWORD BS_ICON = 0x00000040L;
inline constexpr DWORD BS_BITMAP = 0x00000080L;
inline constexpr DWORD BS_LEFT = 0x00000100L;
inline constexpr DWORD BS_RIGHT = 0x00000200L;
inline constexpr DWORD BS_CENTER = 0x00000300L;
inline constexpr DWORD BS_TOP = 0x00000400L;
inline constexpr DWORD BS_BOTTOM = 0x00000800L;
inline constexpr DWORD BS_VCENTER = 0x00000C00L;
inline constexpr DWORD BS_PUSHLIKE = 0x00001000L;
inline constexpr DWORD BS_MULTILINE = 0x00002000L;
inline constexpr DWORD BS_NOTIFY = 0x00004000L;
inline constexpr DWORD BS_FLAT = 0x00008000L;

// Button messages, notifications and states.
inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr UINT BM_GETSTATE = 0x00F2;
inline constexpr UINT BM_SETSTATE = 0x00F3;
inline constexpr UINT BM_SETSTYLE = 0x00F4;
inline constexpr UINT BM_CLICK = 0x00F5;
inline constexpr UINT BM_GETIMAGE = 0x00F6;
inline constexpr UINT BM_SETIMAGE = 0x00F7;
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT BN_PAINT = 1;
inline constexpr UINT BN_DOUBLECLICKED = 5;
inline constexpr UINT BN_DBLCLK = BN_DOUBLECLICKED;
inline constexpr UINT BN_SETFOCUS = 6;
inline constexpr UINT BN_KILLFOCUS = 7;
inline constexpr UINT BST_UNCHECKED = 0x0000;
inline constexpr UINT BST_CHECKED = 0x0001;
inline constexpr UINT BST_INDETERMINATE = 0x0002;
inline constexpr UINT BST_PUSHED = 0x0004;
inline constexpr UINT BST_FOCUS = 0x0008;

// Image kinds of BM_SETIMAGE, STM_SETIMAGE and LoadImage; LoadImage flags.
inline constexpr UINT IMAGE_BITMAP = 0;
inline constexpr UINT IMAGE_ICON = 1;
inline constexpr UINT IMAGE_CURSOR = 2;
inline constexpr UINT LR_DEFAULTCOLOR = 0x00000000;
inline constexpr UINT LR_LOADFROMFILE = 0x00000010;
inline constexpr UINT LR_DEFAULTSIZE = 0x00000040;
inline constexpr UINT LR_SHARED = 0x00008000;

// Static styles, messages and notifications.
inline constexpr DWORD SS_LEFT = 0x00000000L;
inline constexpr DWORD SS_CENTER = 0x00000001L;
inline constexpr DWORD SS_RIGHT = 0x00000002L;
inline constexpr DWORD SS_ICON = 0x00000003L;
inline constexpr DWORD SS_BLACKRECT = 0x00000004L;
inline constexpr DWORD SS_GRAYRECT = 0x00000005L;
inline constexpr DWORD SS_WHITERECT = 0x00000006L;
inline constexpr DWORD SS_BLACKFRAME = 0x00000007L;
inline constexpr DWORD SS_GRAYFRAME = 0x00000008L;
inline constexpr DWORD SS_WHITEFRAME = 0x00000009L;
inline constexpr DWORD SS_SIMPLE = 0x0000000BL;
inline constexpr DWORD SS_LEFTNOWORDWRAP = 0x0000000CL;
inline constexpr DWORD SS_OWNERDRAW = 0x0000000DL;
inline constexpr DWORD SS_BITMAP = 0x0000000EL;
inline constexpr DWORD SS_ETCHEDHORZ = 0x00000010L;
inline constexpr DWORD SS_ETCHEDVERT = 0x00000011L;
inline constexpr DWORD SS_ETCHEDFRAME = 0x00000012L;
inline constexpr DWORD SS_TYPEMASK = 0x0000001FL;
inline constexpr DWORD SS_NOPREFIX = 0x00000080L;
inline constexpr DWORD SS_NOTIFY = 0x00000100L;
inline constexpr DWORD SS_CENTERIMAGE = 0x00000200L;
inline constexpr DWORD SS_REALSIZEIMAGE = 0x00000800L;
inline constexpr DWORD SS_SUNKEN = 0x00001000L;
inline constexpr DWORD SS_ENDELLIPSIS = 0x00004000L;
inline constexpr UINT STM_SETICON = 0x0170;
inline constexpr UINT STM_GETICON = 0x0171;
inline constexpr UINT STM_SETIMAGE = 0x0172;
inline constexpr UINT STM_GETIMAGE = 0x0173;
inline constexpr UINT STN_CLICKED = 0;
inline constexpr UINT STN_DBLCLK = 1;
inline constexpr UINT STN_ENABLE = 2;
inline constexpr UINT STN_DISABLE = 3;

// Dialog styles and messages.
inline constexpr DWORD DS_ABSALIGN = 0x01L;
inline constexpr DWORD DS_SYSMODAL = 0x02L;
inline constexpr DWORD DS_LOCALEDIT = 0x20L;
inline constexpr DWORD DS_SETFONT = 0x40L;
inline constexpr DWORD DS_MODALFRAME = 0x80L;
inline constexpr DWORD DS_NOIDLEMSG = 0x100L;
inline constexpr DWORD DS_SETFOREGROUND = 0x200L;
inline constexpr DWORD DS_3DLOOK = 0x0004L;
inline constexpr DWORD DS_FIXEDSYS = 0x0008L;
inline constexpr DWORD DS_NOFAILCREATE = 0x0010L;
inline constexpr DWORD DS_CONTROL = 0x0400L;
inline constexpr DWORD DS_CENTER = 0x0800L;
inline constexpr DWORD DS_CENTERMOUSE = 0x1000L;
inline constexpr DWORD DS_CONTEXTHELP = 0x2000L;
inline constexpr DWORD DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;
inline constexpr UINT DM_GETDEFID = WM_USER + 0;
inline constexpr UINT DM_SETDEFID = WM_USER + 1;
inline constexpr UINT DM_REPOSITION = WM_USER + 2;
inline constexpr WORD DC_HASDEFID = 0x534B;
inline constexpr UINT WM_NEXTDLGCTL = 0x0028;
inline constexpr int DWLP_DLGPROC = static_cast<int>(sizeof(LRESULT));
inline constexpr int DWLP_USER = static_cast<int>(2 * sizeof(LRESULT));
inline constexpr int DLGWINDOWEXTRA = static_cast<int>(3 * sizeof(LRESULT));

// Command ids of the standard buttons, and message-box results.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDCLOSE = 8;
inline constexpr int IDHELP = 9;
inline constexpr int IDTRYAGAIN = 10;
inline constexpr int IDCONTINUE = 11;
inline constexpr int IDC_STATIC = -1;

// Message-box types.
inline constexpr UINT MB_OK = 0x00000000L;
inline constexpr UINT MB_OKCANCEL = 0x00000001L;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x00000002L;
inline constexpr UINT MB_YESNOCANCEL = 0x00000003L;
inline constexpr UINT MB_YESNO = 0x00000004L;
inline constexpr UINT MB_RETRYCANCEL = 0x00000005L;
inline constexpr UINT MB_CANCELTRYCONTINUE = 0x00000006L;
inline constexpr UINT MB_TYPEMASK = 0x0000000FL;
inline constexpr UINT MB_ICONHAND = 0x00000010L;
inline constexpr UINT MB_ICONQUESTION = 0x00000020L;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030L;
inline constexpr UINT MB_ICONASTERISK = 0x00000040L;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr UINT MB_ICONMASK = 0x000000F0L;
inline constexpr UINT MB_DEFBUTTON1 = 0x00000000L;
inline constexpr UINT MB_DEFBUTTON2 = 0x00000100L;
inline constexpr UINT MB_DEFBUTTON3 = 0x00000200L;
inline constexpr UINT MB_DEFMASK = 0x00000F00L;
inline constexpr UINT MB_APPLMODAL = 0x00000000L;
inline constexpr UINT MB_SYSTEMMODAL = 0x00001000L;
inline constexpr UINT MB_TASKMODAL = 0x00002000L;
inline constexpr UINT MB_TOPMOST = 0x00040000L;

// Resource types, as FindResource takes them.
#define RT_CURSOR MAKEINTRESOURCEW(1)
#define RT_BITMAP MAKEINTRESOURCEW(2)
#define RT_ICON MAKEINTRESOURCEW(3)
#define RT_MENU MAKEINTRESOURCEW(4)
#define RT_DIALOG MAKEINTRESOURCEW(5)
#define RT_STRING MAKEINTRESOURCEW(6)
#define RT_GROUP_ICON MAKEINTRESOURCEW(14)

// The system icons of LoadIcon(NULL, ...).
#define IDI_APPLICATION MAKEINTRESOURCEW(32512)
#define IDI_HAND MAKEINTRESOURCEW(32513)
#define IDI_QUESTION MAKEINTRESOURCEW(32514)
#define IDI_EXCLAMATION MAKEINTRESOURCEW(32515)
#define IDI_ASTERISK MAKEINTRESOURCEW(32516)
#define IDI_ERROR IDI_HAND
#define IDI_WARNING IDI_EXCLAMATION
#define IDI_INFORMATION IDI_ASTERISK

// Tooltips.
inline constexpr DWORD TTS_ALWAYSTIP = 0x01;
inline constexpr DWORD TTS_NOPREFIX = 0x02;
inline constexpr DWORD TTS_NOANIMATE = 0x10;
inline constexpr DWORD TTS_NOFADE = 0x20;
inline constexpr DWORD TTS_BALLOON = 0x40;
inline constexpr UINT TTF_IDISHWND = 0x0001;
inline constexpr UINT TTF_CENTERTIP = 0x0002;
inline constexpr UINT TTF_RTLREADING = 0x0004;
inline constexpr UINT TTF_SUBCLASS = 0x0010;
inline constexpr UINT TTF_TRACK = 0x0020;
inline constexpr UINT TTF_ABSOLUTE = 0x0080;
inline constexpr UINT TTF_TRANSPARENT = 0x0100;
inline constexpr UINT TTDT_AUTOMATIC = 0;
inline constexpr UINT TTDT_RESHOW = 1;
inline constexpr UINT TTDT_AUTOPOP = 2;
inline constexpr UINT TTDT_INITIAL = 3;
inline constexpr UINT TTM_ACTIVATE = WM_USER + 1;
inline constexpr UINT TTM_SETDELAYTIME = WM_USER + 3;
inline constexpr UINT TTM_RELAYEVENT = WM_USER + 7;
inline constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
inline constexpr UINT TTM_WINDOWFROMPOINT = WM_USER + 16;
inline constexpr UINT TTM_GETDELAYTIME = WM_USER + 21;
inline constexpr UINT TTM_SETMAXTIPWIDTH = WM_USER + 24;
inline constexpr UINT TTM_GETMAXTIPWIDTH = WM_USER + 25;
inline constexpr UINT TTM_POP = WM_USER + 28;
inline constexpr UINT TTM_UPDATE = WM_USER + 29;
inline constexpr UINT TTM_POPUP = WM_USER + 34;
inline constexpr UINT TTM_ADDTOOLW = WM_USER + 50;
inline constexpr UINT TTM_DELTOOLW = WM_USER + 51;
inline constexpr UINT TTM_NEWTOOLRECTW = WM_USER + 52;
inline constexpr UINT TTM_GETTOOLINFOW = WM_USER + 53;
inline constexpr UINT TTM_SETTOOLINFOW = WM_USER + 54;
inline constexpr UINT TTM_GETTEXTW = WM_USER + 56;
inline constexpr UINT TTM_UPDATETIPTEXTW = WM_USER + 57;
inline constexpr UINT TTM_GETCURRENTTOOLW = WM_USER + 59;
inline constexpr UINT TTM_ADDTOOL = TTM_ADDTOOLW;
inline constexpr UINT TTM_DELTOOL = TTM_DELTOOLW;
inline constexpr UINT TTM_NEWTOOLRECT = TTM_NEWTOOLRECTW;
inline constexpr UINT TTM_GETTOOLINFO = TTM_GETTOOLINFOW;
inline constexpr UINT TTM_SETTOOLINFO = TTM_SETTOOLINFOW;
inline constexpr UINT TTM_GETTEXT = TTM_GETTEXTW;
inline constexpr UINT TTM_UPDATETIPTEXT = TTM_UPDATETIPTEXTW;
inline constexpr UINT TTN_FIRST = 0U - 520U;
inline constexpr UINT TTN_GETDISPINFOW = TTN_FIRST - 10;
inline constexpr UINT TTN_NEEDTEXTW = TTN_GETDISPINFOW;
inline constexpr UINT TTN_NEEDTEXT = TTN_NEEDTEXTW;
inline constexpr UINT TTN_SHOW = TTN_FIRST - 1;
inline constexpr UINT TTN_POP = TTN_FIRST - 2;
#define LPSTR_TEXTCALLBACKW (reinterpret_cast<LPWSTR>(static_cast<INT_PTR>(-1)))
#define LPSTR_TEXTCALLBACK LPSTR_TEXTCALLBACKW

typedef struct tagTOOLINFOW
{
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPWSTR lpszText;
    LPARAM lParam;
    void* lpReserved;
} TOOLINFOW, *LPTOOLINFOW;
typedef TOOLINFOW TOOLINFO;
typedef TOOLINFOW TTTOOLINFOW;
typedef TOOLINFOW* LPTTTOOLINFOW;

struct NMTTDISPINFOW
{
    NMHDR hdr;
    LPWSTR lpszText;
    wchar_t szText[80];
    HINSTANCE hinst;
    UINT uFlags;
    LPARAM lParam;
};
using LPNMTTDISPINFOW = NMTTDISPINFOW*;
using NMTTDISPINFO = NMTTDISPINFOW;
using TOOLTIPTEXTW = NMTTDISPINFOW;
using TOOLTIPTEXT = NMTTDISPINFOW;

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// The predefined control classes by ordinal, as dialog templates name them.
inline constexpr WORD kDlgItemButton = 0x0080;
inline constexpr WORD kDlgItemEdit = 0x0081;
inline constexpr WORD kDlgItemStatic = 0x0082;
inline constexpr WORD kDlgItemListBox = 0x0083;
inline constexpr WORD kDlgItemScrollBar = 0x0084;
inline constexpr WORD kDlgItemComboBox = 0x0085;
