#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "suite/Files.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

int TempFilesIn(const fs::path& dir) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(dir)) count += entry.path().extension() == ".tmp";
  return count;
}

TEST(Files, CreateExistsAndDelete) {
  TestSuite suite;
  const std::string file = (suite.Dir() / "a.tmp").string();
  EXPECT_FALSE(Ensure_FileExists(file));
  EXPECT_TRUE(Ensure_DeleteFile(file));  // nothing to delete is no failure
  EXPECT_TRUE(Ensure_CreateFile(file));
  EXPECT_TRUE(Ensure_FileExists(file));
  WriteFile(file, "old content");
  EXPECT_TRUE(Ensure_CreateFile(file));  // a leftover file starts empty again
  EXPECT_EQ(ReadFile(file), "");
  EXPECT_TRUE(Ensure_DeleteFile(file));
  EXPECT_FALSE(Ensure_FileExists(file));

  EXPECT_FALSE(Ensure_FileExists(suite.Dir().string()));  // a directory is no file
  EXPECT_FALSE(Ensure_DeleteFile(suite.Dir().string()));
  EXPECT_TRUE(fs::is_directory(suite.Dir()));
  EXPECT_FALSE(Ensure_CreateFile((suite.Dir() / "missing" / "a.tmp").string()));
}

TEST(Files, RenameReplacesTheTargetInOneStep) {
  TestSuite suite;
  const fs::path from = suite.Dir() / "new.tmp";
  const fs::path to = suite.Dir() / "EXTF.csv";
  WriteFile(from, "new");
  WriteFile(to, "old");
  EXPECT_TRUE(Ensure_RenameFile(from.string(), to.string()));
  EXPECT_EQ(ReadFile(to), "new");
  EXPECT_FALSE(fs::exists(from));

  // A missing source or an unusable target fails and leaves everything as it was.
  EXPECT_FALSE(Ensure_RenameFile(from.string(), to.string()));
  EXPECT_EQ(ReadFile(to), "new");
  WriteFile(from, "newer");
  EXPECT_FALSE(Ensure_RenameFile(from.string(), (suite.Dir() / "missing" / "x").string()));
  EXPECT_EQ(ReadFile(from), "newer");
  const fs::path busy = suite.Dir() / "busy";
  fs::create_directories(busy / "inside");
  EXPECT_FALSE(Ensure_RenameFile(from.string(), busy.string()));
  EXPECT_EQ(ReadFile(from), "newer");
}

TEST(Files, RenameAcrossFileSystemsCopiesThenRemovesTheSource) {
  TestSuite suite;
  struct stat suiteDir {}, shm {};
  if (stat(suite.Dir().c_str(), &suiteDir) != 0 || stat("/dev/shm", &shm) != 0 ||
      suiteDir.st_dev == shm.st_dev) {
    GTEST_SKIP() << "no second file system";
  }
  const fs::path from = fs::path("/dev/shm") / ("saldix-files-test-" + std::to_string(getpid()));
  const fs::path to = suite.Dir() / "target.txt";
  WriteFile(from, std::string(200000, 'x'));
  WriteFile(to, "old");
  EXPECT_TRUE(Ensure_RenameFile(from.string(), to.string()));
  EXPECT_EQ(ReadFile(to), std::string(200000, 'x'));
  EXPECT_FALSE(fs::exists(from));
  EXPECT_EQ(TempFilesIn(suite.Dir()), 0);
}

TEST(Files, CopyReplacesOnlyWithACompleteCopy) {
  TestSuite suite;
  const fs::path from = suite.Dir() / "export.csv";
  const fs::path to = suite.Dir() / "backup.csv";
  WriteFile(from, "line 1\r\nline 2\r\n");
  WriteFile(to, "old backup");
  EXPECT_TRUE(Ensure_CopyFile(from.string(), to.string()));
  EXPECT_EQ(ReadFile(to), "line 1\r\nline 2\r\n");
  EXPECT_EQ(ReadFile(from), "line 1\r\nline 2\r\n");

  EXPECT_FALSE(Ensure_CopyFile((suite.Dir() / "missing.csv").string(), to.string()));
  EXPECT_EQ(ReadFile(to), "line 1\r\nline 2\r\n");
  EXPECT_FALSE(Ensure_CopyFile(from.string(), (suite.Dir() / "no" / "dir.csv").string()));
  EXPECT_FALSE(Ensure_CopyFile(suite.Dir().string(), to.string()));  // a directory
  EXPECT_EQ(TempFilesIn(suite.Dir()), 0);
}

