#pragma once
// Constants and structures of the standard edit, list box, combo box and scroll bar controls and
// of the clipboard, with their Win32 values.

#include "platform/win/WinUserDefs.h"

// Window class names.
#define WC_EDITW L"Edit"
#define WC_LISTBOXW L"ListBox"
#define WC_COMBOBOXW L"ComboBox"
#define WC_COMBOLBOXW L"ComboLBox"
#define WC_SCROLLBARW L"ScrollBar"

// Edit styles.
inline constexpr DWORD ES_LEFT = 0x0000L;
inline constexpr DWORD ES_CENTER = 0x0001L;
inline constexpr DWORD ES_RIGHT = 0x0002L;
inline constexpr DWORD ES_MULTILINE = 0x0004L;
inline constexpr DWORD ES_UPPERCASE = 0x0008L;
inline constexpr DWORD ES_LOWERCASE = 0x0010L;
inline constexpr DWORD ES_PASSWORD = 0x0020L;
inline constexpr DWORD ES_AUTOVSCROLL = 0x0040L;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080L;
inline constexpr DWORD ES_NOHIDESEL = 0x0100L;
inline constexpr DWORD ES_OEMCONVERT = 0x0400L;
inline constexpr DWORD ES_READONLY = 0x0800L;
inline constexpr DWORD ES_WANTRETURN = 0x1000L;
inline constexpr DWORD ES_NUMBER = 0x2000L;

// Edit messages.
inline constexpr UINT EM_GETSEL = 0x00B0;
inline constexpr UINT EM_SETSEL = 0x00B1;
inline constexpr UINT EM_GETRECT = 0x00B2;
inline constexpr UINT EM_SETRECT = 0x00B3;
inline constexpr UINT EM_SETRECTNP = 0x00B4;
inline constexpr UINT EM_SCROLL = 0x00B5;
inline constexpr UINT EM_LINESCROLL = 0x00B6;
inline constexpr UINT EM_SCROLLCARET = 0x00B7;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_GETLINECOUNT = 0x00BA;
inline constexpr UINT EM_LINEINDEX = 0x00BB;
inline constexpr UINT EM_LINELENGTH = 0x00C1;
inline constexpr UINT EM_REPLACESEL = 0x00C2;
inline constexpr UINT EM_GETLINE = 0x00C4;
inline constexpr UINT EM_LIMITTEXT = 0x00C5;
inline constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
inline constexpr UINT EM_CANUNDO = 0x00C6;
inline constexpr UINT EM_UNDO = 0x00C7;
inline constexpr UINT EM_LINEFROMCHAR = 0x00C9;
inline constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
inline constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;
inline constexpr UINT EM_POSFROMCHAR = 0x00D6;
inline constexpr UINT EM_CHARFROMPOS = 0x00D7;

// Edit notifications (WM_COMMAND codes).
inline constexpr UINT EN_SETFOCUS = 0x0100;
inline constexpr UINT EN_KILLFOCUS = 0x0200;
inline constexpr UINT EN_CHANGE = 0x0300;
inline constexpr UINT EN_UPDATE = 0x0400;
inline constexpr UINT EN_ERRSPACE = 0x0500;
inline constexpr UINT EN_MAXTEXT = 0x0501;
inline constexpr UINT EN_HSCROLL = 0x0601;
inline constexpr UINT EN_VSCROLL = 0x0602;

// List box styles.
inline constexpr DWORD LBS_NOTIFY = 0x0001L;
inline constexpr DWORD LBS_SORT = 0x0002L;
inline constexpr DWORD LBS_NOREDRAW = 0x0004L;
inline constexpr DWORD LBS_MULTIPLESEL = 0x0008L;
inline constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010L;
inline constexpr DWORD LBS_OWNERDRAWVARIABLE = 0x0020L;
inline constexpr DWORD LBS_HASSTRINGS = 0x0040L;
inline constexpr DWORD LBS_USETABSTOPS = 0x0080L;
inline constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100L;
inline constexpr DWORD LBS_WANTKEYBOARDINPUT = 0x0400L;
inline constexpr DWORD LBS_DISABLENOSCROLL = 0x1000L;
inline constexpr DWORD LBS_NOSEL = 0x4000L;
inline constexpr DWORD LBS_COMBOBOX = 0x8000L;
inline constexpr DWORD LBS_STANDARD = LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER;

