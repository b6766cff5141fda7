// SPDX-License-Identifier: GPL-3.0-or-later
#include "tool_json.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "game/board.h"

namespace tv {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool Expect(char c) {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  bool Peek(char c) {
    SkipBlanks();
    return pos_ < text_.size() && text_[pos_] == c;
  }

  bool Integer(int& value) {
    SkipBlanks();
    bool negative = false;
    if (pos_ < text_.size() && text_[pos_] == '-') negative = true, ++pos_;
    if (pos_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[pos_])))
      return false;
    long long v = 0;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
      v = v * 10 + (text_[pos_++] - '0');
      if (v > INT_MAX) return false;
    }
    value = static_cast<int>(negative ? -v : v);
    return true;
  }

  bool AtEnd() {
    SkipBlanks();
    return pos_ == text_.size();
  }

  std::size_t Offset() const { return pos_; }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

bool ParsePositionsJson(std::string_view text, std::vector<LayoutPosition>& out,
                        std::string* error) {
  Parser p(text);
  std::vector<LayoutPosition> positions;
  auto fail = [&](const char* what) {
    if (error) *error = std::string(what) + " at offset " + std::to_string(p.Offset());
    return false;
  };
  if (!p.Expect('[')) return fail("expected '['");
  if (!p.Expect(']')) {
    do {
      LayoutPosition pos;
      if (!p.Expect('[') || !p.Integer(pos.X) || !p.Expect(',') || !p.Integer(pos.Y) ||
          !p.Expect(',') || !p.Integer(pos.Z) || !p.Expect(']'))
        return fail("expected [x,y,z]");
      positions.push_back(pos);
      if (positions.size() > static_cast<std::size_t>(kMaxTiles))
        return fail("more than 144 tiles");
    } while (p.Expect(','));
    if (!p.Expect(']')) return fail("expected ']'");
  }
  if (!p.AtEnd()) return fail("unexpected text after the list");
  out = std::move(positions);
  return true;
}

}  // namespace tv
