#include "suite/Paths.h"

#include <cstdlib>
#include <filesystem>

namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

}  // namespace

std::string XdgDataHome() {
  std::string dir = Env("XDG_DATA_HOME");
  if (!dir.empty()) return dir;
  std::string home = Env("HOME");
  if (home.empty()) home = std::filesystem::temp_directory_path().string();
  return (std::filesystem::path(home) / ".local" / "share").string();
}

std::string SaldixHome() {
  std::string dir = Env("SALDIX_HOME");
  if (!dir.empty()) return dir;
  return (std::filesystem::path(XdgDataHome()) / "saldix").string();
}