// List box messages.
inline constexpr UINT LB_ADDSTRING = 0x0180;
inline constexpr UINT LB_INSERTSTRING = 0x0181;
inline constexpr UINT LB_DELETESTRING = 0x0182;
inline constexpr UINT LB_RESETCONTENT = 0x0184;
inline constexpr UINT LB_SETSEL = 0x0185;
inline constexpr UINT LB_SETCURSEL = 0x0186;
inline constexpr UINT LB_GETSEL = 0x0187;
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr UINT LB_GETTEXT = 0x0189;
inline constexpr UINT LB_GETTEXTLEN = 0x018A;
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr UINT LB_SELECTSTRING = 0x018C;
inline constexpr UINT LB_GETTOPINDEX = 0x018E;
inline constexpr UINT LB_FINDSTRING = 0x018F;
inline constexpr UINT LB_SETTOPINDEX = 0x0197;
inline constexpr UINT LB_GETITEMRECT = 0x0198;
inline constexpr UINT LB_GETITEMDATA = 0x0199;
inline constexpr UINT LB_SETITEMDATA = 0x019A;
inline constexpr UINT LB_SETCARETINDEX = 0x019E;
inline constexpr UINT LB_GETCARETINDEX = 0x019F;
inline constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
inline constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
inline constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
inline constexpr UINT LB_ITEMFROMPOINT = 0x01A9;
inline constexpr LRESULT LB_OKAY = 0;
inline constexpr LRESULT LB_ERR = -1;
inline constexpr LRESULT LB_ERRSPACE = -2;

// List box notifications.
inline constexpr int LBN_ERRSPACE = -2;
inline constexpr UINT LBN_SELCHANGE = 1;
inline constexpr UINT LBN_DBLCLK = 2;
inline constexpr UINT LBN_SELCANCEL = 3;
inline constexpr UINT LBN_SETFOCUS = 4;
inline constexpr UINT LBN_KILLFOCUS = 5;

// Combo box styles.
inline constexpr DWORD CBS_SIMPLE = 0x0001L;
inline constexpr DWORD CBS_DROPDOWN = 0x0002L;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003L;
inline constexpr DWORD CBS_OWNERDRAWFIXED = 0x0010L;
inline constexpr DWORD CBS_OWNERDRAWVARIABLE = 0x0020L;
inline constexpr DWORD CBS_AUTOHSCROLL = 0x0040L;
inline constexpr DWORD CBS_OEMCONVERT = 0x0080L;
inline constexpr DWORD CBS_SORT = 0x0100L;
inline constexpr DWORD CBS_HASSTRINGS = 0x0200L;
inline constexpr DWORD CBS_NOINTEGRALHEIGHT = 0x0400L;
inline constexpr DWORD CBS_DISABLENOSCROLL = 0x0800L;

// Combo box messages.
inline constexpr UINT CB_GETEDITSEL = 0x0140;
inline constexpr UINT CB_LIMITTEXT = 0x0141;
inline constexpr UINT CB_SETEDITSEL = 0x0142;
inline constexpr UINT CB_ADDSTRING = 0x0143;
inline constexpr UINT CB_DELETESTRING = 0x0144;
inline constexpr UINT CB_GETCOUNT = 0x0146;
inline constexpr UINT CB_GETCURSEL = 0x0147;
inline constexpr UINT CB_GETLBTEXT = 0x0148;
inline constexpr UINT CB_GETLBTEXTLEN = 0x0149;
inline constexpr UINT CB_INSERTSTRING = 0x014A;
inline constexpr UINT CB_RESETCONTENT = 0x014B;
inline constexpr UINT CB_FINDSTRING = 0x014C;
inline constexpr UINT CB_SELECTSTRING = 0x014D;
inline constexpr UINT CB_SETCURSEL = 0x014E;
inline constexpr UINT CB_SHOWDROPDOWN = 0x014F;
inline constexpr UINT CB_GETITEMDATA = 0x0150;
inline constexpr UINT CB_SETITEMDATA = 0x0151;
inline constexpr UINT CB_GETDROPPEDCONTROLRECT = 0x0152;
inline constexpr UINT CB_SETITEMHEIGHT = 0x0153;
inline constexpr UINT CB_GETITEMHEIGHT = 0x0154;
inline constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
inline constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
inline constexpr UINT CB_GETTOPINDEX = 0x015B;
inline constexpr UINT CB_SETTOPINDEX = 0x015C;
inline constexpr UINT CB_GETDROPPEDWIDTH = 0x015F;
inline constexpr UINT CB_SETDROPPEDWIDTH = 0x0160;
inline constexpr LRESULT CB_OKAY = 0;
inline constexpr LRESULT CB_ERR = -1;
inline constexpr LRESULT CB_ERRSPACE = -2;

