// SPDX-License-Identifier: GPL-3.0-or-later
// The line-oriented text store behind the settings file: "[section]" headers,
// "<subsection>" lines with or without a value, and "key=value" lines. A write
// changes or inserts only the lines it concerns and keeps every other line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/result.h"

namespace tv {

// Line indexes of a found entry; -1 where a part was not found.
struct StoreLocation {
  int Section = -1;
  int Subsection = -1;
  int Key = -1;
  bool operator==(const StoreLocation&) const = default;
};

// Leading and trailing characters up to and including the blank removed.
std::string_view TrimBlanks(std::string_view text);

// A whole decimal integer in 32 bits with an optional sign, else nothing.
std::optional<std::int32_t> ParseDecimal(std::string_view text);

enum class StoreCode {
  kDone = 0,
  kCannotRead = 1,
  kCannotWrite = 2,
};

class SettingsStore {
 public:
  // Empties the store, then fills it with the file's lines when the file exists.
  // CR LF, LF and a lone CR all end a line. Fails (StoreCode) when an existing
  // file cannot be read; the store is then empty.
  Result StoreLoad(const std::string& path);

  // Writes every line ending in CR LF, whole or not at all, then empties the
  // store. On failure the old file and the store stay as they were.
  Result StoreSave(const std::string& path);

  // The same as StoreLoad and StoreSave, in memory.
  void SetText(std::string_view text);
  std::string Text() const;

  const std::vector<std::string>& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }

  StoreLocation StoreFind(std::string_view section, std::string_view subsection,
                          std::string_view key) const;

  // An empty key reads or writes the value on the subsection line itself.
  std::string StoreReadString(std::string_view section, std::string_view subsection,
                              std::string_view key, std::string_view fallback) const;
  std::int32_t StoreReadInt(std::string_view section, std::string_view subsection,
                            std::string_view key, std::int32_t fallback) const;
  bool StoreReadBool(std::string_view section, std::string_view subsection, std::string_view key,
                     bool fallback) const;

  // Every "key=value" of a subsection in one pass, the first of a repeated key winning,
  // as the single reads find it: for long numbered lists.
  std::unordered_map<std::string, std::string> StoreReadKeys(std::string_view section,
                                                             std::string_view subsection) const;

  void StoreWriteString(std::string_view section, std::string_view subsection, std::string_view key,
                        std::string_view value);
  void StoreWriteInt(std::string_view section, std::string_view subsection, std::string_view key,
                     std::int32_t value);
  void StoreWriteBool(std::string_view section, std::string_view subsection, std::string_view key,
                      bool value);

 private:
  // The trimmed value of an entry, when the entry is present.
  std::optional<std::string_view> FindValue(std::string_view section, std::string_view subsection,
                                            std::string_view key) const;

  std::vector<std::string> lines_;
};

}  // namespace tv
