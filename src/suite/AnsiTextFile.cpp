#include "suite/AnsiTextFile.h"

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "suite/Files.h"
#include "suite/Utf8.h"

namespace {

constexpr const char* kAnsiCharset = "CP1252";
constexpr const char* kUtf8Charset = "UTF-8";
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

iconv_t OpenConverter(const char* to, const char* from) {
  const iconv_t handle = ::iconv_open(to, from);
  if (handle == kNoConverter) {
    throw std::runtime_error(std::string("Zeichensatzumwandlung ") + from + " -> " + to +
                             " nicht verfügbar: " + std::strerror(errno));
  }
  return handle;
}

// Runs iconv over input; at a sequence it cannot convert, skip(input, offset) tells
// how many bytes to drop, and "?" is written in their place.
template <typename Skip>
std::size_t ConvertReplacing(iconv_t handle, std::string_view input, std::string& out, Skip skip) {
  std::size_t replaced = 0;
  char* inPtr = const_cast<char*>(input.data());  // iconv does not write to its input
  std::size_t inLeft = input.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = ::iconv(handle, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    if (errno != EILSEQ && errno != EINVAL) {
      throw std::runtime_error(std::string("Zeichensatzumwandlung fehlgeschlagen: ") + std::strerror(errno));
    }
    const std::size_t bytes = skip(input, input.size() - inLeft);
    inPtr += bytes;
    inLeft -= bytes;
    out += '?';
    ++replaced;
    ::iconv(handle, nullptr, nullptr, nullptr, nullptr);
  }
  return replaced;
}

std::size_t SkipUtf8Character(std::string_view text, std::size_t offset) {
  std::size_t pos = offset;
  Utf8Next(text, pos);
  return pos - offset;
}

std::size_t SkipByte(std::string_view, std::size_t) { return 1; }

std::size_t CopyReplacingInvalidUtf8(std::string_view text, std::string& out) {
  std::size_t replaced = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    // A run of ASCII is copied as it is, without decoding it byte by byte.
    std::size_t ascii = pos;
    while (ascii < text.size() && static_cast<unsigned char>(text[ascii]) < 0x80) ++ascii;
    if (ascii > pos) {
      out.append(text.substr(pos, ascii - pos));
      pos = ascii;
      continue;
    }
    const std::size_t start = pos;
    if (Utf8Next(text, pos) == kUtf8Invalid) {
      out += '?';
      ++replaced;
    } else {
      out.append(text.substr(start, pos - start));
    }
  }
  return replaced;
}

std::string DirectoryOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

}  // namespace

TAnsiEncoder::TAnsiEncoder() : handle_(OpenConverter(kAnsiCharset, kUtf8Charset)) {}

TAnsiEncoder::~TAnsiEncoder() { ::iconv_close(static_cast<iconv_t>(handle_)); }

