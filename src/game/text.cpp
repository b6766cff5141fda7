// SPDX-License-Identifier: GPL-3.0-or-later
// The English rendering of a Text.
#include "game/text.h"

namespace tv {

Text Text::Template(const char* source, std::vector<Text> args) {
  Text text;
  text.kind_ = Kind::kTemplate;
  text.source_ = source;
  text.args_ = std::move(args);
  return text;
}

Text Text::Counted(const char* source, long long count, std::vector<Text> args,
                   const char* englishOne) {
  Text text = Template(source, std::move(args));
  text.hasCount_ = true;
  text.count_ = count;
  text.englishOne_ = englishOne;
  return text;
}

Text Text::Lines(std::vector<Text> parts) {
  Text text;
  text.kind_ = Kind::kLines;
  text.args_ = std::move(parts);
  return text;
}

std::string FillTemplate(const std::string& pattern, const std::vector<std::string>& args,
                         const std::string* count) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9' &&
        static_cast<std::size_t>(next - '1') < args.size()) {
      out += args[static_cast<std::size_t>(next - '1')];
      ++i;
    } else if (pattern[i] == '%' && next == 'n' && count) {
      out += *count;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string Text::English() const {
  if (kind_ == Kind::kVerbatim) return source_;
  std::vector<std::string> parts;
  parts.reserve(args_.size());
  for (const Text& arg : args_) parts.push_back(arg.English());
  if (kind_ == Kind::kLines) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? kMessageLineBreak : "") + parts[i];
    return out;
  }
  const std::string number = std::to_string(count_);
  const std::string& pattern = hasCount_ && count_ == 1 && englishOne_ ? englishOne_ : source_;
  return FillTemplate(pattern, parts, hasCount_ ? &number : nullptr);
}

}  // namespace tv
