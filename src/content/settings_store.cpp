// SPDX-License-Identifier: GPL-3.0-or-later
// The settings text store: find, read and write entries by prefix of trimmed lines.
#include "content/settings_store.h"

#include <charconv>

#include "game/files.h"

namespace tv {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool TrimmedStartsWith(const std::string& line, std::string_view prefix) {
  return StartsWith(TrimBlanks(line), prefix);
}

std::string Bracketed(char open, std::string_view name, char close) {
  std::string token(1, open);
  token += TrimBlanks(name);
  token += close;
  return token;
}

std::string KeyToken(std::string_view key) {
  std::string token(TrimBlanks(key));
  token += '=';
  return token;
}

// A line break inside a value would split its line and corrupt the entries below.
std::string OneLine(std::string_view value) {
  std::string line(value);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line;
}

std::string SubsectionLine(std::string_view subsection, std::string_view value) {
  return "   " + Bracketed('<', subsection, '>') + " " + OneLine(value);
}

std::string SubsectionLine(std::string_view subsection) {
  return "   " + Bracketed('<', subsection, '>');
}

std::string KeyLine(std::string_view key, std::string_view value) {
  return "      " + KeyToken(key) + OneLine(value);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

void SettingsStore::SetText(std::string_view text) {
  lines_.clear();
  // A byte-order mark left by an editor would hide the first section header.
  if (StartsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines_.emplace_back(text.substr(start));
      break;
    }
    lines_.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

std::string SettingsStore::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

Result SettingsStore::StoreLoad(const std::string& path) {
  lines_.clear();
  if (!FileExists(path)) return {};
  std::vector<std::uint8_t> bytes;
  if (const Result read = ReadWholeFile(path, bytes, kMaxSettingsFileBytes); !read)
    return Result::Fail(StoreCode::kCannotRead, read.Words());
  SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return {};
}

Result SettingsStore::StoreSave(const std::string& path) {
  const std::string text = Text();
  if (const Result written = WriteFileAtomically(path, text.data(), text.size()); !written)
    return Result::Fail(StoreCode::kCannotWrite, written.Words());
  lines_.clear();
  return {};
}

StoreLocation SettingsStore::StoreFind(std::string_view section, std::string_view subsection,
                                       std::string_view key) const {
  StoreLocation found;
  const int count = static_cast<int>(lines_.size());
  const std::string sectionToken = Bracketed('[', section, ']');
  for (int i = 0; i < count; ++i)
    if (TrimmedStartsWith(lines_[i], sectionToken)) {
      found.Section = i;
      break;
    }
  if (found.Section < 0) return found;

  const std::string subsectionToken = Bracketed('<', subsection, '>');
  for (int i = found.Section + 1; i < count; ++i) {
    if (TrimmedStartsWith(lines_[i], "[")) break;
    if (TrimmedStartsWith(lines_[i], subsectionToken)) {
      found.Subsection = i;
      break;
    }
  }
  if (found.Subsection < 0 || TrimBlanks(key).empty()) return found;

  const std::string keyToken = KeyToken(key);
  for (int i = found.Subsection + 1; i < count; ++i) {
    const std::string_view trimmed = TrimBlanks(lines_[i]);
    if (StartsWith(trimmed, "[") || StartsWith(trimmed, "<")) break;
    if (StartsWith(trimmed, keyToken)) {
      found.Key = i;
      break;
    }
  }
  return found;
}

std::unordered_map<std::string, std::string> SettingsStore::StoreReadKeys(
    std::string_view section, std::string_view subsection) const {
  std::unordered_map<std::string, std::string> keys;
  const StoreLocation found = StoreFind(section, subsection, "");
  if (found.Subsection < 0) return keys;
  for (std::size_t i = std::size_t(found.Subsection) + 1; i < lines_.size(); ++i) {
    const std::string_view trimmed = TrimBlanks(lines_[i]);
    if (StartsWith(trimmed, "[") || StartsWith(trimmed, "<")) break;
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos || equals == 0) continue;
    keys.emplace(std::string(trimmed.substr(0, equals)),
                 std::string(TrimBlanks(trimmed.substr(equals + 1))));
  }
  return keys;
}

std::optional<std::string_view> SettingsStore::FindValue(std::string_view section,
                                                         std::string_view subsection,
                                                         std::string_view key) const {
  const StoreLocation found = StoreFind(section, subsection, key);
  const bool withKey = !TrimBlanks(key).empty();
  if (found.Subsection < 0 || (withKey && found.Key < 0)) return std::nullopt;
  const std::string& line = lines_[withKey ? found.Key : found.Subsection];
  const std::string token = withKey ? KeyToken(key) : Bracketed('<', subsection, '>');
  return TrimBlanks(std::string_view(line).substr(line.find(token) + token.size()));
}

std::string SettingsStore::StoreReadString(std::string_view section, std::string_view subsection,
                                           std::string_view key, std::string_view fallback) const {
  return std::string(FindValue(section, subsection, key).value_or(fallback));
}

std::int32_t SettingsStore::StoreReadInt(std::string_view section, std::string_view subsection,
                                         std::string_view key, std::int32_t fallback) const {
  const std::optional<std::string_view> text = FindValue(section, subsection, key);
  return text ? ParseDecimal(*text).value_or(fallback) : fallback;
}

bool SettingsStore::StoreReadBool(std::string_view section, std::string_view subsection,
                                  std::string_view key, bool fallback) const {
  const std::int32_t value = StoreReadInt(section, subsection, key, -1);
  if (value == 0 || value == 1) return value == 1;
  return fallback;
}

void SettingsStore::StoreWriteString(std::string_view section, std::string_view subsection,
                                     std::string_view key, std::string_view value) {
  StoreLocation found = StoreFind(section, subsection, key);
  if (found.Section < 0) {
    if (!lines_.empty()) lines_.insert(lines_.end(), 2, std::string());
    lines_.push_back(Bracketed('[', section, ']'));
    found.Section = static_cast<int>(lines_.size()) - 1;
  }
  const bool withKey = !TrimBlanks(key).empty();
  const auto at = [this](int index) { return lines_.begin() + index; };
  if (found.Subsection < 0) {
    if (!withKey) {
      lines_.insert(at(found.Section + 1), SubsectionLine(subsection, value));
    } else {
      lines_.insert(at(found.Section + 1), SubsectionLine(subsection));
      lines_.insert(at(found.Section + 2), KeyLine(key, value));
    }
  } else if (!withKey) {
    lines_[found.Subsection] = SubsectionLine(subsection, value);
  } else if (found.Key >= 0) {
    lines_[found.Key] = KeyLine(key, value);
  } else {
    lines_.insert(at(found.Subsection + 1), KeyLine(key, value));
  }
}

void SettingsStore::StoreWriteInt(std::string_view section, std::string_view subsection,
                                  std::string_view key, std::int32_t value) {
  StoreWriteString(section, subsection, key, std::to_string(value));
}

void SettingsStore::StoreWriteBool(std::string_view section, std::string_view subsection,
                                   std::string_view key, bool value) {
  StoreWriteString(section, subsection, key, value ? "1" : "0");
}

}  // namespace tv
