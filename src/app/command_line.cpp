// SPDX-License-Identifier: GPL-3.0-or-later
// Command-line parsing, kept apart from the windows so it runs before any of them.
#include "app/command_line.h"

namespace tv {

CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::string& version) {
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg == "--help" || arg == "-h")
      return {CommandAction::kHelp,
              "Usage: tilvane [--help] [--version]\n"
              "Mahjong solitaire: remove matching pairs of free tiles until none is left.\n"
              "  -h, --help     show this text and exit\n"
              "      --version  show the version and exit\n"};
    if (arg == "--version") return {CommandAction::kVersion, "tilvane " + version + "\n"};
    if (arg.size() > 1 && arg[0] == '-')
      return {CommandAction::kUsageError,
              "tilvane: unknown option '" + arg + "'; usage: tilvane [--help] [--version]\n"};
  }
  return {};
}

}  // namespace tv
