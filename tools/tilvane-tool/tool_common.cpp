// SPDX-License-Identifier: GPL-3.0-or-later
#include "tool_common.h"

#include <cerrno>
#include <cstdlib>
#include <iostream>

#include "game/layout_file.h"
#include "game/names.h"

namespace tv::tool {

bool ParseUnsigned(const std::string& text, unsigned long long max, unsigned long long& out,
                   int base) {
  if (text.empty() || text[0] == '-' || text[0] == '+') return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long long v = std::strtoull(text.c_str(), &end, base);
  if (errno != 0 || *end != '\0' || v > max) return false;
  out = v;
  return true;
}

std::string LayoutFileOf(const std::string& path) {
  const bool named = path.size() >= 4 && LowerAscii(path.substr(path.size() - 4)) == ".mah";
  return named ? path : path + ".mah";
}

int LoadBoard(const std::string& path, MODE_P& board) {
  const Result read = ReadLayoutFile(LayoutFileOf(path), board);
  if (read.Is(LayoutReadCode::kIoError)) {
    std::cerr << "tilvane-tool: " << path << ": " << read.Message() << "\n";
    return kExitIo;
  }
  if (!read) {
    std::cerr << "tilvane-tool: " << read.Message() << "\n";
    return static_cast<int>(read.As<LayoutReadCode>());
  }
  return 0;
}

}  // namespace tv::tool
