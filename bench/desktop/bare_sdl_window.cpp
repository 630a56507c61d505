// bare-sdl-window: the yardstick for heaptree's start-up. The least a desktop program that shows
// one line of text does on this stack: SDL with the same framebuffer hint as heaptree, a window of
// heaptree's client size, its text found through fontconfig (as any desktop program finds a font)
// and drawn with FreeType into the window surface, one present, then a wait for the close box or
// SIGTERM. It exits 0, or 1 if any step fails.

#include <SDL.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kWidth = 1214;  // heaptree's client size
constexpr int kHeight = 635;
constexpr int kPixelSize = 16;
constexpr const char* kFamily = "Arial";  // fontconfig maps it to Liberation Sans here
constexpr const char* kLine = "Arbori de tip ansamblu (heap)";

std::string fontFile(const char* family) {
    std::string path;
    if (!FcInit()) return path;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    if (pattern == nullptr) return path;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* file = nullptr;
    if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        path = reinterpret_cast<const char*>(file);
    }
    if (match != nullptr) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return path;
}

// Black text on the surface's background, each glyph's coverage blended channel by channel. The
// surface is 32 bits per pixel (XRGB8888 at depth 24); any other is drawn through a copy.
void drawLine(SDL_Surface* target, FT_Face face, int x, int baseline, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        if (FT_Load_Char(face, static_cast<unsigned char>(*c), FT_LOAD_RENDER) != 0) continue;
        const FT_Bitmap& glyph = face->glyph->bitmap;
        const int left = x + face->glyph->bitmap_left;
        const int top = baseline - face->glyph->bitmap_top;
        for (int row = 0; row < static_cast<int>(glyph.rows); ++row) {
            const int y = top + row;
            if (y < 0 || y >= target->h) continue;
            auto* line = reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) +
                                                   static_cast<long>(y) * target->pitch);
            for (int column = 0; column < static_cast<int>(glyph.width); ++column) {
                const int px = left + column;
                if (px < 0 || px >= target->w) continue;
                const int coverage = glyph.buffer[row * glyph.pitch + column];
                Uint8 r, g, b;
                SDL_GetRGB(line[px], target->format, &r, &g, &b);
                const auto fade = [coverage](Uint8 v) {
                    return static_cast<Uint8>(v * (255 - coverage) / 255);
                };
                line[px] = SDL_MapRGB(target->format, fade(r), fade(g), fade(b));
            }
        }
        x += static_cast<int>(face->glyph->advance.x >> 6);
    }
}

int fail(const char* what) {
    std::fprintf(stderr, "bare-sdl-window: %s (%s)\n", what, SDL_GetError());
    return 1;
}

}  // namespace

int main(int, char**) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return fail("SDL_Init");
    // Without a display SDL falls back to an invisible driver; heaptree refuses it, and so does
    // this program, rather than wait forever where nobody can close it.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "offscreen") == 0 ||
        std::strcmp(driver, "dummy") == 0) {
        std::fprintf(stderr, "bare-sdl-window: no display\n");
        return 1;
    }
    SDL_Window* window =
        SDL_CreateWindow("bare-sdl-window", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                         kWidth, kHeight, SDL_WINDOW_SHOWN);
    if (window == nullptr) return fail("SDL_CreateWindow");

    const std::string file = fontFile(kFamily);
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (file.empty() || FT_Init_FreeType(&library) != 0 ||
        FT_New_Face(library, file.c_str(), 0, &face) != 0 ||
        FT_Set_Pixel_Sizes(face, 0, kPixelSize) != 0) {
        return fail("no font");
    }

    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr) return fail("SDL_GetWindowSurface");
    SDL_Surface* canvas =
        surface->format->BytesPerPixel == 4
            ? surface
            : SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_XRGB8888);
    if (canvas == nullptr) return fail("SDL_CreateRGBSurfaceWithFormat");
    SDL_FillRect(canvas, nullptr, SDL_MapRGB(canvas->format, 0xC8, 0xC8, 0xC8));
    drawLine(canvas, face, 20, 40, kLine);
    if (canvas != surface) SDL_BlitSurface(canvas, nullptr, surface, nullptr);
    if (SDL_UpdateWindowSurface(window) != 0) return fail("SDL_UpdateWindowSurface");

    // Idle until asked to end: the close box, or SIGTERM (which SDL turns into SDL_QUIT).
    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
        if (event.type == SDL_QUIT) break;
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) break;
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            SDL_UpdateWindowSurface(window);
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
