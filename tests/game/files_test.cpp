// SPDX-License-Identifier: GPL-3.0-or-later
// The one way files are read and written: only regular files of a bounded size are
// read, without waiting; writes are whole, durable, follow links and keep permissions.
#include "game/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

TEST(Files, ReadersTakeOnlyRegularFilesWithinTheirCapAndNeverWait) {
  test::TempDir dir;
  const std::string fifo = dir.dir() + "pipe.mah";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string sparse = dir.dir() + "huge.mah";
  { std::ofstream(sparse, std::ios::binary) << "x"; }
  fs::resize_file(sparse, 2ull * 1024 * 1024 * 1024);  // 2 GB, no disk behind it
  std::ofstream(dir.dir() + "small", std::ios::binary) << "12345";
  struct Case {
    std::string path;
    std::size_t cap;
    FileCode code;
  };
  const Case cases[] = {
      {fifo, kMaxLayoutFileBytes, FileCode::kNotRegular},
      {"/dev/zero", kMaxLayoutFileBytes, FileCode::kNotRegular},
      {dir.dir(), kMaxLayoutFileBytes, FileCode::kNotRegular},
      {sparse, kMaxLayoutFileBytes, FileCode::kTooLarge},
      {sparse, kMaxAnyFileBytes, FileCode::kTooLarge},
      {dir.dir() + "small", 4, FileCode::kTooLarge},
      {dir.dir() + "missing", 4, FileCode::kCannotOpen},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> bytes = {7};
    const Result read = ReadWholeFile(c.path, bytes, c.cap);
    EXPECT_TRUE(read.Is(c.code)) << c.path << ": " << read.Message();
    EXPECT_NE(read.Message().find(c.path), std::string::npos) << read.Message();
    EXPECT_EQ(bytes, std::vector<std::uint8_t>{7}) << c.path;
    EXPECT_FALSE(CheckReadableFile(c.path, c.cap)) << c.path;
  }
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(dir.dir() + "small", bytes, 5));
  EXPECT_EQ(bytes.size(), 5u);
}

TEST(Files, WritesFollowLinksKeepPermissionsAndLeftoversGoAtTheNextStart) {
  test::TempDir dir;
  const std::string target = dir.dir() + "real/tilvane.ini";
  fs::create_directories(dir.path() / "real");
  std::ofstream(target) << "old";
  chmod(target.c_str(), 0600);
  fs::create_symlink("real/tilvane.ini", dir.path() / "tilvane.ini");

  ASSERT_TRUE(WriteFileAtomically(dir.dir() + "tilvane.ini", "new", 3));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "tilvane.ini"));
  std::ifstream in(target);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new");
  struct stat info {};
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  // What a killed write leaves: removed, and nothing else is.
  std::ofstream(dir.dir() + ".tilvane-123456.tmp") << "half";
  std::ofstream(dir.dir() + ".tilvane-notes.txt") << "not ours";
  EXPECT_EQ(RemoveLeftoverTemporaries(dir.dir()), 1);
  EXPECT_FALSE(fs::exists(dir.path() / ".tilvane-123456.tmp"));
  EXPECT_TRUE(fs::exists(dir.path() / ".tilvane-notes.txt"));
  EXPECT_TRUE(fs::exists(target));
}

}  // namespace
}  // namespace tv
