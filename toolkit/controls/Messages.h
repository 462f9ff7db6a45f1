// Window messages as records, with the numbers the windows and the grid library expect.
#pragma once

#include "toolkit/system/Types.h"

class QEvent;

// Window messages.
enum : UINT {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_ENABLE = 0x000A,
    WM_SETREDRAW = 0x000B,
    WM_SETTEXT = 0x000C,
    WM_GETTEXT = 0x000D,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_ERASEBKGND = 0x0014,
    WM_SHOWWINDOW = 0x0018,
    WM_CANCELMODE = 0x001F,
    WM_SETCURSOR = 0x0020,
    WM_SETFONT = 0x0030,
    WM_WINDOWPOSCHANGED = 0x0047,
    WM_NOTIFY = 0x004E,
    WM_CONTEXTMENU = 0x007B,
    WM_GETDLGCODE = 0x0087,
    WM_NCHITTEST = 0x0084,
    WM_NCPAINT = 0x0085,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_SYSCHAR = 0x0106,
    WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112,
    WM_TIMER = 0x0113,
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MBUTTONDBLCLK = 0x0209,
    WM_MOUSEWHEEL = 0x020A,
    WM_MOUSEHWHEEL = 0x020E,
    WM_SIZING = 0x0214,
    WM_CAPTURECHANGED = 0x0215,
    WM_MOUSEHOVER = 0x02A1,
    WM_MOUSELEAVE = 0x02A3,
    WM_CUT = 0x0300,
    WM_COPY = 0x0301,
    WM_PASTE = 0x0302,
    WM_CLEAR = 0x0303,
    WM_UNDO = 0x0304,
    WM_USER = 0x0400,
    WM_APP = 0x8000,
};

// The class library's own control messages and reflected notifications.
enum : UINT {
    CM_BASE = 0xB000,
    CM_ACTIVATE = CM_BASE + 0,
    CM_DEACTIVATE = CM_BASE + 1,
    CM_DIALOGKEY = CM_BASE + 5,
    // A character typed with Alt, offered to every control of the form until one takes it as its
    // accelerator (WParam: the character; a non-zero result takes it).
    CM_DIALOGCHAR = CM_BASE + 6,
    CM_LOSTFOCUS = CM_BASE + 3,
    CM_ENABLEDCHANGED = CM_BASE + 12,
    CM_COLORCHANGED = CM_BASE + 13,
    CM_FONTCHANGED = CM_BASE + 14,
    CM_CURSORCHANGED = CM_BASE + 15,
    CM_PARENTFONTCHANGED = CM_BASE + 17,
    CM_PARENTCOLORCHANGED = CM_BASE + 18,
    CM_MOUSEENTER = CM_BASE + 19,
    CM_MOUSELEAVE = CM_BASE + 20,
    CM_BUTTONPRESSED = CM_BASE + 26,
    CM_VISIBLECHANGED = CM_BASE + 22,
    CM_ENTER = CM_BASE + 23,
    CM_EXIT = CM_BASE + 24,
    CM_SHOWINGCHANGED = CM_BASE + 31,
    CM_TEXTCHANGED = CM_BASE + 37,
    CM_WANTSPECIALKEY = CM_BASE + 46,
    CM_HINTSHOW = CM_BASE + 48,
    CM_SYSCOLORCHANGE = CM_BASE + 52,
    CM_CONTROLCHANGE = CM_BASE + 54,
    CM_RECREATEWND = CM_BASE + 51,
    CM_MOUSEWHEEL = CM_BASE + 67,
    CN_BASE = 0xBC00,
    CN_COMMAND = CN_BASE + WM_COMMAND,
    CN_KEYDOWN = CN_BASE + WM_KEYDOWN,
    CN_CHAR = CN_BASE + WM_CHAR,
};

// WM_ACTIVATE's WParam: the window lost or gained the activation.
enum : WPARAM { WA_INACTIVE = 0, WA_ACTIVE = 1 };

// Mouse-key flags carried by mouse messages.
enum : WPARAM { MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002, MK_SHIFT = 0x0004, MK_CONTROL = 0x0008, MK_MBUTTON = 0x0010 };

// Scroll codes of WM_HSCROLL / WM_VSCROLL.
enum : int {
    SB_LINEUP = 0,
    SB_LINELEFT = 0,
    SB_LINEDOWN = 1,
    SB_LINERIGHT = 1,
    SB_PAGEUP = 2,
    SB_PAGELEFT = 2,
    SB_PAGEDOWN = 3,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_LEFT = 6,
    SB_BOTTOM = 7,
    SB_RIGHT = 7,
    SB_ENDSCROLL = 8,
};
enum : int { SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3 };