TEST(Files, PathsJoinThePlatformsWay) {
  EXPECT_EQ(ConcatPathNames("/export", "EXTF.csv"), "/export/EXTF.csv");
  EXPECT_EQ(ConcatPathNames("/export/", "EXTF.csv"), "/export/EXTF.csv");
  EXPECT_EQ(ConcatPathNames("/export", "\\BUCHUNG_KWX.txt"), "/export/BUCHUNG_KWX.txt");
  EXPECT_EQ(ConcatPathNames("/export\\", "sub\\x.txt"), "/export/sub/x.txt");
  EXPECT_EQ(ConcatPathNames("/", "x"), "/x");
  EXPECT_EQ(ConcatPathNames("", "x"), "x");
  EXPECT_EQ(ConcatPathNames("/export", ""), "/export");
  EXPECT_EQ(ExtractFileName("/export/EXTF.csv"), "EXTF.csv");
  EXPECT_EQ(ExtractFileName("C:\\Export\\EXTF.csv"), "EXTF.csv");
  EXPECT_EQ(ExtractFileName("EXTF.csv"), "EXTF.csv");
}

TEST(Files, SuiteDirectoriesAreCreatedOnDemand) {
  TestSuite suite;
  const std::string temp = GetDirWwsByName(27, "EXTF_123.tmp");
  EXPECT_EQ(temp, (suite.Dir() / "27" / "EXTF_123.tmp").string());
  EXPECT_TRUE(fs::is_directory(suite.Dir() / "27"));
  EXPECT_EQ(GetDirWwsByName(16, ""), (suite.Dir() / "16").string());
  EXPECT_EQ(GetDirWwsByName("LISTEN", "a.txt"), (suite.Dir() / "LISTEN" / "a.txt").string());
  EXPECT_EQ(GetDirWwsByName("statemp", "\\b.txt"), (suite.Dir() / "statemp" / "b.txt").string());
  EXPECT_TRUE(fs::is_directory(suite.Dir() / "statemp"));

  EXPECT_THROW(GetDirWwsByName(-1, "x"), std::invalid_argument);
  EXPECT_THROW(GetDirWwsByName("..", "x"), std::invalid_argument);
  EXPECT_THROW(GetDirWwsByName("a/b", "x"), std::invalid_argument);
  EXPECT_THROW(GetDirWwsByName(27, "../x"), std::invalid_argument);
  EXPECT_THROW(GetDirWwsByName(27, "\\..\\..\\x"), std::invalid_argument);
  WriteFile(suite.Dir() / "LISTEN2", "a file where the directory belongs");
  EXPECT_THROW(GetDirWwsByName("LISTEN2", "x"), std::runtime_error);
}

TEST(Files, ForceDirectoriesCreatesParents) {
  TestSuite suite;
  const fs::path dir = suite.Dir() / "a" / "b" / "c";
  EXPECT_FALSE(DirectoryExists(dir.string()));
  EXPECT_TRUE(ForceDirectories(dir.string()));
  EXPECT_TRUE(DirectoryExists(dir.string()));
  EXPECT_TRUE(ForceDirectories(dir.string()));
  EXPECT_FALSE(ForceDirectories(""));
  WriteFile(suite.Dir() / "file", "x");
  EXPECT_FALSE(ForceDirectories((suite.Dir() / "file" / "sub").string()));
}

TEST(Files, UniqueFilesNeverCollide) {
  TestSuite suite;
  const std::string first = CreateUniqueFile(suite.Dir().string(), "EXTF.csv");
  const std::string second = CreateUniqueFile(suite.Dir().string(), "EXTF.csv");
  EXPECT_NE(first, second);
  EXPECT_TRUE(Ensure_FileExists(first));
  EXPECT_EQ(ExtractFileName(first).rfind("EXTF.csv.", 0), 0u);
  EXPECT_EQ(fs::path(first).extension(), ".tmp");
  EXPECT_THROW(CreateUniqueFile((suite.Dir() / "missing").string(), "x"), std::runtime_error);
}

}  // namespace
