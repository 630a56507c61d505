#include "win32/controls/button_paint.h"

#include "win32/controls/drawing.h"

namespace w32::controls {

namespace {

constexpr int kRadioMark = 13;    // the round mark's diameter
constexpr int kRadioDot = 5;      // the dot of a checked mark
constexpr int kRadioTextGap = 5;  // between the mark and the text
constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;  // of the caption's cell on each side

struct Text {
    char chars[256];
    int length;
};

Text windowText(HWND hwnd) {
    Text t{};
    t.length = GetWindowTextA(hwnd, t.chars, sizeof t.chars);
    return t;
}

int lineHeight(HDC hdc) {
    TEXTMETRICA tm{};
    return GetTextMetricsA(hdc, &tm) && tm.tmHeight > 0 ? tm.tmHeight : 13;
}

void prepareText(HDC hdc, const ButtonLook& look) {
    SelectObject(hdc, controlFont(look.font));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(look.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
}

void paintPush(HWND hwnd, HDC hdc, const ButtonLook& look) {
    RECT r;
    GetClientRect(hwnd, &r);
    fillSystem(hdc, r, COLOR_BTNFACE);
    if (look.kind == ButtonKind::DefaultPush) {
        frame(hdc, r, COLOR_BTNTEXT, COLOR_BTNTEXT);
        InflateRect(&r, -1, -1);
    }
    if (look.pushed) {
        frame(hdc, r, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT);
        InflateRect(&r, -1, -1);
        frame(hdc, r, COLOR_BTNSHADOW, COLOR_3DLIGHT);
    } else {
        frame(hdc, r, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW);
        InflateRect(&r, -1, -1);
        frame(hdc, r, COLOR_3DLIGHT, COLOR_BTNSHADOW);
    }
    InflateRect(&r, -2, -1);

    prepareText(hdc, look);
    Text t = windowText(hwnd);
    int count = fittingCount(hdc, t.chars, t.length, r.right - r.left);
    SIZE size = textSize(hdc, t.chars, count);
    int shift = look.pushed ? 1 : 0;  // a pushed face seems to sink under the pointer
    int x = r.left + (r.right - r.left - size.cx) / 2 + shift;
    int y = r.top + (r.bottom - r.top - lineHeight(hdc)) / 2 + shift;
    TextOutA(hdc, x, y, t.chars, count);
}

void paintRadio(HWND hwnd, HDC hdc, const ButtonLook& look) {
    RECT r;
    GetClientRect(hwnd, &r);
    fillSystem(hdc, r, COLOR_BTNFACE);

    int top = (r.bottom - kRadioMark) / 2;
    bool white = look.enabled && !look.pushed;
    SelectObject(hdc, systemPen(COLOR_BTNSHADOW));
    SelectObject(hdc, GetSysColorBrush(white ? COLOR_WINDOW : COLOR_BTNFACE));
    Ellipse(hdc, 0, top, kRadioMark, top + kRadioMark);
    if (look.checked) {
        int ink = look.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT;
        int inset = (kRadioMark - kRadioDot) / 2;
        SelectObject(hdc, systemPen(ink));
        SelectObject(hdc, GetSysColorBrush(ink));
        Ellipse(hdc, inset, top + inset, inset + kRadioDot, top + inset + kRadioDot);
    }

    prepareText(hdc, look);
    Text t = windowText(hwnd);
    TextOutA(hdc, kRadioMark + kRadioTextGap, (r.bottom - lineHeight(hdc)) / 2, t.chars, t.length);
}

// The frame is etched: a shadow rectangle with a highlight one a pixel down and right of it.
// The inside is never filled, so the parent's background shows through.
void paintGroupBox(HWND hwnd, HDC hdc, const ButtonLook& look) {
    RECT r;
    GetClientRect(hwnd, &r);
    prepareText(hdc, look);
    int cell = lineHeight(hdc);
    int top = cell / 2;
    RECT light{r.left + 1, top + 1, r.right, r.bottom};
    RECT shadow{r.left, top, r.right - 1, r.bottom - 1};
    frame(hdc, light, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT);
    frame(hdc, shadow, COLOR_BTNSHADOW, COLOR_BTNSHADOW);

    Text t = windowText(hwnd);
    if (t.length == 0) return;
    SIZE size = textSize(hdc, t.chars, t.length);
    RECT captionCell{kCaptionIndent - kCaptionPadding, 0,
                     kCaptionIndent + size.cx + kCaptionPadding, cell};
    fillSystem(hdc, captionCell, COLOR_BTNFACE);
    TextOutA(hdc, kCaptionIndent, 0, t.chars, t.length);
}

}  // namespace

ButtonKind buttonKind(DWORD style) {
    switch (style & BS_TYPEMASK) {
        case BS_DEFPUSHBUTTON:
            return ButtonKind::DefaultPush;
        case BS_RADIOBUTTON:
            return ButtonKind::Radio;
        case BS_AUTORADIOBUTTON:
            return ButtonKind::AutoRadio;
        case BS_GROUPBOX:
            return ButtonKind::GroupBox;
        default:
            return ButtonKind::Push;  // and the kinds we do not draw, check boxes among them
    }
}

void paintButton(HWND hwnd, HDC hdc, const ButtonLook& look) {
    switch (look.kind) {
        case ButtonKind::Push:
        case ButtonKind::DefaultPush:
            paintPush(hwnd, hdc, look);
            break;
        case ButtonKind::Radio:
        case ButtonKind::AutoRadio:
            paintRadio(hwnd, hdc, look);
            break;
        case ButtonKind::GroupBox:
            paintGroupBox(hwnd, hdc, look);
            break;
    }
}

}  // namespace w32::controls
