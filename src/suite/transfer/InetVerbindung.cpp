#include "suite/transfer/InetVerbindung.h"

#include <stdexcept>

#include "suite/SuiteDatabase.h"
#include "suite/Text.h"

namespace {

constexpr const char* kSpalten =
    "name, art, host, port, benutzer, passwort, schluesseldatei, verzeichnis, passiv, zeitlimit, "
    "zertifikatsdatei";

TInetVerbindung AusZeile(const suitedb::Statement& stmt) {
  TInetVerbindung v;
  v.Name = stmt.Text(0);
  v.Protokoll = InetProtokollAusText(stmt.Text(1)).value_or(TInetProtokoll::FTP);
  v.Host = stmt.Text(2);
  v.Port = static_cast<int>(stmt.Int(3));
  v.Benutzer = stmt.Text(4);
  v.Passwort = stmt.Text(5);
  v.Schluesseldatei = stmt.Text(6);
  v.Verzeichnis = stmt.Text(7);
  v.Passiv = stmt.Text(8) != "N";
  v.Zeitlimit = static_cast<int>(stmt.Int(9));
  v.Zertifikatsdatei = stmt.Text(10);
  return v;
}

bool HatSteuerzeichen(const std::string& text) {
  for (const unsigned char c : text) {
    if (c < 0x20 || c == 0x7f) return true;
  }
  return false;
}

void Einfuegen(suitedb::Connection& db, const TInetVerbindung& v) {
  db.Cached(std::string("INSERT OR REPLACE INTO inet_verbindungen (") + kSpalten +
            ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
      .With(v.Name, InetProtokollText(v.Protokoll), v.Host, v.Port, v.Benutzer, v.Passwort,
            v.Schluesseldatei, v.Verzeichnis, v.Passiv ? "J" : "N", v.Zeitlimit, v.Zertifikatsdatei)
      .Run();
}

}  // namespace

int TInetVerbindung::WirksamerPort() const {
  if (Port > 0) return Port;
  return Protokoll == TInetProtokoll::SFTP ? 22 : 21;
}

std::optional<TInetProtokoll> InetProtokollAusText(const std::string& text) {
  const std::string t = Utf8Upper(Trim(text));
  if (t == "FTP") return TInetProtokoll::FTP;
  if (t == "FTPS") return TInetProtokoll::FTPS;
  if (t == "SFTP") return TInetProtokoll::SFTP;
  return std::nullopt;
}

std::string InetProtokollText(TInetProtokoll protokoll) {
  switch (protokoll) {
    case TInetProtokoll::FTP:
      return "FTP";
    case TInetProtokoll::FTPS:
      return "FTPS";
    case TInetProtokoll::SFTP:
      return "SFTP";
  }
  return "FTP";
}

std::string InetHostPruefen(const std::string& host) {
  // The host ends up in a URL: characters that would change its meaning are refused
  // rather than passed on. An IPv6 address is written in brackets.
  const bool ipv6 = host.size() > 2 && host.front() == '[' && host.back() == ']';
  const std::string kern = ipv6 ? host.substr(1, host.size() - 2) : host;
  if (kern.empty() || kern.find_first_of("/\\@?#[]% ") != std::string::npos ||
      HatSteuerzeichen(kern)) {
    return "Der Server \"" + host + "\" ist kein gültiger Hostname.";
  }
  return {};
}

std::string InetVerbindungPruefen(const TInetVerbindung& v) {
  if (Trim(v.Name).empty()) return "Die Verbindung braucht einen Namen.";
  if (Trim(v.Name) != v.Name || HatSteuerzeichen(v.Name)) {
    return "Der Name der Verbindung darf nicht mit Leerzeichen beginnen oder enden und "
           "keine Steuerzeichen enthalten.";
  }
  if (Trim(v.Host).empty()) return "Bitte geben Sie den Server (Host) an.";
  if (auto problem = InetHostPruefen(v.Host); !problem.empty()) return problem;
  if (v.Port < 0 || v.Port > 65535) return "Der Port muss zwischen 1 und 65535 liegen.";
  if (Trim(v.Benutzer).empty()) return "Bitte geben Sie den Benutzer an.";
  if (HatSteuerzeichen(v.Benutzer)) return "Der Benutzer enthält Steuerzeichen.";
  if (HatSteuerzeichen(v.Passwort)) return "Das Passwort enthält Steuerzeichen.";
  if (HatSteuerzeichen(v.Verzeichnis)) return "Das Verzeichnis enthält Steuerzeichen.";
  if (!v.Schluesseldatei.empty() && v.Protokoll != TInetProtokoll::SFTP) {
    return "Eine Schlüsseldatei gibt es nur bei SFTP.";
  }
  if (!v.Zertifikatsdatei.empty() && v.Protokoll != TInetProtokoll::FTPS) {
    return "Eine Zertifikatsdatei gibt es nur bei FTPS.";
  }
  if (!v.Schluesseldatei.empty() && !v.Passwort.empty()) {
    return "Bitte geben Sie entweder ein Passwort oder eine Schlüsseldatei an, nicht beides.";
  }
  if (v.Zeitlimit < 1 || v.Zeitlimit > kInetZeitlimitMax) {
    return "Das Zeitlimit muss zwischen 1 und " + std::to_string(kInetZeitlimitMax) +
           " Sekunden liegen.";
  }
  return {};
}

std::vector<TInetVerbindung> TInetVerbindungen::Liste() {
  auto& stmt = SuiteDatabase::Get().Cached(std::string("SELECT ") + kSpalten +
                                           " FROM inet_verbindungen ORDER BY name");
  stmt.Reset();
  std::vector<TInetVerbindung> liste;
  while (stmt.Step()) liste.push_back(AusZeile(stmt));
  return liste;
}

std::optional<TInetVerbindung> TInetVerbindungen::Lesen(const std::string& name) {
  auto& stmt = SuiteDatabase::Get().Cached(std::string("SELECT ") + kSpalten +
                                           " FROM inet_verbindungen WHERE name = ?");
  stmt.With(name);
  std::optional<TInetVerbindung> gefunden;
  if (stmt.Step()) gefunden = AusZeile(stmt);
  stmt.Reset();
  return gefunden;
}

bool TInetVerbindungen::Vorhanden(const std::string& name) { return Lesen(name).has_value(); }

void TInetVerbindungen::Speichern(const TInetVerbindung& verbindung) {
  const std::string problem = InetVerbindungPruefen(verbindung);
  if (!problem.empty()) throw std::invalid_argument(problem);
  Einfuegen(SuiteDatabase::Get(), verbindung);
}

bool TInetVerbindungen::Aendern(const std::string& alterName, const TInetVerbindung& verbindung) {
  const std::string problem = InetVerbindungPruefen(verbindung);
  if (!problem.empty()) throw std::invalid_argument(problem);
  auto& db = SuiteDatabase::Get();
  suitedb::Transaction transaction(db);
  if (!Vorhanden(alterName)) return false;
  if (verbindung.Name != alterName && Vorhanden(verbindung.Name)) {
    throw std::invalid_argument("Eine Verbindung \"" + verbindung.Name + "\" gibt es bereits.");
  }
  db.Cached("DELETE FROM inet_verbindungen WHERE name = ?").With(alterName).Run();
  Einfuegen(db, verbindung);
  transaction.Commit();
  return true;
}

bool TInetVerbindungen::Loeschen(const std::string& name) {
  return SuiteDatabase::Get()
             .Cached("DELETE FROM inet_verbindungen WHERE name = ?")
             .With(name)
             .Run() > 0;
}