std::size_t TAnsiEncoder::Convert(std::string_view utf8, std::string& out) {
  // ASCII is the same in both; most lines are ASCII up to their end.
  const auto ascii = std::find_if(utf8.begin(), utf8.end(),
                                  [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  const auto prefix = static_cast<std::size_t>(ascii - utf8.begin());
  out.append(utf8.substr(0, prefix));
  if (prefix == utf8.size()) return 0;
  return ConvertReplacing(static_cast<iconv_t>(handle_), utf8.substr(prefix), out,
                          SkipUtf8Character);
}

std::string Utf8ToAnsi(std::string_view utf8, std::size_t* replaced) {
  std::string out;
  const std::size_t count = TAnsiEncoder().Convert(utf8, out);
  if (replaced) *replaced = count;
  return out;
}

std::string AnsiToUtf8(std::string_view ansi) {
  const iconv_t handle = OpenConverter(kUtf8Charset, kAnsiCharset);
  std::string out;
  try {
    ConvertReplacing(handle, ansi, out, SkipByte);
  } catch (...) {
    ::iconv_close(handle);
    throw;
  }
  ::iconv_close(handle);
  return out;
}

TAnsiTextFile::TAnsiTextFile(std::string targetPath, TTextEncoding encoding, const std::string& tempDir)
    : targetPath_(std::move(targetPath)), encoding_(encoding) {
  if (encoding_ == TTextEncoding::Ansi) encoder_ = std::make_unique<TAnsiEncoder>();
  const std::string dir = tempDir.empty() ? DirectoryOf(targetPath_) : tempDir;
  const std::string stem = std::filesystem::path(targetPath_).filename().string();
  // Locked at once: a start that cleans up leftovers removes only files nobody holds. It
  // may have taken a new file in the instant before the lock; then a second one is made.
  for (int versuch = 0; versuch < 2 && lockFd_ < 0; ++versuch) {
    tempPath_ = CreateUniqueFile(dir, stem);
    lockFd_ = DateiSperren(tempPath_);
  }
  if (lockFd_ < 0) {
    ::unlink(tempPath_.c_str());
    throw std::runtime_error("Die temporäre Datei \"" + tempPath_ +
                             "\" konnte nicht gesperrt werden.");
  }
  file_ = std::fopen(tempPath_.c_str(), "wb");
  if (!file_) {
    const int error = errno;
    ::unlink(tempPath_.c_str());
    ::close(lockFd_);
    lockFd_ = -1;
    throw std::runtime_error("Die Datei \"" + tempPath_ + "\" konnte nicht geöffnet werden: " +
                             std::strerror(error));
  }
  // A year's batch is tens of megabytes: written in large pieces, not in 4 KiB ones.
  puffer_ = std::make_unique<char[]>(kPuffer);
  std::setvbuf(file_, puffer_.get(), _IOFBF, kPuffer);
}

TAnsiTextFile::~TAnsiTextFile() { Discard(); }

void TAnsiTextFile::Discard() noexcept {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!uebergeben_ && !tempPath_.empty()) ::unlink(tempPath_.c_str());
  if (lockFd_ >= 0) {
    ::close(lockFd_);
    lockFd_ = -1;
  }
}

void TAnsiTextFile::ThrowWriteError(const char* what) const {
  throw std::runtime_error(std::string("Die Datei \"") + targetPath_ + "\" " + what + ": " +
                           std::strerror(errno));
}

void TAnsiTextFile::Write(std::string_view text) {
  if (!file_) throw std::logic_error("Die Datei \"" + targetPath_ + "\" ist bereits abgeschlossen.");
  const bool wasIncomplete = incomplete_;
  incomplete_ = true;  // stays set when this write does not get through
  converted_.clear();
  replaced_ += encoder_ ? encoder_->Convert(text, converted_) : CopyReplacingInvalidUtf8(text, converted_);
  if (std::fwrite(converted_.data(), 1, converted_.size(), file_) != converted_.size()) {
    ThrowWriteError("konnte nicht geschrieben werden");
  }
  geschrieben_ += converted_.size();
  if (geschrieben_ - aufDemWeg_ >= kVorausSichern) VorausSichern();
  incomplete_ = wasIncomplete;
}

void TAnsiTextFile::VorausSichern() {
  // The disk starts on what is written while the rest is built, so that Commit waits only
  // for the last piece. A hint only: Commit's fsync is what counts.
  if (std::fflush(file_) != 0) return;
  ::sync_file_range(::fileno(file_), static_cast<off_t>(aufDemWeg_),
                    static_cast<off_t>(geschrieben_ - aufDemWeg_), SYNC_FILE_RANGE_WRITE);
  aufDemWeg_ = geschrieben_;
}

void TAnsiTextFile::WriteLine(std::string_view line) {
  Write(line);
  Write("\r\n");
}

void TAnsiTextFile::Commit() {
  Abschliessen()->Veroeffentlichen();
  committed_ = true;
}

std::unique_ptr<TFertigeDatei> TAnsiTextFile::Abschliessen() {
  if (!file_) throw std::logic_error("Die Datei \"" + targetPath_ + "\" ist bereits abgeschlossen.");
  // A file with a lost write must never replace the target, even if the caller went on.
  if (incomplete_ || std::ferror(file_)) {
    throw std::runtime_error("Die Datei \"" + targetPath_ +
                             "\" ist unvollständig geschrieben und wurde nicht übernommen.");
  }
  if (std::fflush(file_) != 0 || ::fsync(::fileno(file_)) != 0) {
    ThrowWriteError("konnte nicht geschrieben werden");
  }
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fclose(file) != 0) ThrowWriteError("konnte nicht geschrieben werden");
  // From here the finished file owns the temporary file and its lock.
  uebergeben_ = true;
  const int lock = lockFd_;
  lockFd_ = -1;
  return std::make_unique<TFertigeDatei>(tempPath_, targetPath_, lock);
}
