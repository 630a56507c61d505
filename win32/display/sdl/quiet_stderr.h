#pragma once

// Silences file descriptor 2 for the lifetime of the object. SDL's back ends load system libraries
// that write to stderr on their own when they find nothing (libwayland without XDG_RUNTIME_DIR,
// ALSA and sndio without a sound card), which would break our promise of one clear line without a
// display and of a silent beep without audio. The program is single-threaded while it probes, so
// nothing else loses output. If the descriptors cannot be juggled, stderr simply stays open.

namespace w32::sdl {

class QuietStderr {
  public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

  private:
    int saved_ = -1;  // the real stderr while silenced
};

}  // namespace w32::sdl
