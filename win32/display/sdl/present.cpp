// Presenting: copies dirty rectangles of the core's canvas into the window's framebuffer and
// hands exactly those rectangles to the desktop.

#include <SDL.h>

#include <cstring>

#include "win32/base/contract.h"
#include "win32/display/sdl/sdl_driver.h"
#include "win32/display/sdl/surface_table.h"

namespace w32::sdl {

namespace {

// Rectangles handed to SDL in one call; more are sent in several calls, never allocated.
constexpr int kRectBatch = 32;

// The canvas holds 0x00RRGGBB, which is XRGB8888: the framebuffer of X11 at depth 24 takes it
// as it is. Any other framebuffer (depth 16, a texture framebuffer with alpha) is converted.
void copyRect(const Canvas& frame, SDL_Surface* target, const Rect& r) {
    const Pixel* source = frame.row(r.top) + r.left;
    const int bytesPerPixel = target->format->BytesPerPixel;
    auto* destination = static_cast<Uint8*>(target->pixels) +
                        static_cast<long>(r.top) * target->pitch + r.left * bytesPerPixel;
    const int sourcePitch = frame.stride * static_cast<int>(sizeof(Pixel));
    if (target->format->format == SDL_PIXELFORMAT_XRGB8888) {
        const std::size_t rowBytes = static_cast<std::size_t>(r.width()) * sizeof(Pixel);
        for (int y = 0; y < r.height(); ++y) {
            std::memcpy(destination + static_cast<long>(y) * target->pitch,
                        source + static_cast<long>(y) * frame.stride, rowBytes);
        }
    } else {
        SDL_ConvertPixels(r.width(), r.height(), SDL_PIXELFORMAT_XRGB8888, source, sourcePitch,
                          target->format->format, destination, target->pitch);
    }
}

}  // namespace

void present(SurfaceId id, const Canvas& frame, const Rect* rects, int count) {
    Surface& surface = surfaceAt(id);
    W32_EXPECT(count >= 0 && (count == 0 || rects != nullptr), "SDL display: bad rectangle list");
    W32_EXPECT(frame.width >= 0 && frame.height >= 0 && frame.stride >= frame.width &&
                   (frame.pixels != nullptr || frame.width * frame.height == 0),
               "SDL display: bad canvas");
    SDL_Surface* target = SDL_GetWindowSurface(surface.window);
    if (target == nullptr) return;
    // Everything is cut once here to what both the canvas and the framebuffer hold.
    const Rect limit = frame.bounds().intersect({0, 0, target->w, target->h});

    // Locking is a formality for window framebuffers, but SDL wants it released before updates.
    const bool mustLock = SDL_MUSTLOCK(target);
    SDL_Rect batch[kRectBatch];
    int batched = 0;
    for (int i = 0; i < count; ++i) {
        const Rect r = rects[i].intersect(limit);
        if (r.empty()) continue;
        if (mustLock && SDL_LockSurface(target) != 0) break;
        copyRect(frame, target, r);
        if (mustLock) SDL_UnlockSurface(target);
        batch[batched++] = SDL_Rect{r.left, r.top, r.width(), r.height()};
        if (batched == kRectBatch) {
            SDL_UpdateWindowSurfaceRects(surface.window, batch, batched);
            batched = 0;
        }
    }
    if (batched > 0) SDL_UpdateWindowSurfaceRects(surface.window, batch, batched);
    surface.presented = true;
}

}  // namespace w32::sdl
