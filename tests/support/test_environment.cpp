// Linked into every test program: headless defaults, and leak reports from system
// libraries that are not ours to fix kept out of the sanitizer build's results.
#include <cstdlib>

namespace {

struct HeadlessDefaults {
  HeadlessDefaults() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
} headlessDefaults;

}  // namespace

extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\n"
         "leak:libdbus\n"
         "leak:libQt6\n"
         "leak:libSDL2\n"
         "leak:libfluidsynth\n";
}