// Combo box notifications.
inline constexpr UINT CBN_SELCHANGE = 1;
inline constexpr UINT CBN_DBLCLK = 2;
inline constexpr UINT CBN_SETFOCUS = 3;
inline constexpr UINT CBN_KILLFOCUS = 4;
inline constexpr UINT CBN_EDITCHANGE = 5;
inline constexpr UINT CBN_EDITUPDATE = 6;
inline constexpr UINT CBN_DROPDOWN = 7;
inline constexpr UINT CBN_CLOSEUP = 8;
inline constexpr UINT CBN_SELENDOK = 9;
inline constexpr UINT CBN_SELENDCANCEL = 10;

// The identifier of a drop-down combo box's edit child and of its list pop-up.
inline constexpr int ZT_COMBO_EDIT_ID = 1001;
inline constexpr int ZT_COMBO_LIST_ID = 1000;

// Scroll bar control styles (the bars, SBM_ messages and SCROLLINFO come with the window
// manager's headers).
inline constexpr DWORD SBS_HORZ = 0x0000L;
inline constexpr DWORD SBS_VERT = 0x0001L;

// Clipboard formats.
inline constexpr UINT CF_TEXT = 1;
inline constexpr UINT CF_UNICODETEXT = 13;

using LPINT = int*;
using LPCOMPAREITEMSTRUCT = COMPAREITEMSTRUCT*;
using LPDELETEITEMSTRUCT = DELETEITEMSTRUCT*;

// Image lists: a row of equally sized images, drawn by index. The handle is a key into the
// image list table, so a destroyed or invented handle finds nothing.
ZT_DECLARE_HANDLE(HIMAGELIST);

// ImageList_Create flags. The colour depth picks how a bitmap's alpha bytes are read: only
// ILC_COLOR32 keeps them; with ILC_MASK the images get a transparency mask.
inline constexpr UINT ILC_MASK = 0x00000001;
inline constexpr UINT ILC_COLOR = 0x00000000;
inline constexpr UINT ILC_COLORDDB = 0x000000FE;
inline constexpr UINT ILC_COLOR4 = 0x00000004;
inline constexpr UINT ILC_COLOR8 = 0x00000008;
inline constexpr UINT ILC_COLOR16 = 0x00000010;
inline constexpr UINT ILC_COLOR24 = 0x00000018;
inline constexpr UINT ILC_COLOR32 = 0x00000020;
inline constexpr UINT ILC_MIRROR = 0x00002000;

// ImageList_Draw styles.
inline constexpr UINT ILD_NORMAL = 0x00000000;
inline constexpr UINT ILD_TRANSPARENT = 0x00000001;
inline constexpr UINT ILD_MASK = 0x00000010;
inline constexpr UINT ILD_IMAGE = 0x00000020;
inline constexpr UINT ILD_BLEND25 = 0x00000002;
inline constexpr UINT ILD_BLEND50 = 0x00000004;
inline constexpr UINT ILD_FOCUS = ILD_BLEND25;
inline constexpr UINT ILD_SELECTED = ILD_BLEND50;
inline constexpr UINT ILD_BLEND = ILD_BLEND50;

struct IMAGEINFO
{
    HBITMAP hbmImage;
    HBITMAP hbmMask;
    int Unused1;
    int Unused2;
    RECT rcImage;
};
