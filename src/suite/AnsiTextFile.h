// Text export files: lines in UTF-8 in, Windows-1252 (or UTF-8) with CR LF out, built
// in a temporary file that replaces the target only on Commit.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "suite/FertigeDatei.h"

enum class TTextEncoding { Ansi, Utf8 };

// Converts UTF-8 text to Windows-1252 through iconv. A character without a
// Windows-1252 form, and every invalid byte, becomes "?" and is counted.
class TAnsiEncoder {
 public:
  TAnsiEncoder();
  ~TAnsiEncoder();
  TAnsiEncoder(const TAnsiEncoder&) = delete;
  TAnsiEncoder& operator=(const TAnsiEncoder&) = delete;

  // Appends the converted text to out; returns the number of replaced characters.
  std::size_t Convert(std::string_view utf8, std::string& out);

 private:
  void* handle_;
};

std::string Utf8ToAnsi(std::string_view utf8, std::size_t* replaced = nullptr);
// Windows-1252 to UTF-8; the few bytes without a character become "?".
std::string AnsiToUtf8(std::string_view ansi);

class TAnsiTextFile {
 public:
  // Opens a new temporary file in tempDir (default: the target's directory). Throws
  // std::runtime_error when it cannot be created.
  explicit TAnsiTextFile(std::string targetPath, TTextEncoding encoding = TTextEncoding::Ansi,
                         const std::string& tempDir = {});
  // Without Commit the temporary file is removed and the target left as it was.
  ~TAnsiTextFile();
  TAnsiTextFile(const TAnsiTextFile&) = delete;
  TAnsiTextFile& operator=(const TAnsiTextFile&) = delete;

  // Writes line followed by CR LF.
  void WriteLine(std::string_view line);
  // Writes text as it is, without a line end. Each call is converted on its own.
  void Write(std::string_view text);
  // Completes the file on disk and moves it over the target. Throws
  // std::runtime_error on failure, also when an earlier write failed; the old target
  // then stays as it was.
  void Commit();
  // Completes the file on disk but leaves it under its temporary name, still locked, for
  // the caller to publish (or drop) later. Throws as Commit does.
  std::unique_ptr<TFertigeDatei> Abschliessen();

  // Characters written as "?" because the target encoding has no form for them.
  std::size_t ReplacedCount() const { return replaced_; }
  const std::string& TargetPath() const { return targetPath_; }
  const std::string& TempPath() const { return tempPath_; }
  bool Committed() const { return committed_; }

 private:
  [[noreturn]] void ThrowWriteError(const char* what) const;
  void Discard() noexcept;
  void VorausSichern();

  static constexpr std::size_t kPuffer = 1 << 20;
  static constexpr std::size_t kVorausSichern = 8 << 20;

  std::string targetPath_;
  std::string tempPath_;
  TTextEncoding encoding_;
  std::unique_ptr<TAnsiEncoder> encoder_;
  std::unique_ptr<char[]> puffer_;  // the stream's buffer; outlives the stream
  std::FILE* file_ = nullptr;
  int lockFd_ = -1;  // holds the temporary file's flock: its writer is alive
  std::string converted_;
  std::size_t replaced_ = 0;
  std::size_t geschrieben_ = 0;  // bytes handed to the file
  std::size_t aufDemWeg_ = 0;    // bytes the disk was asked to take already
  bool incomplete_ = false;
  bool committed_ = false;
  bool uebergeben_ = false;  // a finished file owns the temporary file
};
