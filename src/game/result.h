// SPDX-License-Identifier: GPL-3.0-or-later
// The one shape of failure across the program: an operation that can fail returns a
// Result, which is either success or a code of the operation's own enum class together
// with the text the player is shown (a Text, so the windows can translate it). Callers
// decide where the text goes.
#pragma once

#include <string>
#include <type_traits>
#include <utility>

#include "game/text.h"

namespace tv {

// The codes a Result carries: each operation's own enum class.
template <class T>
concept ResultCode = std::is_enum_v<T>;

class [[nodiscard]] Result {
 public:
  Result() = default;  // success

  template <ResultCode Code>
  static Result Fail(Code code, Text message = {}) {
    Result result;
    result.code_ = static_cast<int>(code);
    result.message_ = std::move(message);
    if (result.code_ == 0) result.code_ = -1;  // a failure never reads as success
    return result;
  }

  bool Ok() const { return code_ == 0; }
  explicit operator bool() const { return Ok(); }

  // The code as the operation's enum; value 0 of every such enum means success.
  template <ResultCode Code>
  Code As() const {
    return static_cast<Code>(code_);
  }
  template <ResultCode Code>
  bool Is(Code code) const {
    return code_ == static_cast<int>(code);
  }

  // Empty on success. Message() is the English text, Words() the one to translate.
  std::string Message() const { return message_.English(); }
  const Text& Words() const { return message_; }

 private:
  int code_ = 0;
  Text message_;
};

}  // namespace tv
