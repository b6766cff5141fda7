// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: everything happens in the start-up and the window it opens.
#include "app/startup.h"

int main(int argc, char** argv) {
  return tv::RunProgram(argc, argv);
}
