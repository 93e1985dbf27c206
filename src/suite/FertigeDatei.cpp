#include "suite/FertigeDatei.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "suite/Files.h"

TFertigeDatei::TFertigeDatei(std::string tempPath, std::string targetPath, int lockFd)
    : tempPath_(std::move(tempPath)), targetPath_(std::move(targetPath)), lockFd_(lockFd) {}

TFertigeDatei::~TFertigeDatei() {
  // Unlinked before the lock goes, so that nobody publishes what was dropped.
  if (!veroeffentlicht_ && !behalten_) ::unlink(tempPath_.c_str());
  if (lockFd_ >= 0) ::close(lockFd_);
}

void TFertigeDatei::Veroeffentlichen() {
  EndgueltigUmbenennen(tempPath_, targetPath_);
  veroeffentlicht_ = true;
}

int DateiSperren(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  // A file unlinked between open and lock belongs to nobody any more.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &info) != 0 || info.st_nlink == 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

void EndgueltigUmbenennen(const std::string& from, const std::string& to) {
  if (const std::error_code error = RenameFileReplacing(from, to)) {
    throw std::runtime_error("Die Datei \"" + to + "\" konnte nicht angelegt werden: " +
                             error.message());
  }
  const std::string dir = std::filesystem::path(to).parent_path().string();
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the rename itself is done; only its durability is in doubt
  ::fsync(fd);
  ::close(fd);
}
