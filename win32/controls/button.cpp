// The "Button" class: push buttons, radio buttons and group boxes.
//
// The left button's press cycle. WM_MOUSEMOVE only arrives from displays that report motion;
// without it the press and release positions alone decide.
//
//   state     event                                   next      drawn pushed   then
//   idle      press or double click                   tracking  yes            focus, capture
//   tracking  move outside                            tracking  no
//   tracking  move inside                             tracking  yes
//   tracking  release inside                          idle      no             click
//   tracking  release outside                         idle      no
//   tracking  capture lost, focus lost, cancel mode   idle      no
//   idle      release or move                         idle      unchanged
//
// A click: a push button sends BN_CLICKED to its parent; an automatic radio button checks
// itself, clears the other automatic radio buttons of its group, then sends BN_CLICKED; a plain
// radio button only sends BN_CLICKED. A disabled button gets no presses and sends nothing.
// Right and middle presses are left to DefWindowProcA.
//
// Sections: [state] [groups] [press cycle] [procedure]

#include "win32/controls/button.h"

#include "win32/controls/button_paint.h"

namespace w32::controls {

namespace {

// [state] ----------------------------------------------------------------------------------------

constexpr LONG_PTR kChecked = BST_CHECKED;
constexpr LONG_PTR kPushed = BST_PUSHED;
constexpr LONG_PTR kTracking = 0x100;

// WM_GETDLGCODE and its DLGC_RADIOBUTTON answer: how the dialog manager tells radio buttons
// from other controls.
constexpr UINT kGetDialogCode = 0x0087;
constexpr LRESULT kDialogCodeRadioButton = 0x0040;

LONG_PTR flags(HWND hwnd) {
    return GetWindowLongPtrA(hwnd, kButtonStateOffset);
}

// Sets or clears some flags; repaints when what is drawn changed.
void setFlags(HWND hwnd, LONG_PTR which, bool on) {
    LONG_PTR old = flags(hwnd);
    LONG_PTR now = on ? (old | which) : (old & ~which);
    if (now == old) return;
    SetWindowLongPtrA(hwnd, kButtonStateOffset, now);
    if ((old ^ now) & (kChecked | kPushed)) InvalidateRect(hwnd, nullptr, TRUE);
}

ButtonKind kindOf(HWND hwnd) {
    return buttonKind(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)));
}

bool isRadio(ButtonKind kind) {
    return kind == ButtonKind::Radio || kind == ButtonKind::AutoRadio;
}

// [groups] ---------------------------------------------------------------------------------------

bool startsGroup(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_GROUP) != 0;
}

// Asked, not read from the procedure: a subclassed radio button still answers.
bool isAutoRadioButton(HWND hwnd) {
    return SendMessageA(hwnd, kGetDialogCode, 0, 0) & kDialogCodeRadioButton &&
           kindOf(hwnd) == ButtonKind::AutoRadio;
}

// The group is the run of siblings, in creation order, from the nearest one with WS_GROUP at or
// before the button up to the next one with WS_GROUP. Without WS_GROUP anywhere that is every
// sibling.
void clearOthersInGroup(HWND button) {
    HWND groupStart = GetWindow(button, GW_HWNDFIRST);
    for (HWND w = groupStart; w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (startsGroup(w)) groupStart = w;
        if (w == button) break;
    }
    for (HWND w = groupStart; w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w != groupStart && startsGroup(w)) break;
        if (w != button && isAutoRadioButton(w)) SendMessageA(w, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

// [press cycle] ----------------------------------------------------------------------------------

bool inside(HWND hwnd, LPARAM lParam) {
    // The client rectangle, as Windows tests it: a part cut off by the parent still counts.
    RECT client;
    GetClientRect(hwnd, &client);
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&client, p) != FALSE;
}

void click(HWND hwnd) {
    ButtonKind kind = kindOf(hwnd);
    if (kind == ButtonKind::GroupBox) return;
    if (kind == ButtonKind::AutoRadio) {
        setFlags(hwnd, kChecked, true);
        clearOthersInGroup(hwnd);
    }
    SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd));
}

