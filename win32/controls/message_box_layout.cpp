#include "win32/controls/message_box_layout.h"

#include <algorithm>

namespace w32::controls {

namespace {

struct LineBreaker {
    const char* text;
    int maxWidth;
    MeasureText measure;
    void* context;
    MessageLines result;

    void emit(int start, int length) {
        if (result.count == kMaxMessageLines) return;
        result.lines[result.count++] = {start, length};
        result.width = std::max(result.width, measure(context, text + start, length));
    }

    // The longest prefix of [start, end) that fits, by bisection: widths grow with the count.
    int fitting(int start, int end) const {
        int low = 0;
        int high = end - start;
        while (low < high) {
            int middle = (low + high + 1) / 2;
            if (measure(context, text + start, middle) <= maxWidth)
                low = middle;
            else
                high = middle - 1;
        }
        return low;
    }

    void wrap(int start, int end) {
        bool wrapped = false;
        // The whole rest does not fit, so start + fit < end: the index below stays in the line.
        while (start < end && measure(context, text + start, end - start) > maxWidth) {
            wrapped = true;
            int fit = fitting(start, end);
            // A blank right after the fitting part is a break too: it is never drawn.
            int blank = start + fit;
            while (blank > start && text[blank] != ' ')
                --blank;
            int lineEnd = blank;
            while (lineEnd > start && text[lineEnd - 1] == ' ')
                --lineEnd;
            if (lineEnd > start) {
                emit(start, lineEnd - start);
                start = blank;
                while (start < end && text[start] == ' ')
                    ++start;
            } else {
                int cut = std::max(fit, 1);
                emit(start, cut);
                start += cut;
            }
        }
        if (start < end || !wrapped) emit(start, end - start);
    }
};

}  // namespace

MessageLines breakLines(const char* text, int length, int maxWidth, MeasureText measure,
                        void* context) {
    LineBreaker breaker{text, maxWidth, measure, context, {}};
    int start = 0;
    for (int i = 0; i <= length; ++i) {
        if (i < length && text[i] != '\n') continue;
        int end = i;
        if (end > start && text[end - 1] == '\r') --end;
        breaker.wrap(start, end);
        start = i + 1;
    }
    return breaker.result;
}

BoxLayout layoutBox(SIZE text, int captionWidth, const RECT* owner, const RECT& screen,
                    const Frame& frame) {
    int clientWidth =
        std::max({static_cast<int>(text.cx) + 2 * kMessageMargin,
                  kMessageButtonWidth + 2 * kMessageMargin, captionWidth + kMessageCaptionRoom});
    int buttonTop = kMessageMargin + static_cast<int>(text.cy) + kMessageButtonGap;
    int clientHeight = buttonTop + kMessageButtonHeight + kMessageMargin;
    int width = clientWidth + 2 * frame.sideWidth;
    int height = clientHeight + frame.captionHeight + 2 * frame.edgeHeight;

    const RECT& centre = owner ? *owner : screen;
    int x = centre.left + (centre.right - centre.left - width) / 2;
    int y = centre.top + (centre.bottom - centre.top - height) / 2;
    // Onto the screen; a box larger than the screen keeps its top-left corner on it.
    x = std::max(std::min<int>(x, screen.right - width), static_cast<int>(screen.left));
    y = std::max(std::min<int>(y, screen.bottom - height), static_cast<int>(screen.top));

    BoxLayout layout;
    layout.window = {x, y, x + width, y + height};
    layout.text = {kMessageMargin, kMessageMargin, kMessageMargin + static_cast<LONG>(text.cx),
                   kMessageMargin + static_cast<LONG>(text.cy)};
    int buttonLeft = (clientWidth - kMessageButtonWidth) / 2;
    layout.button = {buttonLeft, buttonTop, buttonLeft + kMessageButtonWidth,
                     buttonTop + kMessageButtonHeight};
    return layout;
}

}  // namespace w32::controls
