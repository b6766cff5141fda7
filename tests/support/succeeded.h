// SPDX-License-Identifier: GPL-3.0-or-later
// ASSERT_TRUE(Succeeded(...)) shows a failed operation's message.
#pragma once

#include <gtest/gtest.h>

#include "game/result.h"

namespace tv::test {

inline ::testing::AssertionResult Succeeded(const Result& result) {
  if (result) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << result.Message();
}

}  // namespace tv::test
