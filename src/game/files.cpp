// SPDX-License-Identifier: GPL-3.0-or-later
// Bounded whole-file reads, atomic writes and folder listings for every file the program keeps.
#include "game/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// The template takes the path and the system's reason for the last failed call.
Text SystemFailure(const char* pattern, const std::string& path) {
  return Text::Template(pattern, {path, std::string(std::strerror(errno))});
}

Result TooLarge(const std::string& path, std::size_t maxBytes) {
  return Result::Fail(
      FileCode::kTooLarge,
      Text::Template(TV_TRANSLATE_NOOP("Messages", "\"%1\" is larger than %2 bytes"),
                     {path, std::to_string(maxBytes)}));
}

// The one rule for what a reader takes, applied to what stat or fstat found.
Result CheckFileInfo(const std::string& path, const struct stat& info, std::size_t maxBytes) {
  if (!S_ISREG(info.st_mode))
    return Result::Fail(
        FileCode::kNotRegular,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "\"%1\" is not a regular file"), {path}));
  if (static_cast<std::uint64_t>(info.st_size) > maxBytes) return TooLarge(path, maxBytes);
  return {};
}

}  // namespace

Result CheckReadableFile(const std::string& path, std::size_t maxBytes) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0)
    return Result::Fail(
        FileCode::kCannotOpen,
        SystemFailure(TV_TRANSLATE_NOOP("Messages", "Cannot open \"%1\": %2"), path));
  return CheckFileInfo(path, info, maxBytes);
}

Result ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                     std::size_t maxBytes) {
  // Non-blocking, so that a pipe put in a file's place cannot hold the open.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0)
    return Result::Fail(
        FileCode::kCannotOpen,
        SystemFailure(TV_TRANSLATE_NOOP("Messages", "Cannot open \"%1\": %2"), path));
  struct stat info {};
  Result result;
  if (fstat(fd, &info) != 0)
    result =
        Result::Fail(FileCode::kCannotRead,
                     SystemFailure(TV_TRANSLATE_NOOP("Messages", "Cannot read \"%1\": %2"), path));
  else
    result = CheckFileInfo(path, info, maxBytes);
  std::vector<std::uint8_t> data;
  if (result) {
    // The size may change while reading; never more than the cap is taken.
    data.resize(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), maxBytes) + 1);
    std::size_t got = 0;
    while (got < data.size()) {
      const ssize_t n = read(fd, data.data() + got, data.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        result = Result::Fail(
            FileCode::kCannotRead,
            SystemFailure(TV_TRANSLATE_NOOP("Messages", "Cannot read \"%1\": %2"), path));
        break;
      }
      if (n == 0) break;
      got += static_cast<std::size_t>(n);
      if (got == data.size() && got <= maxBytes)
        data.resize(std::min(data.size() * 2, maxBytes + 1));
    }
    if (result && got > maxBytes) result = TooLarge(path, maxBytes);
    data.resize(got);
  }
  close(fd);
  if (result) out = std::move(data);
  return result;
}

namespace {

constexpr std::string_view kTempPrefix = ".tilvane-";
constexpr const char* kCannotWrite = TV_TRANSLATE_NOOP("Messages", "Cannot write \"%1\": %2");
constexpr std::string_view kTempSuffix = ".tmp";

// The file a write lands in: a symbolic link is followed, so that the target changes
// and the link stays a link.
std::string WriteTarget(const std::string& path) {
  std::string target = path;
  for (int hops = 0; hops < 16; ++hops) {
    std::error_code error;
    if (!fs::is_symlink(target, error)) break;
    const fs::path link = fs::read_symlink(target, error);
    if (error) break;
    target = (link.is_absolute() ? link : fs::path(target).parent_path() / link).string();
  }
  return target;
}

void SyncFolder(const std::string& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

Result WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
  const std::string target = WriteTarget(path);
  // A short temporary name in the same folder: the target's name plus a suffix
  // could pass the file system's 255-byte limit.
  std::random_device rd;
  const std::size_t slash = target.rfind('/');
  const std::string folder = target.substr(0, slash == std::string::npos ? 0 : slash + 1);
  const std::string temp =
      folder + std::string(kTempPrefix) + std::to_string(rd() % 1000000) + std::string(kTempSuffix);
  int fd = -1;
  auto fail = [&](FileCode code, const char* what) {
    Result failed = Result::Fail(code, SystemFailure(what, path));
    if (fd >= 0) close(fd);
    unlink(temp.c_str());
    return failed;
  };
  // The file keeps the mode it has (a private 0600 stays private); a new one gets the
  // usual 0666 less the umask.
  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0)
    return fail(FileCode::kCannotCreate, TV_TRANSLATE_NOOP("Messages", "Cannot create \"%1\": %2"));
  if (exists && fchmod(fd, old.st_mode & 07777) != 0)
    return fail(FileCode::kCannotWrite, kCannotWrite);
  const auto* bytes = static_cast<const char*>(data);
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = write(fd, bytes + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(FileCode::kCannotWrite, kCannotWrite);
    done += static_cast<std::size_t>(n);
  }
  // On disk before it takes the old file's place, so a power cut leaves one whole file.
  if (fsync(fd) != 0) return fail(FileCode::kCannotWrite, kCannotWrite);
  const int closed = close(fd);
  fd = -1;
  if (closed != 0) return fail(FileCode::kCannotWrite, kCannotWrite);
  if (std::rename(temp.c_str(), target.c_str()) != 0)
    return fail(FileCode::kCannotReplace,
                TV_TRANSLATE_NOOP("Messages", "Cannot replace \"%1\": %2"));
  SyncFolder(folder);
  return {};
}

int RemoveLeftoverTemporaries(const std::string& folder) {
  int removed = 0;
  std::error_code error;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.size() > kTempPrefix.size() + kTempSuffix.size() &&
        name.compare(0, kTempPrefix.size(), kTempPrefix) == 0 &&
        name.compare(name.size() - kTempSuffix.size(), kTempSuffix.size(), kTempSuffix) == 0 &&
        it->is_regular_file(error) && fs::remove(it->path(), error))
      ++removed;
  }
  return removed;
}

}  // namespace tv
