// Fonts: resolving a request to a face file, measuring it, rendering its glyphs, drawing text.
//
// Sections: [libraries] [resolution] [metrics] [rendering] [drawing]

#include "win32/gdi/text.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "win32/gdi/raster.h"

namespace w32::gdi {
namespace {

// Beyond this a font would need tens of megabytes of masks; larger requests get this size.
constexpr int kMaxFontPixels = 512;
constexpr int kDefaultCellHeight = 16;
// LOGFONT's face name holds 32 characters with its terminating zero.
constexpr std::size_t kFaceNameCapacity = 32;

// [libraries] ------------------------------------------------------------------------------------

FT_Library gFreeType = nullptr;

}  // namespace

bool startText() {
    if (gFreeType) return true;
    if (!FcInit()) {
        std::fprintf(stderr, "win32: fontconfig could not be initialised\n");
        return false;
    }
    if (FT_Init_FreeType(&gFreeType) != 0) {
        gFreeType = nullptr;
        std::fprintf(stderr, "win32: FreeType could not be initialised\n");
        return false;
    }
    return true;
}

namespace {

// [resolution] -----------------------------------------------------------------------------------

struct FaceFile {
    std::string path;
    int index = 0;
};

// Asks fontconfig for the best face: its aliases map Windows names ("Arial") to metric-compatible
// ones (Liberation Sans).
bool resolveFace(const FontRequest& request, FaceFile& file) {
    char family[kFaceNameCapacity] = "sans-serif";
    if (request.face && request.face[0] != '\0') {
        std::strncpy(family, request.face, kFaceNameCapacity - 1);
        family[kFaceNameCapacity - 1] = '\0';
    }
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;
    FcChar8* path = nullptr;
    const bool found = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path;
    if (found) {
        file.path = reinterpret_cast<const char*>(path);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &file.index) != FcResultMatch) file.index = 0;
    }
    FcPatternDestroy(match);
    return found;
}

// [metrics] --------------------------------------------------------------------------------------

// The average width in font units by the classic OS/2 rule: lowercase letters and the space
// weighted by their frequency in English. Arial's own xAvgCharWidth (904) is exactly this, while
// Liberation Sans stores an average over all its glyphs (1187), which would stretch a font of a
// given width far less than Windows stretches Arial. 0 when a letter is missing.
long weightedAverageWidth(FT_Face face) {
    static constexpr int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                         56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    long sum = 0;
    for (int i = 0; i < 27; ++i) {
        const FT_ULong c = i < 26 ? 'a' + i : ' ';
        if (FT_Get_Char_Index(face, c) == 0) return 0;
        if (FT_Load_Char(face, c, FT_LOAD_NO_SCALE) != 0) return 0;
        sum += kWeights[i] * face->glyph->advance.x;
    }
    return sum / 1000;
}

struct FaceUnits {
    long ascent;  // the Windows cell: usWinAscent + usWinDescent
    long descent;
    long lineGap;  // beyond the cell, by the Windows rule for tmExternalLeading
    long averageWidth;
};

FaceUnits faceUnits(FT_Face face) {
    FaceUnits units{face->ascender, -face->descender, 0, 0};
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
        units.ascent = os2->usWinAscent;
        units.descent = os2->usWinDescent;
    }
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    if (hhea) {
        const long hheaHeight = hhea->Ascender - hhea->Descender;
        units.lineGap =
            std::max(0L, hhea->Line_Gap - ((units.ascent + units.descent) - hheaHeight));
    }
    units.averageWidth = weightedAverageWidth(face);
    if (units.averageWidth <= 0 && os2) units.averageWidth = os2->xAvgCharWidth;
    if (units.averageWidth <= 0)
        units.averageWidth = std::max<long>(1, face->max_advance_width / 2);
    return units;
}

int scaled(long units, int pixelsPerEm, long unitsPerEm) {
    return static_cast<int>(std::lround(static_cast<double>(units) * pixelsPerEm / unitsPerEm));
}

