#include "suite/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "suite/Paths.h"

namespace fs = std::filesystem;

namespace {

constexpr char kSeparator = '/';

std::string WithForwardSlashes(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '\\', kSeparator);
  return out;
}

std::error_code LastError() { return {errno, std::generic_category()}; }

// Closes fd on every path out of a function.
class TFdCloser {
 public:
  explicit TFdCloser(int fd) : fd_(fd) {}
  ~TFdCloser() {
    if (fd_ >= 0) ::close(fd_);
  }
  TFdCloser(const TFdCloser&) = delete;
  TFdCloser& operator=(const TFdCloser&) = delete;
  // Closes now and reports a failing close (the last chance to see a write error).
  std::error_code Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? std::error_code() : LastError();
  }

 private:
  int fd_;
};

std::error_code WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return {};
}

// Copies the content of from into the already open, empty file toFd and flushes it
// to disk.
std::error_code CopyContent(const std::string& from, int toFd) {
  const int fromFd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (fromFd < 0) return LastError();
  TFdCloser closer(fromFd);
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    const ssize_t got = ::read(fromFd, buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    if (got == 0) break;
    if (const std::error_code error = WriteAll(toFd, buffer.data(), static_cast<std::size_t>(got))) {
      return error;
    }
  }
  return ::fsync(toFd) == 0 ? std::error_code() : LastError();
}

std::string ParentDir(const std::string& path) {
  const fs::path parent = fs::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// Copies from into a new file beside to and renames it over to.
std::error_code CopyReplacing(const std::string& from, const std::string& to) {
  std::string temp;
  try {
    temp = CreateUniqueFile(ParentDir(to), fs::path(to).filename().string());
  } catch (const std::exception&) {
    return std::make_error_code(std::errc::io_error);
  }
  std::error_code error;
  {
    const int fd = ::open(temp.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
      error = LastError();
    } else {
      TFdCloser closer(fd);
      error = CopyContent(from, fd);
      if (const std::error_code closeError = closer.Close(); !error) error = closeError;
    }
  }
  if (!error && ::rename(temp.c_str(), to.c_str()) != 0) error = LastError();
  if (error) ::unlink(temp.c_str());
  return error;
}

std::string SuiteDirectory(const std::string& dirName, const std::string& fileName) {
  std::string relative = WithForwardSlashes(fileName);
  relative.erase(0, std::min(relative.find_first_not_of(kSeparator), relative.size()));
  const fs::path normal = fs::path(relative).lexically_normal();
  if (!normal.empty() && *normal.begin() == "..") {
    throw std::invalid_argument("Ungültiger Dateiname \"" + fileName + "\"");
  }
  const std::string dir = ConcatPathNames(SaldixHome(), dirName);
  if (!ForceDirectories(dir)) {
    throw std::runtime_error("Das Verzeichnis \"" + dir + "\" konnte nicht angelegt werden.");
  }
  return fileName.empty() ? dir : ConcatPathNames(dir, fileName);
}

}  // namespace

bool Ensure_FileExists(const std::string& fileName) {
  std::error_code error;
  return fs::is_regular_file(fileName, error);
}

bool Ensure_CreateFile(const std::string& fileName) {
  const int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  return ::close(fd) == 0;
}

bool Ensure_DeleteFile(const std::string& fileName) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(fileName, error);
  if (status.type() == fs::file_type::not_found) return true;
  if (error || status.type() == fs::file_type::directory) return false;
  return ::unlink(fileName.c_str()) == 0 || errno == ENOENT;
}

std::error_code RenameFileReplacing(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) == 0) return {};
  if (errno != EXDEV) return LastError();
  if (const std::error_code error = CopyReplacing(from, to)) return error;
  // The target is complete; a source that cannot be removed only leaves a stray copy.
  ::unlink(from.c_str());
  return {};
}

bool Ensure_RenameFile(const std::string& from, const std::string& to) {
  if (!Ensure_FileExists(from)) return false;
  return !RenameFileReplacing(from, to);
}

bool Ensure_CopyFile(const std::string& from, const std::string& to) {
  if (!Ensure_FileExists(from)) return false;
  return !CopyReplacing(from, to);
}

bool DirectoryExists(const std::string& dir) {
  std::error_code error;
  return !dir.empty() && fs::is_directory(dir, error);
}

bool ForceDirectories(const std::string& dir) {
  if (dir.empty()) return false;
  std::error_code error;
  fs::create_directories(dir, error);
  return DirectoryExists(dir);
}

std::string ConcatPathNames(std::string_view dir, std::string_view name) {
  std::string left = WithForwardSlashes(dir);
  std::string right = WithForwardSlashes(name);
  if (left.empty()) return right;
  if (right.empty()) return left;
  while (left.size() > 1 && left.back() == kSeparator) left.pop_back();
  const std::size_t start = right.find_first_not_of(kSeparator);
  right.erase(0, start == std::string::npos ? right.size() : start);
  if (left.back() != kSeparator) left += kSeparator;
  return left + right;
}

std::string ExtractFileName(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\");
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string GetDirWwsByName(int number, const std::string& fileName) {
  if (number < 0) throw std::invalid_argument("Ungültige Verzeichnisnummer " + std::to_string(number));
  return SuiteDirectory(std::to_string(number), fileName);
}

std::string GetDirWwsByName(const std::string& dirName, const std::string& fileName) {
  if (dirName.empty() || dirName == "." || dirName == ".." ||
      dirName.find_first_of("/\\") != std::string::npos) {
    throw std::invalid_argument("Ungültiger Verzeichnisname \"" + dirName + "\"");
  }
  return SuiteDirectory(dirName, fileName);
}

std::string CreateUniqueFile(const std::string& dir, std::string_view stem) {
  std::string pattern = ConcatPathNames(dir, std::string(stem) + ".XXXXXX.tmp");
  const int fd = ::mkstemps(pattern.data(), 4);
  if (fd < 0) {
    throw std::runtime_error("Die temporäre Datei in \"" + dir +
                             "\" konnte nicht angelegt werden: " + std::strerror(errno));
  }
  // mkstemp makes the file private; give it the permissions of any new file.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  const int chmodError = ::fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
  ::close(fd);
  if (chmodError != 0) {
    ::unlink(pattern.c_str());
    throw std::runtime_error("Die temporäre Datei \"" + pattern +
                             "\" konnte nicht vorbereitet werden: " + std::strerror(chmodError));
  }
  return pattern;
}
