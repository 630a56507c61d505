#pragma once

// Fonts: faces resolved through fontconfig, rendered once by FreeType into a table of glyph masks
// when the font is created, so drawing text needs neither library nor the heap.
//
// Glyphs are rendered monochrome (FreeType's mono target with full hinting): crisp like classic
// GDI text and identical from run to run, which golden images need. The printable ASCII
// characters 0x20..0x7E have their own glyphs; every other byte draws as '?'.

#include <array>
#include <cstdint>
#include <memory>

#include "win32/base/geometry.h"
#include "win32/gdi/canvas.h"

namespace w32::gdi {

struct FontRequest {
    int height = 0;  // > 0 cell height, < 0 em height, 0 a default 16-pixel cell
    int width = 0;   // average character width; 0 keeps the face's own proportions
    bool bold = false;
    bool italic = false;
    const char* face = "";  // a family name for fontconfig; empty means its default sans
};

struct Glyph {
    int left = 0;  // of the mask, from the character cell's top-left corner
    int top = 0;
    int width = 0;
    int height = 0;
    int advance = 0;
    std::uint32_t maskOffset = 0;  // into Font::masks, width * height bytes, 1 for ink
};

struct Font {
    static constexpr unsigned char kFirstChar = 0x20;
    static constexpr unsigned char kLastChar = 0x7E;
    static constexpr int kGlyphCount = kLastChar - kFirstChar + 1;

    int height = 0;  // the cell: ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int averageWidth = 0;
    int maxWidth = 0;
    int weight = 0;
    int overhang = 0;  // how far any glyph reaches left of its cell
    std::array<Glyph, kGlyphCount> glyphs{};
    std::unique_ptr<std::uint8_t[]> masks;

    const Glyph& glyphFor(char c) const {
        const auto byte = static_cast<unsigned char>(c);
        const bool printable = byte >= kFirstChar && byte <= kLastChar;
        return glyphs[(printable ? byte : '?') - kFirstChar];
    }
};

// Starts FreeType and fontconfig. False when either fails; it has said why on stderr.
bool startText();

// Resolves, loads and renders a font. False when no face can be loaded.
bool loadFont(const FontRequest& request, Font& font);

// The sum of the characters' advances.
std::int64_t textWidth(const Font& font, const char* text, int count);

struct TextStyle {
    Pixel color = 0;
    Pixel background = 0;
    bool opaque = true;  // fill the character cells with the background first
};

// Draws count characters with the top-left corner of the first cell at `at` (canvas pixels).
void drawText(const Canvas& canvas, Rect clip, const Font& font, Point at, const char* text,
              int count, const TextStyle& style);

}  // namespace w32::gdi
