// SPDX-License-Identifier: GPL-3.0-or-later
// Layout and player names: UTF-8, case-insensitive comparison and cleaning.
#include "game/names.h"

#include <dirent.h>
#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace tv {
namespace {

// Full Unicode classification and case mapping, whatever the process locale.
locale_t UnicodeLocale() {
  static const locale_t locale = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return l ? l : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
  }();
  return locale;
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes one character at `i`, moving `i` past it; kInvalid for a malformed byte
// (then only that byte is consumed).
char32_t Decode(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<std::uint8_t>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int len = 0;
  char32_t c = 0;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2;
    c = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3;
    c = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4;
    c = b0 & 0x07;
  } else {
    ++i;
    return kInvalid;
  }
  if (i + std::size_t(len) > s.size()) {
    ++i;
    return kInvalid;
  }
  for (int k = 1; k < len; ++k) {
    const auto b = static_cast<std::uint8_t>(s[i + std::size_t(k)]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kInvalid;
    }
    c = (c << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kMin[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return kInvalid;
  }
  i += std::size_t(len);
  return c;
}

void Encode(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool ForbiddenAscii(char32_t c) {
  if (c < 0x20 || c == 0x7F) return true;
  switch (c) {
    case '"':
    case '*':
    case '/':
    case ':':
    case ';':
    case '<':
    case '>':
    case '?':
    case '\\':
    case '`':
    case '|':
      return true;
    default:
      return false;
  }
}

// The combining-mark blocks; the C library's classes count most other marks
// (the vowel signs of Indic scripts among them) as letters already.
bool CombiningMark(char32_t c) {
  static constexpr char32_t kRanges[][2] = {
      {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x05BF, 0x05C7}, {0x0610, 0x061A},
      {0x064B, 0x065F}, {0x0670, 0x0670}, {0x06D6, 0x06ED}, {0x0E31, 0x0E3A}, {0x0E47, 0x0E4E},
      {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20FF}, {0x3099, 0x309A}, {0xFE20, 0xFE2F}};
  for (const auto& r : kRanges)
    if (c >= r[0] && c <= r[1]) return true;
  return false;
}

bool Allowed(char32_t c) {
  if (c < 0x80) return !ForbiddenAscii(c);
  if (c <= 0xBF) return false;
  return iswalnum_l(static_cast<wint_t>(c), UnicodeLocale()) != 0 || CombiningMark(c);
}

int Sign(long long v) {
  return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();)
    if (Decode(text, i) == kInvalid) return false;
  return true;
}

std::string Utf8OrLatin1(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  for (char ch : text) Encode(static_cast<std::uint8_t>(ch), out);
  return out;
}

std::string CutUtf8(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return std::string(text);
  std::size_t end = maxBytes;
  // Step back over continuation bytes to the start of the cut character.
  while (end > 0 && (static_cast<std::uint8_t>(text[end]) & 0xC0) == 0x80) --end;
  return std::string(text.substr(0, end));
}

std::u32string FoldCase(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t at = i;
    char32_t c = Decode(utf8, i);
    if (c == kInvalid)
      c = 0x110000 + static_cast<std::uint8_t>(utf8[at]);  // keeps raw bytes distinct
    else if (c < 0x80)
      c = (c >= 'A' && c <= 'Z') ? c + 32 : c;
    else
      c = static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), UnicodeLocale()));
    out += c;
  }
  return out;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return FoldCase(a) == FoldCase(b);
}

int CompareNamesIgnoringCase(std::string_view a, std::string_view b) {
  const int folded = Sign(FoldCase(a).compare(FoldCase(b)));
  return folded != 0 ? folded : Sign(a.compare(b));
}

bool SanitizeName(std::string& text) {
  std::string out;
  out.reserve(text.size());
  bool removed = false;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = Decode(text, i);
    if (c == kInvalid || !Allowed(c)) {
      removed = true;
      continue;
    }
    Encode(c, out);
  }
  text = std::move(out);
  return removed;
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& ch : out)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
  return out;
}

