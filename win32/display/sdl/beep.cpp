// The error beep: a short tone through SDL audio. The device is opened at the first beep, because
// opening it costs start-up and exit time (SDL runs and joins an audio thread); without a device
// the beep is silent and says nothing.

#include <SDL.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "win32/base/contract.h"
#include "win32/display/sdl/quiet_stderr.h"
#include "win32/display/sdl/sdl_driver.h"

namespace w32::sdl {

namespace {

constexpr int kSampleRate = 48000;
constexpr int kToneHz = 880;
constexpr int kToneMilliseconds = 150;
// Soft edges: a tone that starts or stops at full level clicks.
constexpr int kRampMilliseconds = 5;
constexpr double kLevel = 0.3;  // of full scale
constexpr int kToneSamples = kSampleRate * kToneMilliseconds / 1000;
constexpr int kRampSamples = kSampleRate * kRampMilliseconds / 1000;

// sin(2 pi t) for t in [-0.5, 0.5]; the Taylor series to x^19 is exact to 1e-8 there.
constexpr double sineOfTurn(double turns) {
    constexpr double kTwoPi = 6.283185307179586;
    const double x = kTwoPi * turns;
    double term = x;
    double sum = x;
    for (int n = 1; n < 10; ++n) {
        term *= -x * x / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

// The tone is computed by the compiler: beeping copies a constant and never allocates.
constexpr std::array<std::int16_t, kToneSamples> makeTone() {
    std::array<std::int16_t, kToneSamples> tone{};
    for (int i = 0; i < kToneSamples; ++i) {
        const long cycles = static_cast<long>(i) * kToneHz;
        const double turns = static_cast<double>(cycles % kSampleRate) / kSampleRate - 0.5;
        const int edge = i < kToneSamples - 1 - i ? i : kToneSamples - 1 - i;
        const double envelope = edge < kRampSamples ? static_cast<double>(edge) / kRampSamples : 1;
        // The half-turn shift above only flips the sign: sin(x - pi) = -sin(x).
        tone[i] = static_cast<std::int16_t>(-sineOfTurn(turns) * envelope * kLevel * 32767);
    }
    return tone;
}

constexpr std::array<std::int16_t, kToneSamples> kTone = makeTone();

enum class AudioState { Untried, Ready, Unavailable };

AudioState state = AudioState::Untried;
SDL_AudioDeviceID device = 0;
bool audioStarted = false;  // SDL_AudioInit succeeded and needs SDL_AudioQuit

// Back ends that exist only on demand: "disk" writes a file and "dummy" plays nothing.
bool onDemandOnly(const char* driver) {
    return std::strcmp(driver, "disk") == 0 || std::strcmp(driver, "dummy") == 0;
}

// Starts one back end (null: the one SDL_AUDIODRIVER names) and opens its default device.
bool tryDriver(const char* driver) {
    if (SDL_AudioInit(driver) != 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    wanted.callback = nullptr;  // fed with SDL_QueueAudio
    // No changes allowed: SDL converts our format to the device's itself.
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0) {
        SDL_AudioQuit();
        return false;
    }
    audioStarted = true;
    SDL_PauseAudioDevice(device, 0);
    return true;
}

bool openAudio() {
    // ALSA and sndio print several lines each when there is no sound card.
    QuietStderr quiet;
    // An explicit choice is respected as it stands (tests ask for "dummy").
    if (std::getenv("SDL_AUDIODRIVER") != nullptr) return tryDriver(nullptr);
    // SDL's own search stops at the first back end that starts, and ALSA starts without a card
    // only to fail at opening the device. So each back end is tried up to an open device.
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) {
        const char* driver = SDL_GetAudioDriver(i);
        if (!onDemandOnly(driver) && tryDriver(driver)) return true;
    }
    return false;
}

}  // namespace

void beep() {
    W32_EXPECT(isOpen(), "SDL display: beep before open");
    if (state == AudioState::Untried) {
        state = openAudio() ? AudioState::Ready : AudioState::Unavailable;
    }
    if (state != AudioState::Ready) return;
    // A beep during a beep starts the tone again. Queued audio stays at one tone, so SDL reuses
    // the buffers of the first beep and never allocates again.
    SDL_ClearQueuedAudio(device);
    SDL_QueueAudio(device, kTone.data(), sizeof kTone);
}

void closeAudio() {
    if (device != 0) SDL_CloseAudioDevice(device);
    if (audioStarted) SDL_AudioQuit();
    device = 0;
    audioStarted = false;
    state = AudioState::Untried;
}

}  // namespace w32::sdl
