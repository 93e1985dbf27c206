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

std::string SuitePfadZumSpeichern(const std::string& verzeichnis) {
  if (verzeichnis.empty()) return verzeichnis;
  namespace fs = std::filesystem;
  const fs::path home = fs::absolute(SaldixHome()).lexically_normal();
  const fs::path pfad = fs::absolute(verzeichnis).lexically_normal();
  const fs::path relativ = pfad.lexically_relative(home);
  if (relativ.empty() || *relativ.begin() == "..") return verzeichnis;
  return relativ.generic_string();
}

std::string SuitePfadGeladen(const std::string& gespeichert) {
  if (gespeichert.empty()) return gespeichert;
  namespace fs = std::filesystem;
  const fs::path pfad(gespeichert);
  if (pfad.is_absolute()) return gespeichert;
  return (fs::absolute(SaldixHome()) / pfad).lexically_normal().string();
}
