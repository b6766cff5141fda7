// Small file helpers shared by every reader and writer of the program's files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// Existing file whose name matches case-insensitively when no exact match exists;
// returns the path to use (the given one when nothing better is found).
std::string ResolveCaseInsensitive(const std::string& path);

bool FileExists(const std::string& path);

// Reads a whole file; false with `error` set when it cannot be read.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::string* error);

// Writes a temporary file beside the target, then renames it over the target, so
// the target is either the old file or the complete new one.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string* error);

bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool LessIgnoreCase(std::string_view a, std::string_view b);

}  // namespace tv