// Sets the pixel sizes and fills the font's metrics. The em sizes are whole pixels: TrueType
// hinting works at whole sizes, and FreeType would round them anyway.
bool applyMetrics(FT_Face face, const FontRequest& request, bool bold, Font& font) {
    const long upem = std::max<long>(1, face->units_per_EM);
    const FaceUnits units = faceUnits(face);
    const long cellUnits = std::max<long>(1, units.ascent + units.descent);

    int requested = request.height == 0 ? kDefaultCellHeight : request.height;
    requested = std::clamp(requested, -kMaxFontPixels, kMaxFontPixels);
    int emY = 0;
    if (requested > 0) {
        emY = std::max(1, scaled(requested, static_cast<int>(upem), cellUnits));
        font.height = requested;
    } else {
        emY = -requested;
        font.height = std::max(1, scaled(cellUnits, emY, upem));
    }
    int emX = emY;
    if (request.width != 0) {
        const int width = std::clamp(std::abs(request.width), 1, kMaxFontPixels);
        emX = std::clamp(scaled(width, static_cast<int>(upem), units.averageWidth), 1,
                         4 * kMaxFontPixels);
    }
    if (FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(emX), static_cast<FT_UInt>(emY)) != 0) {
        return false;
    }

    font.ascent = std::clamp(scaled(units.ascent, emY, upem), 0, font.height);
    font.descent = font.height - font.ascent;
    font.internalLeading = std::max(0, font.height - emY);
    font.externalLeading = scaled(units.lineGap, emY, upem);
    font.averageWidth = request.width != 0 ? std::abs(request.width)
                                           : std::max(1, scaled(units.averageWidth, emX, upem));
    font.maxWidth = scaled(face->max_advance_width, emX, upem);
    font.weight = bold ? 700 : 400;
    return true;
}

// [rendering] ------------------------------------------------------------------------------------

bool renderGlyphs(FT_Face face, Font& font) {
    std::vector<std::uint8_t> masks;
    for (int i = 0; i < Font::kGlyphCount; ++i) {
        const FT_ULong c = Font::kFirstChar + i;
        if (FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return false;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        Glyph& glyph = font.glyphs[i];
        glyph.left = slot->bitmap_left;
        glyph.top = font.ascent - slot->bitmap_top;
        glyph.width = static_cast<int>(bitmap.width);
        glyph.height = static_cast<int>(bitmap.rows);
        glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        glyph.maskOffset = static_cast<std::uint32_t>(masks.size());
        font.overhang = std::max(font.overhang, -glyph.left);
        for (int y = 0; y < glyph.height; ++y) {
            const unsigned char* row = bitmap.buffer + static_cast<long>(y) * bitmap.pitch;
            for (int x = 0; x < glyph.width; ++x) {
                const bool ink = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                     ? (row[x >> 3] & (0x80 >> (x & 7))) != 0
                                     : row[x] >= 128;
                masks.push_back(ink ? 1 : 0);
            }
        }
    }
    font.masks = std::make_unique<std::uint8_t[]>(std::max<std::size_t>(1, masks.size()));
    std::copy(masks.begin(), masks.end(), font.masks.get());
    return true;
}

}  // namespace

bool loadFont(const FontRequest& request, Font& font) {
    if (!gFreeType) return false;
    FaceFile file;
    if (!resolveFace(request, file)) return false;
    FT_Face face = nullptr;
    if (FT_New_Face(gFreeType, file.path.c_str(), file.index, &face) != 0) return false;
    const bool bold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    const bool ok = applyMetrics(face, request, bold, font) && renderGlyphs(face, font);
    FT_Done_Face(face);
    return ok;
}

// [drawing] --------------------------------------------------------------------------------------

std::int64_t textWidth(const Font& font, const char* text, int count) {
    std::int64_t width = 0;
    for (int i = 0; i < count; ++i)
        width += font.glyphFor(text[i]).advance;
    return width;
}

void drawText(const Canvas& canvas, Rect clip, const Font& font, Point at, const char* text,
              int count, const TextStyle& style) {
    clip = clip.intersect(canvas.bounds());
    if (clip.empty() || count <= 0 || !font.masks) return;
    // Characters whose cells start right of the clip are never looked at, so a long text far
    // outside costs nothing.
    if (style.opaque) {
        std::int64_t end = at.x;
        for (int i = 0; i < count && end < clip.right; ++i)
            end += font.glyphFor(text[i]).advance;
        end = std::min<std::int64_t>(end, clip.right);
        fillRect(canvas, clip, {at.x, at.y, static_cast<int>(end), at.y + font.height},
                 style.background);
    }
    std::int64_t penX = at.x;
    for (int i = 0; i < count && penX - font.overhang < clip.right; ++i) {
        const Glyph& glyph = font.glyphFor(text[i]);
        if (penX + glyph.left + glyph.width > clip.left && glyph.width > 0) {
            drawMask(canvas, clip, {static_cast<int>(penX + glyph.left), at.y + glyph.top},
                     font.masks.get() + glyph.maskOffset, glyph.width, glyph.height, style.color);
        }
        penX += glyph.advance;
    }
}

}  // namespace w32::gdi
