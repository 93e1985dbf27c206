// The suite's INET connection entries: named FTP, FTPS and SFTP targets in the suite
// database. The password stays inside the entry; nothing here prints it.
#pragma once

#include <optional>
#include <string>
#include <vector>

enum class TInetProtokoll { FTP, FTPS, SFTP };

struct TInetVerbindung {
  std::string Name;
  TInetProtokoll Protokoll = TInetProtokoll::FTP;
  std::string Host;
  int Port = 0;  // 0: the protocol's default port
  std::string Benutzer;
  std::string Passwort;
  std::string Schluesseldatei;   // SFTP: private key instead of a password
  std::string Zertifikatsdatei;  // FTPS: certificate authority (PEM) the server's is checked by
  std::string Verzeichnis;       // remote directory; empty: where the login lands
  bool Passiv = true;            // FTP data connections: passive (else active)
  int Zeitlimit = 60;            // seconds for connecting and for a stalled transfer

  int WirksamerPort() const;
};

inline constexpr int kInetZeitlimitMax = 3600;

// "ftp", "ftps", "sftp" (any case); nullopt for anything else.
std::optional<TInetProtokoll> InetProtokollAusText(const std::string& text);
// The stored form: "FTP", "FTPS", "SFTP".
std::string InetProtokollText(TInetProtokoll protokoll);

// A host name or address (IPv6 in brackets) that can go into a URL; the problem as one
// line, empty when it can.
std::string InetHostPruefen(const std::string& host);

// Checks an entry before it is stored or used; returns the first problem as one line,
// empty when the entry is usable.
std::string InetVerbindungPruefen(const TInetVerbindung& verbindung);

// The entries of the suite database (table inet_verbindungen).
class TInetVerbindungen {
 public:
  // All entries, ordered by name.
  static std::vector<TInetVerbindung> Liste();
  static std::optional<TInetVerbindung> Lesen(const std::string& name);
  static bool Vorhanden(const std::string& name);
  // Inserts a new entry or replaces the one of the same name. Throws std::invalid_argument
  // with the check's text for an unusable entry.
  static void Speichern(const TInetVerbindung& verbindung);
  // Renames an entry together with its new values (the chooser's edit); false when old is
  // missing. Throws std::invalid_argument when the new name is taken by another entry.
  static bool Aendern(const std::string& alterName, const TInetVerbindung& verbindung);
  // False when there was no such entry.
  static bool Loeschen(const std::string& name);
};
