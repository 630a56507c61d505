#include "win32/controls/status_bar_paint.h"

#include "win32/controls/drawing.h"

namespace w32::controls {

namespace {

constexpr int kTextInset = 3;  // from the frame's left and right
constexpr int kGripRidges = 3;

enum class Align { Left, Centre, Right };

void drawAligned(HDC hdc, const RECT& area, const char* text, int count, Align align, int top) {
    int width = area.right - area.left;
    if (count <= 0 || width <= 0) return;
    count = fittingCount(hdc, text, count, width);
    int cx = textSize(hdc, text, count).cx;
    int x = area.left;
    if (align == Align::Centre) x += (width - cx) / 2;
    if (align == Align::Right) x = area.right - cx;
    TextOutA(hdc, x, top, text, count);
}

// Up to three runs split at tabs: left, centred and right-aligned.
void drawPartText(HDC hdc, const StatusPart& part, const RECT& area) {
    TEXTMETRICA tm{};
    int cell = GetTextMetricsA(hdc, &tm) && tm.tmHeight > 0 ? tm.tmHeight : 13;
    int top = area.top + (area.bottom - area.top - cell) / 2;
    const Align order[] = {Align::Left, Align::Centre, Align::Right};
    int start = 0;
    int run = 0;
    for (int i = 0; i <= part.length; ++i) {
        bool end = i == part.length;
        if (!end && (part.text[i] != '\t' || run == 2)) continue;
        drawAligned(hdc, area, part.text + start, i - start, order[run], top);
        if (end) break;
        start = i + 1;
        ++run;
    }
}

// Diagonal ridges in the corner, each a highlight line over two shadow lines.
void drawGrip(HDC hdc, const RECT& client) {
    int right = client.right;
    int bottom = client.bottom;
    for (int ridge = 0; ridge < kGripRidges; ++ridge) {
        for (int line = 0; line < 3; ++line) {
            int k = 4 * ridge + 1 + line;  // the line's distance from the corner pixel
            SelectObject(hdc, systemPen(line == 2 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
            MoveToEx(hdc, right - 1 - k, bottom - 1, nullptr);
            LineTo(hdc, right, bottom - 2 - k);  // the end point is left out
        }
    }
}

}  // namespace

void paintStatusBar(HWND hwnd, const StatusBar& bar, bool grip) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) {
        EndPaint(hwnd, &ps);
        return;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    fillSystem(hdc, client, COLOR_BTNFACE);
    SelectObject(hdc, controlFont(bar.font));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    RECT gripArea = gripRect(client);
    for (int i = 0; i < bar.partCount; ++i) {
        RECT f = partFrame(bar, i, client);
        if (f.right <= f.left) continue;
        if (bar.parts[i].type == kSunken) frame(hdc, f, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        if (bar.parts[i].type == kPopOut) frame(hdc, f, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
        RECT text{f.left + kTextInset, f.top + 1, f.right - kTextInset, f.bottom - 1};
        if (grip && text.right > gripArea.left) text.right = gripArea.left;
        drawPartText(hdc, bar.parts[i], text);
    }
    if (grip) drawGrip(hdc, client);
    EndPaint(hwnd, &ps);
}

}  // namespace w32::controls
