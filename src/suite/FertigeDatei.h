// A finished file that waits for its final name: complete and synced on disk under a
// temporary name, and locked by its process until it is published or dropped. Another
// process that can take the lock knows the writer is gone (see TDateiFreigaben).
#pragma once

#include <string>

class TFertigeDatei {
 public:
  // Takes over lockFd, an open descriptor of tempPath that holds an exclusive flock.
  TFertigeDatei(std::string tempPath, std::string targetPath, int lockFd);
  // Removes the temporary file unless it was published or is to be kept.
  ~TFertigeDatei();
  TFertigeDatei(const TFertigeDatei&) = delete;
  TFertigeDatei& operator=(const TFertigeDatei&) = delete;

  // Moves the file to its final name (replacing a file there) and syncs the directory.
  // Throws std::runtime_error naming the file and the reason.
  void Veroeffentlichen();
  // A file already filed whose move failed stays for a later attempt.
  void Behalten() { behalten_ = true; }

  const std::string& TempPath() const { return tempPath_; }
  const std::string& TargetPath() const { return targetPath_; }
  bool Veroeffentlicht() const { return veroeffentlicht_; }

 private:
  std::string tempPath_;
  std::string targetPath_;
  int lockFd_;
  bool veroeffentlicht_ = false;
  bool behalten_ = false;
};

// Opens path and takes its exclusive flock without waiting; returns the descriptor, or -1
// when the file is missing or another process holds the lock.
int DateiSperren(const std::string& path);
// Moves from to to, replacing it, and syncs the target's directory, so that the new name
// survives a crash. Throws std::runtime_error naming the file and the reason.
void EndgueltigUmbenennen(const std::string& from, const std::string& to);