std::string TrimBlanks(std::string_view text) {
  const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
  std::size_t b = 0, e = text.size();
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

namespace {

constexpr std::string_view kExtension = ".mah";

bool EndsWithExtension(std::string_view name) {
  return name.size() >= kExtension.size() &&
         LowerAscii(name.substr(name.size() - kExtension.size())) == kExtension;
}

// Trimmed, cleaned, without a trailing ".mah" and cut; `lower` for the rename dialog.
Result CleanName(std::string_view typed, bool lower, const char* emptyMessage,
                 std::string& result) {
  std::string name = TrimBlanks(lower ? LowerAscii(typed) : std::string(typed));
  SanitizeName(name);
  name = TrimBlanks(name);
  if (!name.empty() && name.front() == '.') {
    result = std::string(typed);
    return Result::Fail(
        NameError::kLeadingDot,
        Text::Template(TV_TRANSLATE_NOOP(
            "Messages", "A layout name cannot begin with \".\": the file would be hidden!")));
  }
  if (EndsWithExtension(name)) name = TrimBlanks(name.substr(0, name.size() - kExtension.size()));
  result = TrimBlanks(CutUtf8(name, kMaxNameBytes));
  if (result.empty()) return Result::Fail(NameError::kEmpty, Text::Template(emptyMessage));
  return {};
}

// A layout file and its name with the name folded once, for sorting and lookups.
struct FoldedFile {
  std::u32string Folded;
  LayoutFile File;
};

// Names ignoring case first, then the names' and the files' bytes, so the same file
// of a name comes first every time.
bool ComesFirst(const FoldedFile& a, const FoldedFile& b) {
  if (a.Folded != b.Folded) return a.Folded < b.Folded;
  if (a.File.Name != b.File.Name) return a.File.Name < b.File.Name;
  return a.File.File < b.File.File;
}

template <typename Visit>
void ForEachLayoutFile(std::string_view layoutsDir, Visit visit) {
  const std::string dir = layoutsDir.empty() ? std::string(".") : std::string(layoutsDir);
  DIR* d = opendir(dir.c_str());
  if (!d) return;
  while (const dirent* e = readdir(d)) {
    const std::string_view file(e->d_name);
    if (!EndsWithExtension(file)) continue;
    std::string name = CleanLayoutName(file.substr(0, file.size() - kExtension.size()));
    if (name.empty()) continue;
    std::u32string folded = FoldCase(name);
    visit(FoldedFile{std::move(folded), LayoutFile{std::move(name), std::string(file)}});
  }
  closedir(d);
}

}  // namespace

std::string CleanLayoutName(std::string_view name) {
  const std::string text = Utf8OrLatin1(name);
  std::string clean;
  clean.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = Decode(text, i);
    if (c >= 0x20 && c != 0x7F && (c < 0x80 || c > 0x9F)) Encode(c, clean);
  }
  return TrimBlanks(clean);
}

std::vector<LayoutFile> ListLayoutFolder(std::string_view layoutsDir) {
  std::vector<FoldedFile> files;
  ForEachLayoutFile(layoutsDir, [&](FoldedFile f) { files.push_back(std::move(f)); });
  std::sort(files.begin(), files.end(), ComesFirst);
  std::vector<LayoutFile> out;
  out.reserve(files.size());
  for (std::size_t i = 0; i < files.size(); ++i)
    if (i == 0 || files[i].Folded != files[i - 1].Folded) out.push_back(std::move(files[i].File));
  return out;
}

std::string FindLayoutFile(std::string_view layoutsDir, std::string_view name) {
  const std::u32string wanted = FoldCase(CleanLayoutName(name));
  std::optional<FoldedFile> best;
  ForEachLayoutFile(layoutsDir, [&](FoldedFile f) {
    if (f.Folded == wanted && (!best || ComesFirst(f, *best))) best = std::move(f);
  });
  return best ? best->File.File : std::string();
}

Result CheckRenameName(std::string_view typed, std::string_view oldName,
                       std::string_view layoutsDir, std::string& result) {
  if (Result cleaned = CleanName(
          typed, true, TV_TRANSLATE_NOOP("Messages", "Please enter new layout name!"), result);
      !cleaned)
    return cleaned;
  if (!SameNameIgnoringCase(result, oldName) && !FindLayoutFile(layoutsDir, result).empty())
    return Result::Fail(
        NameError::kExists,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "Layout with this name already exists!")));
  return {};
}

Result CleanFileName(std::string_view typed, std::string& result) {
  return CleanName(typed, false, TV_TRANSLATE_NOOP("Messages", "Please enter file name!"), result);
}

std::string JsonString(std::string_view raw) {
  const std::string text = Utf8OrLatin1(raw);
  std::string out = "\"";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += ch;
    }
  }
  out += '"';
  return out;
}

}  // namespace tv
