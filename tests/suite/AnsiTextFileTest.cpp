#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "suite/AnsiTextFile.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
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

TEST(AnsiTextFile, WritesWindows1252LinesEndedWithCrLf) {
  TestSuite suite;
  const fs::path target = suite.Dir() / "EXTF.csv";
  TAnsiTextFile file(target.string());
  file.WriteLine("Müller;³õ÷;12,50 €");
  file.WriteLine("Straße ÄÖÜäöß");
  file.WriteLine("");
  EXPECT_FALSE(fs::exists(target));  // nothing visible before the file is complete
  file.Commit();
  EXPECT_EQ(ReadBytes(target),
            "M\xFCller;\xB3\xF5\xF7;12,50 \x80\r\n"
            "Stra\xDF" "e \xC4\xD6\xDC\xE4\xF6\xDF\r\n"
            "\r\n");
  EXPECT_EQ(file.ReplacedCount(), 0u);
  EXPECT_EQ(TempFilesIn(suite.Dir()), 0);
}

TEST(AnsiTextFile, CharactersWithoutAnsiFormBecomeQuestionMarksAndAreCounted) {
  TestSuite suite;
  const fs::path target = suite.Dir() / "out.txt";
  TAnsiTextFile file(target.string());
  file.WriteLine("漢字 Ω;ü;\xFF;Ende");  // two CJK, a Greek letter, a stray byte
  file.WriteLine("\xF0\x9F\x98\x80x");
  file.Commit();
  EXPECT_EQ(ReadBytes(target), "?? ?;\xFC;?;Ende\r\n?x\r\n");
  EXPECT_EQ(file.ReplacedCount(), 5u);
}

TEST(AnsiTextFile, RawWritesAndLongLines) {
  TestSuite suite;
  const fs::path target = suite.Dir() / "raw.txt";
  TAnsiTextFile file(target.string());
  file.Write("a;");
  file.Write("b");
  file.WriteLine(";c");
  std::string longLine;
  for (int i = 0; i < 10000; ++i) longLine += "ü";
  file.Write(longLine);
  file.Commit();
  EXPECT_EQ(ReadBytes(target), "a;b;c\r\n" + std::string(10000, '\xFC'));
}

TEST(AnsiTextFile, Utf8FilesAreWrittenUnconverted) {
  TestSuite suite;
  const fs::path target = suite.Dir() / "utf8.txt";
  TAnsiTextFile file(target.string(), TTextEncoding::Utf8);
  file.WriteLine("Müller € 漢");
  file.WriteLine("bad \xC3");
  file.Commit();
  EXPECT_EQ(ReadBytes(target), "Müller € 漢\r\nbad ?\r\n");
  EXPECT_EQ(file.ReplacedCount(), 1u);
}

TEST(AnsiTextFile, WithoutCommitTheOldTargetStaysAndNothingIsLeftBehind) {
  TestSuite suite;
  const fs::path target = suite.Dir() / "EXTF.csv";
  std::ofstream(target, std::ios::binary) << "previous export";
  {
    TAnsiTextFile file(target.string());
    file.WriteLine("half a file");
  }  // e.g. an exception ended the export
  EXPECT_EQ(ReadBytes(target), "previous export");
  EXPECT_EQ(TempFilesIn(suite.Dir()), 0);

  const fs::path fresh = suite.Dir() / "new.csv";
  { TAnsiTextFile file(fresh.string()); }
  EXPECT_FALSE(fs::exists(fresh));
}

TEST(AnsiTextFile, AFailedCommitLeavesTheTargetAndReportsIt) {
  TestSuite suite;
  const fs::path target = suite.Dir() / "busy";
  fs::create_directories(target / "keep");  // a non-empty directory cannot be replaced
  {
    TAnsiTextFile file(target.string());
    file.WriteLine("x");
    EXPECT_THROW(file.Commit(), std::runtime_error);
    EXPECT_FALSE(file.Committed());
    EXPECT_THROW(file.WriteLine("more"), std::logic_error);
  }
  EXPECT_TRUE(fs::is_directory(target / "keep"));
  EXPECT_EQ(TempFilesIn(suite.Dir()), 0);
}

