// SPDX-License-Identifier: GPL-3.0-or-later
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

// Only allocations that live for the whole process, each named by its owner. Fontconfig
// keeps the configuration QFontconfigDatabase::populateFontDatabase has it load
// (FcInitLoadConfigAndFonts); the library has no frame pointers, so the stack the leak
// checker sees ends inside it and the library is the name that matches. Nothing under a Qt
// call is hidden otherwise: without a Qt entry every test program reports no leak.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\n"
         // Sound: SDL (with the D-Bus connection it opens) and the synthesizer behind the
         // mixer keep their state for the process.
         "leak:libdbus\n"
         "leak:libSDL2\n"
         "leak:libfluidsynth\n";
}
