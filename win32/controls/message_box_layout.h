#pragma once

// Where a message box's lines, button and window go. Pure arithmetic over a text measure, so
// it can be checked without drawing.

#include <windows.h>

namespace w32::controls {

constexpr int kMaxMessageText = 1024;  // with the terminating zero; longer texts are cut
constexpr int kMaxMessageLines = 40;   // more than fit on the screen; further lines are dropped
constexpr int kMessageMargin = 12;     // around the text and below the button
constexpr int kMessageButtonGap = 12;  // between the text and the button
constexpr int kMessageButtonWidth = 75;
constexpr int kMessageButtonHeight = 23;
constexpr int kMessageCaptionRoom = 48;  // beside the title: the close box and some air

// The width in pixels of the first count characters of text.
using MeasureText = int (*)(void* context, const char* text, int count);

struct TextLine {
    int start = 0;
    int length = 0;
};

struct MessageLines {
    TextLine lines[kMaxMessageLines];
    int count = 0;
    int width = 0;  // of the widest line
};

// Breaks at each '\n' ("\r\n" counts as one) and wraps a line wider than maxWidth at its last
// blank that fits, dropping the blanks at the break; a word wider than maxWidth on its own is
// broken where it stops fitting. An empty text is one empty line.
MessageLines breakLines(const char* text, int length, int maxWidth, MeasureText measure,
                        void* context);

struct Frame {
    int sideWidth = 0;      // each side
    int captionHeight = 0;  // title bar, above the client area
    int edgeHeight = 0;     // top and bottom each
};

struct BoxLayout {
    RECT window{};  // on the screen, frame included
    RECT text{};    // client coordinates
    RECT button{};  // client coordinates
};

// The client area fits the text, the button and the caption; the window is centred over the
// owner's rectangle (or the screen without one) and then moved fully onto the screen as far as
// it fits.
BoxLayout layoutBox(SIZE text, int captionWidth, const RECT* owner, const RECT& screen,
                    const Frame& frame);

}  // namespace w32::controls