// Limits the size of files this process may write, like a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST(AnsiTextFile, AFailedWriteNeverReplacesTheTarget) {
  TestSuite suite;
  const fs::path target = suite.Dir() / "EXTF.csv";
  std::ofstream(target, std::ios::binary) << "previous export";
  TAnsiTextFile file(target.string());
  bool writeFailed = false;
  {
    FileSizeLimit limit(1000);
    try {
      // More than the file's buffer, so that the disk refuses while lines are written.
      for (int i = 0; i < 30000; ++i) file.WriteLine(std::string(100, 'x'));
    } catch (const std::runtime_error&) {
      writeFailed = true;
    }
  }
  EXPECT_TRUE(writeFailed);
  file.WriteLine("the caller went on regardless");
  EXPECT_THROW(file.Commit(), std::runtime_error);
  EXPECT_EQ(ReadBytes(target), "previous export");
}

TEST(AnsiTextFile, AWriteRefusedOnlyWhenCommittingNeverReplacesTheTarget) {
  TestSuite suite;
  const fs::path target = suite.Dir() / "EXTF.csv";
  std::ofstream(target, std::ios::binary) << "previous export";
  {
    TAnsiTextFile file(target.string());
    for (int i = 0; i < 100; ++i) file.WriteLine(std::string(100, 'x'));  // still buffered
    FileSizeLimit limit(1000);
    EXPECT_THROW(file.Commit(), std::runtime_error);
  }
  EXPECT_EQ(ReadBytes(target), "previous export");
  EXPECT_EQ(TempFilesIn(target.parent_path()), 0);
}

TEST(AnsiTextFile, ALargeFileHandedToTheDiskWhileWrittenIsComplete) {
  TestSuite suite;
  const fs::path target = suite.Dir() / "EXTF.csv";
  TAnsiTextFile file(target.string());
  const std::string zeile(1000, 'x');
  const int zeilen = 20000;  // 20 MB: the disk is asked to take it in pieces before Commit
  for (int i = 0; i < zeilen; ++i) file.WriteLine(zeile);
  file.Commit();
  const std::string inhalt = ReadBytes(target);
  ASSERT_EQ(inhalt.size(), static_cast<std::size_t>(zeilen) * 1002);
  EXPECT_EQ(inhalt.substr(inhalt.size() - 1002), zeile + "\r\n");
}

TEST(AnsiTextFile, TemporaryFileInAGivenDirectory) {
  TestSuite suite;
  const fs::path tempDir = suite.Dir() / "27";
  const fs::path exportDir = suite.Dir() / "export";
  fs::create_directories(tempDir);
  fs::create_directories(exportDir);
  const fs::path target = exportDir / "BUCHUNG.TXT";
  TAnsiTextFile file(target.string(), TTextEncoding::Ansi, tempDir.string());
  EXPECT_EQ(fs::path(file.TempPath()).parent_path(), tempDir);
  file.WriteLine("1;2;3;");
  file.Commit();
  EXPECT_EQ(ReadBytes(target), "1;2;3;\r\n");
  EXPECT_EQ(TempFilesIn(tempDir), 0);
  EXPECT_THROW(file.Commit(), std::logic_error);

  // The committed file is readable like any new file, not private to its writer.
  struct stat info {};
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST(AnsiTextFile, MissingDirectoryIsReportedAtOnce) {
  TestSuite suite;
  EXPECT_THROW(TAnsiTextFile((suite.Dir() / "missing" / "x.txt").string()), std::runtime_error);
}

TEST(AnsiText, ConversionInBothDirections) {
  std::size_t replaced = 99;
  EXPECT_EQ(Utf8ToAnsi("ü€x", &replaced), "\xFC\x80x");
  EXPECT_EQ(replaced, 0u);
  EXPECT_EQ(Utf8ToAnsi("a漢b", &replaced), "a?b");
  EXPECT_EQ(replaced, 1u);
  EXPECT_EQ(Utf8ToAnsi("1000;8400;Kasse", &replaced), "1000;8400;Kasse");
  EXPECT_EQ(replaced, 0u);
  EXPECT_EQ(Utf8ToAnsi("Kasse Grün 漢", &replaced), "Kasse Gr\xFCn ?");
  EXPECT_EQ(replaced, 1u);
  EXPECT_EQ(AnsiToUtf8("\xFC\x80\xB3\xF5\xF7"), "ü€³õ÷");
  EXPECT_EQ(AnsiToUtf8("a\x81" "b"), "a?b");  // a byte without a character
}

}  // namespace
