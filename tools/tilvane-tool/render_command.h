// SPDX-License-Identifier: GPL-3.0-or-later
// `tilvane-tool render`: deals a layout and writes the drawn field as a PNG.
#pragma once

// argv[0] is "render"; the arguments follow it.
int RunRenderCommand(int argc, char** argv);