void press(HWND hwnd) {
    if (kindOf(hwnd) == ButtonKind::GroupBox || !IsWindowEnabled(hwnd)) return;
    SetFocus(hwnd);
    // Taking focus may have ended the press already (a window that refuses to lose focus).
    if (!IsWindow(hwnd)) return;
    SetWindowLongPtrA(hwnd, kButtonStateOffset, flags(hwnd) | kTracking);
    SetCapture(hwnd);
    setFlags(hwnd, kPushed, true);
}

// Ends tracking without a click. Clears the flag first: releasing capture reports back here.
void cancel(HWND hwnd) {
    if (!(flags(hwnd) & kTracking)) return;
    SetWindowLongPtrA(hwnd, kButtonStateOffset, flags(hwnd) & ~kTracking);
    setFlags(hwnd, kPushed, false);
    if (GetCapture() == hwnd) ReleaseCapture();
}

void release(HWND hwnd, LPARAM lParam) {
    if (!(flags(hwnd) & kTracking)) return;
    bool clicked = inside(hwnd, lParam);
    cancel(hwnd);
    if (clicked) click(hwnd);
}

// [procedure] ------------------------------------------------------------------------------------

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc) {
        LONG_PTR f = flags(hwnd);
        ButtonLook look;
        look.kind = kindOf(hwnd);
        look.checked = (f & kChecked) != 0;
        look.pushed = (f & kPushed) != 0;
        look.enabled = IsWindowEnabled(hwnd) != FALSE;
        look.font = reinterpret_cast<HFONT>(GetWindowLongPtrA(hwnd, kButtonFontOffset));
        paintButton(hwnd, hdc, look);
    }
    EndPaint(hwnd, &ps);
}

// A group box leaves its inside to the parent, so a new caption needs the parent repainted
// beneath it, or a shorter one would leave the old one's end showing.
void repaintText(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    if (kindOf(hwnd) != ButtonKind::GroupBox || !parent) {
        InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    RECT r;
    GetWindowRect(hwnd, &r);
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    ScreenToClient(parent, &corners[0]);
    ScreenToClient(parent, &corners[1]);
    RECT inParent{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    InvalidateRect(parent, &inParent, TRUE);
}

LRESULT setCheck(HWND hwnd, WPARAM check) {
    if (!isRadio(kindOf(hwnd))) return 0;
    setFlags(hwnd, kChecked, check == BST_CHECKED);
    if (check == BST_CHECKED) {
        LONG style = GetWindowLongA(hwnd, GWL_STYLE);
        SetWindowLongA(hwnd, GWL_STYLE, style | WS_TABSTOP);
    }
    return 0;
}

}  // namespace

LRESULT CALLBACK buttonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kGetDialogCode:
            return isRadio(kindOf(hwnd)) ? kDialogCodeRadioButton : 0;
        case WM_NCHITTEST:
            if (kindOf(hwnd) == ButtonKind::GroupBox) return HTTRANSPARENT;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            press(hwnd);
            return 0;
        case WM_MOUSEMOVE:
            if (flags(hwnd) & kTracking) setFlags(hwnd, kPushed, inside(hwnd, lParam));
            return 0;
        case WM_LBUTTONUP:
            release(hwnd, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd) cancel(hwnd);
            return 0;
        case WM_KILLFOCUS:
            cancel(hwnd);
            return 0;
        case WM_CANCELMODE:
            cancel(hwnd);
            break;
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers what it owns; a group box owns no inside
        case WM_PAINT:
            paint(hwnd);
            return 0;
        case WM_SETTEXT: {
            LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
            repaintText(hwnd);
            return result;
        }
        case WM_SETFONT:
            SetWindowLongPtrA(hwnd, kButtonFontOffset, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return GetWindowLongPtrA(hwnd, kButtonFontOffset);
        case BM_GETCHECK:
            return isRadio(kindOf(hwnd)) ? (flags(hwnd) & kChecked) : BST_UNCHECKED;
        case BM_SETCHECK:
            return setCheck(hwnd, wParam);
        case BM_GETSTATE:
            return flags(hwnd) & (kChecked | kPushed);
        case BM_SETSTATE:
            setFlags(hwnd, kPushed, wParam != 0);
            return 0;
        case BM_CLICK:
            if (IsWindowEnabled(hwnd)) click(hwnd);
            return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace w32::controls
