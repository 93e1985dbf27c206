#include "suite/transfer/KnownHosts.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "suite/Paths.h"
#include "suite/transfer/Sha256.h"

namespace fs = std::filesystem;

std::string SuiteKnownHostsDatei() { return (fs::path(SaldixHome()) / "known_hosts").string(); }

std::string KnownHostsMuster(const std::string& host, int port) {
  if (port == 22 || port <= 0) return host;
  return "[" + host + "]:" + std::to_string(port);
}

std::string HostKeyTyp(std::string_view blob) {
  if (blob.size() < 4) return {};
  const std::size_t laenge = (std::size_t{static_cast<unsigned char>(blob[0])} << 24) |
                             (std::size_t{static_cast<unsigned char>(blob[1])} << 16) |
                             (std::size_t{static_cast<unsigned char>(blob[2])} << 8) |
                             std::size_t{static_cast<unsigned char>(blob[3])};
  if (laenge == 0 || laenge > 64 || blob.size() < 4 + laenge) return {};
  std::string typ(blob.substr(4, laenge));
  for (const char c : typ) {
    if (c <= ' ' || c > '~') return {};
  }
  return typ;
}

std::string HostKeyFingerprint(std::string_view blob) {
  const auto digest = Sha256(blob);
  return "SHA256:" +
         Base64(std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size()),
                false);
}

void KnownHostsEintragen(const std::string& datei, const std::string& host, int port,
                         std::string_view blob) {
  const std::string typ = HostKeyTyp(blob);
  if (typ.empty()) throw std::runtime_error("Der Host-Schlüssel des Servers ist unlesbar");
  const std::string muster = KnownHostsMuster(host, port);

  std::vector<std::string> zeilen;
  {
    std::ifstream in(datei);
    std::string zeile;
    while (std::getline(in, zeile)) {
      // Lines for this host and port are replaced; everything else stays as it was.
      std::istringstream felder(zeile);
      std::string hosts;
      felder >> hosts;
      bool treffer = false;
      std::istringstream liste(hosts);
      for (std::string h; std::getline(liste, h, ',');) treffer = treffer || h == muster;
      if (!treffer) zeilen.push_back(zeile);
    }
  }
  zeilen.push_back(muster + " " + typ + " " + Base64(blob));

  const fs::path ziel(datei);
  std::error_code ec;
  if (ziel.has_parent_path()) fs::create_directories(ziel.parent_path(), ec);
  const fs::path temp = ziel.string() + "." + std::to_string(getpid()) + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    for (const auto& z : zeilen) out << z << '\n';
    out.flush();
    if (!out) {
      fs::remove(temp, ec);
      throw std::runtime_error("Die Datei \"" + datei + "\" kann nicht geschrieben werden");
    }
  }
  fs::rename(temp, ziel, ec);
  if (ec) {
    fs::remove(temp, ec);
    throw std::runtime_error("Die Datei \"" + datei + "\" kann nicht geschrieben werden");
  }
}
