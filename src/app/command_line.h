// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: only --help and --version; anything else that looks like an
// option is refused, and plain arguments are ignored.
#pragma once

#include <string>
#include <vector>

namespace tv {

enum class CommandAction { kRun, kHelp, kVersion, kUsageError };

struct CommandLine {
  CommandAction Action = CommandAction::kRun;
  std::string Text;  // what to print: on stdout for help and version, stderr for an error
};

constexpr int kUsageExitCode = 64;

// `args` without the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::string& version);

}  // namespace tv
