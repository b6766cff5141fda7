// SPDX-License-Identifier: GPL-3.0-or-later
// A text the player reads, kept as its English template and arguments so that the
// window layer can show it in the player's language; English() gives today's text.
#pragma once

#include <string>
#include <vector>

// Marks a template for the translation tools (lupdate reads these as QT_TRANSLATE_NOOP and
// QT_TRANSLATE_N_NOOP); the program sees the plain English string. Every core template
// uses the context kCoreTextContext, so the window layer finds it again.
#define TV_TRANSLATE_NOOP(context, source) source
#define TV_TRANSLATE_N_NOOP(context, source) source

namespace tv {

constexpr const char* kCoreTextContext = "Messages";

// The line break between the parts of a message ("$D", the message box's own code).
constexpr const char* kMessageLineBreak = "$D";

class Text {
 public:
  enum class Kind { kVerbatim, kTemplate, kLines };

  Text() = default;
  // Shown as it is: a name, a number, a path, the system's reason.
  Text(std::string verbatim) : source_(std::move(verbatim)) {}  // NOLINT: meant to convert
  Text(const char*) = delete;  // a literal is either a template or verbatim: say which

  // `source` is a template marked with TV_TRANSLATE_NOOP: %1, %2 ... take `args` in order.
  static Text Template(const char* source, std::vector<Text> args = {});
  // A template marked with TV_TRANSLATE_N_NOOP whose %n is `count` (the plural forms).
  // `englishOne`, when given, is the English text for a count of one ("%n Reshuffle Left").
  static Text Counted(const char* source, long long count, std::vector<Text> args = {},
                      const char* englishOne = nullptr);
  static Text Verbatim(std::string text) { return Text(std::move(text)); }
  // Parts of a message, one per line.
  static Text Lines(std::vector<Text> parts);

  Kind What() const { return kind_; }
  const std::string& Source() const { return source_; }
  const std::vector<Text>& Args() const { return args_; }
  bool HasCount() const { return hasCount_; }
  long long Count() const { return count_; }
  const char* EnglishOne() const { return englishOne_; }
  bool Empty() const { return kind_ == Kind::kVerbatim && source_.empty(); }

  // The English text, with "$D" between lines as messages always had it.
  std::string English() const;

 private:
  Kind kind_ = Kind::kVerbatim;
  std::string source_;
  std::vector<Text> args_;
  bool hasCount_ = false;
  long long count_ = 0;
  const char* englishOne_ = nullptr;
};

// Substitutes %1..%9 with args and %n with count, left to right in one pass, so an
// argument's own "%1" is never replaced again; the rule QString::arg follows.
std::string FillTemplate(const std::string& pattern, const std::vector<std::string>& args,
                         const std::string* count = nullptr);

}  // namespace tv