// Virtual key codes.
enum : Word {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_CANCEL = 0x03,
    VK_MBUTTON = 0x04,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SELECT = 0x29,
    VK_PRINT = 0x2A,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_HELP = 0x2F,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SEPARATOR = 0x6C,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F2 = 0x71,
    VK_F3 = 0x72,
    VK_F4 = 0x73,
    VK_F5 = 0x74,
    VK_F6 = 0x75,
    VK_F7 = 0x76,
    VK_F8 = 0x77,
    VK_F9 = 0x78,
    VK_F10 = 0x79,
    VK_F11 = 0x7A,
    VK_F12 = 0x7B,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    VK_OEM_1 = 0xBA,
    VK_OEM_PLUS = 0xBB,
    VK_OEM_COMMA = 0xBC,
    VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF,
};

// Dialog codes answered to WM_GETDLGCODE.
enum : LRESULT {
    DLGC_WANTARROWS = 0x0001,
    DLGC_WANTTAB = 0x0002,
    DLGC_WANTALLKEYS = 0x0004,
    DLGC_WANTCHARS = 0x0080,
};

inline Word LOWORD(uintptr_t v) { return static_cast<Word>(v & 0xFFFF); }
inline Word HIWORD(uintptr_t v) { return static_cast<Word>((v >> 16) & 0xFFFF); }
inline LPARAM MAKELPARAM(int lo, int hi) {
    return static_cast<LPARAM>((static_cast<uint32_t>(lo) & 0xFFFF) | ((static_cast<uint32_t>(hi) & 0xFFFF) << 16));
}
inline short GET_X(LPARAM l) { return static_cast<short>(l & 0xFFFF); }
inline short GET_Y(LPARAM l) { return static_cast<short>((l >> 16) & 0xFFFF); }

// One message as a record. `Event` is the Qt event it came from, when it came from one.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
    QEvent* Event = nullptr;
    // Set by the default handler: the native window's own handling of the event may go on.
    bool PassToNative = false;

    // Views of the fields by message kind.
    Word CharCode() const { return static_cast<Word>(WParam); }
    void SetCharCode(Word c) { WParam = c; }
    int XPos() const { return GET_X(LParam); }
    int YPos() const { return GET_Y(LParam); }
    WPARAM Keys() const { return LOWORD(WParam); }
    int WheelDelta() const { return static_cast<short>(HIWORD(WParam)); }
    int ScrollCode() const { return static_cast<short>(LOWORD(WParam)); }
    int ScrollPos() const { return static_cast<short>(HIWORD(WParam)); }
};

// Notifications a control sends its parent (WM_NOTIFY, LParam a pointer to a record that starts with an
// NMHDR), with the platform's codes.
struct NMHDR {
    void* hwndFrom = nullptr; // the control that sends it
    uintptr_t idFrom = 0;
    int code = 0;
};
enum : int {
    // The tooltip asks its tool for the text to show (NMTTDISPINFOW).
    TTN_GETDISPINFOW = -530,
    TTN_SHOW = -521,
    TTN_POP = -522,
    // A date-time picker's value was changed by the person (NMDATETIMECHANGE).
    DTN_DATETIMECHANGE = -759,
};
// The tooltip's request for its text: the tool points lpszText at a zero-terminated text of its own (kept
// until the next request) or fills szText.
struct NMTTDISPINFOW {
    NMHDR hdr;
    const char16_t* lpszText = nullptr;
    char16_t szText[80] = {};
    unsigned uFlags = 0;
    intptr_t lParam = 0;
};
// The date and time fields of a picker's value, as the platform hands them over.
struct SYSTEMTIME {
    Word wYear = 0, wMonth = 0, wDayOfWeek = 0, wDay = 0;
    Word wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;
};
enum : DWORD { GDT_VALID = 0, GDT_NONE = 1 };
struct NMDATETIMECHANGE {
    NMHDR nmhdr;
    DWORD dwFlags = GDT_VALID; // GDT_NONE: the picker's check box is unchecked, "no date"
    SYSTEMTIME st;
};

// Virtual key code of a Qt key (0 when it has none) and the Qt key of a virtual key code.
Word QtKeyToVK(int qtKey);
int VKToQtKey(Word vk);
