// SPDX-License-Identifier: GPL-3.0-or-later
// Layout and player names: UTF-8 handling, case-insensitive comparison and the
// cleaning of names typed for layout files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/result.h"

namespace tv {

// A layout name with ".mah" must fit a Linux file name of 255 bytes.
constexpr std::size_t kMaxNameBytes = 251;

// True when `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// Well-formed UTF-8 as it is; anything else read as Latin-1 (old files).
std::string Utf8OrLatin1(std::string_view text);
// The text as a JSON string, quotes included, in UTF-8 as Utf8OrLatin1 makes it.
std::string JsonString(std::string_view raw);

// The longest prefix of `text` of at most `maxBytes` bytes that ends at a
// character boundary.
std::string CutUtf8(std::string_view text, std::size_t maxBytes);

// Letter case folded per character, so that comparisons ignore case in any script.
std::u32string FoldCase(std::string_view utf8);

bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// Order of names in every list: case ignored first, then the bytes decide, so
// names that differ only in case still sort the same way every time.
int CompareNamesIgnoringCase(std::string_view a, std::string_view b);

// Removes every character a layout file name may not hold; true when any was
// removed. Malformed UTF-8 bytes are removed as well.
bool SanitizeName(std::string& text);

// Letters A to Z turned to a to z; nothing else changes.
std::string LowerAscii(std::string_view text);

std::string TrimBlanks(std::string_view text);

enum class NameError : int {
  kNone = 0,
  kEmpty,       // nothing left after cleaning
  kExists,      // another file of the folder has this name, ignoring case
  kMissing,     // open: no such file
  kLeadingDot,  // the file would be hidden
};

// The rename dialog's acceptance of `typed` (a bare name) for the layout `oldName`:
// lower-cased, trimmed, cleaned, cut to kMaxNameBytes and a trailing ".mah" dropped,
// into `result`. A name beginning with "." is refused and `result` is `typed` as it
// was, so the field keeps what the player wrote.
Result CheckRenameName(std::string_view typed, std::string_view oldName,
                       std::string_view layoutsDir, std::string& result);

// The open/save dialog's cleaning of `typed` into `result`, refused as above; letter
// case stays as typed.
Result CleanFileName(std::string_view typed, std::string& result);

// The name a layout file goes by: read as UTF-8 (else Latin-1), without control
// characters and outer blanks, so a file copied in by hand with a line break in its
// name still gets a name the settings file can keep on one line.
std::string CleanLayoutName(std::string_view name);

struct LayoutFile {
  std::string Name;  // CleanLayoutName of the file name without ".mah"
  std::string File;  // the file's name on disk
};

// The layout files of a folder ("*.mah", any letter case), one per name ignoring
// case: of files whose names differ only in case the first in sorted order stands
// for the name, and the others are left alone. Sorted by name; one listing of the
// folder, whatever its size.
std::vector<LayoutFile> ListLayoutFolder(std::string_view layoutsDir);

// The file ListLayoutFolder lists for `name` ("" when none): one pass over the folder.
std::string FindLayoutFile(std::string_view layoutsDir, std::string_view name);

}  // namespace tv
