// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/files.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace tv {

namespace fs = std::filesystem;

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool LessIgnoreCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

std::vector<FolderFile> FilesInFolders(const std::vector<std::string>& dirs, std::string_view ext) {
  std::vector<FolderFile> files;
  for (const std::string& dir : dirs) {
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
      const fs::path& path = it->path();
      if (!EqualsIgnoreCase(path.extension().string(), ext)) continue;
      if (!it->is_regular_file(ec)) continue;
      FolderFile file{path.stem().string(), path.string()};
      const auto same = std::find_if(files.begin(), files.end(), [&](const FolderFile& f) {
        return EqualsIgnoreCase(f.Name, file.Name);
      });
      if (same != files.end())
        *same = std::move(file);
      else
        files.push_back(std::move(file));
    }
  }
  std::sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
    return LessIgnoreCase(a.Name, b.Name);
  });
  return files;
}

std::string FindInFolders(const std::vector<std::string>& dirs, const std::string& fileName) {
  for (auto dir = dirs.rbegin(); dir != dirs.rend(); ++dir) {
    const std::string path = ResolveCaseInsensitive(*dir + fileName);
    if (FileExists(path)) return path;
  }
  return {};
}

std::string ResolveCaseInsensitive(const std::string& path) {
  std::error_code ec;
  if (fs::exists(path, ec)) return path;
  const fs::path p(path);
  const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
  const std::string wanted = p.filename().string();
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (EqualsIgnoreCase(name, wanted))
      return (p.has_parent_path() ? dir / name : fs::path(name)).string();
  }
  return path;
}

Result ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return Result::Fail(FileCode::kCannotOpen,
                        "Cannot open \"" + path + "\": " + std::strerror(errno));
  std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
  if (in.bad()) return Result::Fail(FileCode::kCannotRead, "Cannot read \"" + path + "\"");
  out = std::move(data);
  return {};
}

Result WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
  // A short temporary name in the same folder: the target's name plus a suffix
  // could pass the file system's 255-byte limit.
  std::random_device rd;
  const std::size_t slash = path.rfind('/');
  const std::string temp = path.substr(0, slash == std::string::npos ? 0 : slash + 1) +
                           ".tilvane-" + std::to_string(rd() % 1000000) + ".tmp";
  auto fail = [&](FileCode code, const char* what) {
    Result failed =
        Result::Fail(code, std::string(what) + " \"" + path + "\": " + std::strerror(errno));
    std::remove(temp.c_str());
    return failed;
  };
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return fail(FileCode::kCannotCreate, "Cannot create");
  const bool written = size == 0 || std::fwrite(data, 1, size, f) == size;
  const bool flushed = std::fflush(f) == 0;
  const bool closed = std::fclose(f) == 0;
  if (!written || !flushed || !closed) return fail(FileCode::kCannotWrite, "Cannot write");
  if (std::rename(temp.c_str(), path.c_str()) != 0)
    return fail(FileCode::kCannotReplace, "Cannot replace");
  return {};
}

}  // namespace tv
