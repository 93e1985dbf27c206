#include "suitetool/ConnectionCommand.h"

#include <iostream>
#include <stdexcept>

#include "suite/transfer/InetVerbindung.h"
#include "suite/transfer/KnownHosts.h"
#include "suite/transfer/QTXFtpComponent.h"
#include "suitetool/ToolText.h"

namespace suitetool {
namespace {

// The options each subcommand accepts; anything else is wrong use.
const std::vector<std::string> kAddOptions = {"protocol", "host",   "port",   "user",
                                              "password", "key",    "ca",     "dir",
                                              "passive",  "active", "timeout"};

void OnlyOptions(const CommandLine& line, const std::string& sub,
                 const std::vector<std::string>& allowed) {
  for (const auto& option : kAddOptions) {
    bool ok = false;
    for (const auto& a : allowed) ok = ok || a == option;
    if (!ok && line.Has(option)) {
      throw UsageError("\"connection " + sub + "\" kennt die Option \"--" + option + "\" nicht");
    }
  }
  for (const char* option : {"replace", "fingerprint"}) {
    bool ok = false;
    for (const auto& a : allowed) ok = ok || a == option;
    if (!ok && line.Has(option)) {
      throw UsageError("\"connection " + sub + "\" kennt die Option \"--" + std::string(option) +
                       "\" nicht");
    }
  }
}

std::string NameArgument(const CommandLine& line, const std::string& sub) {
  if (line.Arguments().size() != 2 || line.Arguments()[1].empty()) {
    throw UsageError("\"connection " + sub + "\" braucht den Namen der Verbindung");
  }
  return line.Arguments()[1];
}

std::string Required(const CommandLine& line, const std::string& option) {
  if (!line.Has(option) || line.Value(option).empty()) {
    throw UsageError("Die Option \"--" + option + "\" fehlt");
  }
  return line.Value(option);
}

TInetVerbindung ReadEntry(const std::string& name) {
  auto entry = TInetVerbindungen::Lesen(name);
  if (!entry) throw std::runtime_error("Eine Verbindung \"" + name + "\" gibt es nicht");
  return *entry;
}

std::string Server(const TInetVerbindung& v) {
  return v.Host + ":" + std::to_string(v.WirksamerPort());
}

int Add(const CommandLine& line, ToolContext& context) {
  OnlyOptions(line, "add", kAddOptions);
  TInetVerbindung v;
  v.Name = NameArgument(line, "add");
  const auto protocol = InetProtokollAusText(Required(line, "protocol"));
  if (!protocol) throw UsageError("--protocol erwartet ftp, ftps oder sftp");
  v.Protokoll = *protocol;
  v.Host = Required(line, "host");
  v.Port = static_cast<int>(line.IntValue("port", 0, 1, 65535));
  v.Benutzer = Required(line, "user");
  if (line.Has("password") == line.Has("key")) {
    throw UsageError("Bitte genau eine der Optionen \"--password\" oder \"--key\" angeben");
  }
  v.Passwort = line.Value("password");
  if (v.Passwort == "-") {
    // From standard input, so that the password stays out of process lists and histories.
    std::getline(std::cin, v.Passwort);
    if (!v.Passwort.empty() && v.Passwort.back() == '\r') v.Passwort.pop_back();
    if (v.Passwort.empty()) throw UsageError("Auf der Standardeingabe kam kein Passwort");
  }
  v.Schluesseldatei = line.Value("key");
  if (line.Has("key") && v.Schluesseldatei.empty()) throw UsageError("--key braucht eine Datei");
  v.Zertifikatsdatei = line.Value("ca");
  if (line.Has("ca") && v.Zertifikatsdatei.empty()) throw UsageError("--ca braucht eine Datei");
  v.Verzeichnis = line.Value("dir");
  if (line.Has("passive") && line.Has("active")) {
    throw UsageError("\"--passive\" und \"--active\" schließen sich aus");
  }
  v.Passiv = !line.Has("active");
  v.Zeitlimit = static_cast<int>(line.IntValue("timeout", 60, 1, kInetZeitlimitMax));
  const std::string problem = InetVerbindungPruefen(v);
  if (!problem.empty()) throw UsageError(problem);

  OpenSuiteDatabase(line, false);
  if (TInetVerbindungen::Vorhanden(v.Name)) {
    throw std::runtime_error("Eine Verbindung \"" + v.Name +
                             "\" gibt es bereits (erst \"connection remove\")");
  }
  TInetVerbindungen::Speichern(v);
  context.out << "Verbindung \"" << v.Name << "\" angelegt: " << InetProtokollText(v.Protokoll)
              << ' ' << Server(v) << ", Benutzer " << v.Benutzer << ".\n";
  if (v.Protokoll == TInetProtokoll::SFTP) {
    context.out << "Vor der ersten Verbindung den Host-Schlüssel prüfen und vertrauen: "
                   "saldix-suite connection trust "
                << v.Name << '\n';
  }
  return 0;
}

int List(const CommandLine& line, ToolContext& context) {
  OnlyOptions(line, "list", {});
  if (line.Arguments().size() > 1) throw UsageError("\"connection list\" nimmt keinen Namen");
  OpenSuiteDatabase(line, false);
  const auto entries = TInetVerbindungen::Liste();
  if (entries.empty()) {
    context.out << "(keine Verbindungen)\n";
    return 0;
  }
  context.out << PadRight("Name", 22) << PadRight("Art", 6) << PadRight("Server", 28)
              << PadRight("Benutzer", 14) << PadRight("Anmeldung", 24) << PadRight("Modus", 8)
              << PadRight("Zeit", 6) << "Verzeichnis\n";
  for (const auto& v : entries) {
    // The password itself never leaves the database.
    std::string login = "-";
    if (!v.Schluesseldatei.empty()) {
      login = "Schlüssel " + v.Schluesseldatei;
    } else if (!v.Passwort.empty()) {
      login = "***";
    }
    const std::string mode =
        v.Protokoll == TInetProtokoll::SFTP ? "-" : (v.Passiv ? "passiv" : "aktiv");
    context.out << PadRight(v.Name, 22) << PadRight(InetProtokollText(v.Protokoll), 6)
                << PadRight(Server(v), 28) << PadRight(v.Benutzer, 14) << PadRight(login, 24)
                << PadRight(mode, 8) << PadRight(std::to_string(v.Zeitlimit) + "s", 6)
                << (v.Verzeichnis.empty() ? "." : v.Verzeichnis) << '\n';
  }
  return 0;
}

int Remove(const CommandLine& line, ToolContext& context) {
  OnlyOptions(line, "remove", {});
  const std::string name = NameArgument(line, "remove");
  OpenSuiteDatabase(line, false);
  if (!TInetVerbindungen::Loeschen(name)) {
    throw std::runtime_error("Eine Verbindung \"" + name + "\" gibt es nicht");
  }
  context.out << "Verbindung \"" << name << "\" gelöscht.\n";
  return 0;
}

int Test(const CommandLine& line, ToolContext& context) {
  OnlyOptions(line, "test", {});
  const std::string name = NameArgument(line, "test");
  OpenSuiteDatabase(line, false);
  const TInetVerbindung v = ReadEntry(name);
  TQTXFtpComponent ftp;
  std::vector<std::string> names;
  if (!ftp.Konfigurieren(v) || !ftp.Connect() || !ftp.ChangeDirVerbindung() || !ftp.List(names)) {
    throw std::runtime_error(ftp.FehlerText());
  }
  ftp.Disconnect();
  context.out << "Verbindung \"" << name << "\" in Ordnung: " << InetProtokollText(v.Protokoll)
              << ' ' << Server(v) << ", angemeldet als " << v.Benutzer << ", Verzeichnis \""
              << (v.Verzeichnis.empty() ? "." : v.Verzeichnis) << "\" mit " << names.size()
              << " Einträgen.\n";
  return 0;
}

int Trust(const CommandLine& line, ToolContext& context) {
  OnlyOptions(line, "trust", {"replace", "fingerprint"});
  const std::string name = NameArgument(line, "trust");
  const std::string expected = line.Value("fingerprint");
  if (line.Has("fingerprint") && expected.rfind("SHA256:", 0) != 0) {
    throw UsageError("--fingerprint erwartet \"SHA256:...\" wie ssh-keygen -l es zeigt");
  }
  OpenSuiteDatabase(line, false);
  const TInetVerbindung v = ReadEntry(name);
  if (v.Protokoll != TInetProtokoll::SFTP) {
    throw std::runtime_error("Host-Schlüssel gibt es nur bei SFTP; \"" + name + "\" ist " +
                             InetProtokollText(v.Protokoll));
  }
  TQTXFtpComponent ftp;
  std::string type, fingerprint;
  if (!ftp.Konfigurieren(v) ||
      !ftp.HostKeyVertrauen(line.Has("replace"), type, fingerprint, expected)) {
    throw std::runtime_error(ftp.FehlerText());
  }
  context.out << "Host-Schlüssel von " << Server(v) << " (" << type << ' ' << fingerprint
              << ") ist vertraut; gespeichert in " << ftp.KnownHostsDatei() << ".\n";
  if (expected.empty()) {
    context.out << "Bitte den Fingerabdruck mit dem des Servers vergleichen "
                   "(ssh-keygen -l -f <Host-Schlüssel>.pub).\n";
  }
  return 0;
}

}  // namespace

std::string ConnectionCommand::Help() const {
  return "Aufruf: saldix-suite connection add NAME --protocol ftp|ftps|sftp --host H [--port P]\n"
         "                 --user U (--password P | --key DATEI) [--ca DATEI] [--dir D]\n"
         "                 [--passive | --active] [--timeout S] [--db PFAD]\n"
         "       saldix-suite connection list [--db PFAD]\n"
         "       saldix-suite connection remove NAME [--db PFAD]\n"
         "       saldix-suite connection test NAME [--db PFAD]\n"
         "       saldix-suite connection trust NAME [--fingerprint SHA256:...] [--replace]\n\n"
         "Verwaltet die INET-Verbindungen der Suite, über die Exportdateien hochgeladen werden.\n"
         "Passwörter werden nie angezeigt (\"***\").\n\n"
         "  add         legt eine Verbindung an (ftps: FTP mit explizitem TLS)\n"
         "  list        zeigt alle Verbindungen\n"
         "  remove      löscht eine Verbindung\n"
         "  test        verbindet, wechselt ins Verzeichnis und liest es\n"
         "  trust       vertraut dem Host-Schlüssel eines SFTP-Servers (erste Verbindung);\n"
         "              --fingerprint nur diesem, --replace ersetzt einen geänderten\n\n"
         "  --port P    Vorgabe 21 (ftp, ftps) bzw. 22 (sftp)\n"
         "  --password -  liest das Passwort von der Standardeingabe\n"
         "  --key DATEI privater Schlüssel (nur sftp)\n"
         "  --ca DATEI  Zertifizierungsstelle (PEM) des Servers (nur ftps)\n"
         "  --dir D     Verzeichnis auf dem Server (absolut oder ab dem Anmeldeverzeichnis)\n"
         "  --active    aktive statt passive FTP-Datenverbindung\n"
         "  --timeout S Zeitlimit in Sekunden (Vorgabe 60)\n";
}

std::vector<OptionSpec> ConnectionCommand::Options() const {
  return {{"protocol", true},   {"host", true},    {"port", true},    {"user", true},
          {"password", true},   {"key", true},     {"ca", true},      {"dir", true},
          {"passive", false},   {"active", false}, {"timeout", true}, {"replace", false},
          {"fingerprint", true}};
}

int ConnectionCommand::Run(const CommandLine& line, ToolContext& context) {
  if (line.Arguments().empty()) {
    throw UsageError("Unterbefehl fehlt: add, list, remove, test oder trust");
  }
  const std::string sub = line.Arguments().front();
  if (sub == "add") return Add(line, context);
  if (sub == "list") return List(line, context);
  if (sub == "remove") return Remove(line, context);
  if (sub == "test") return Test(line, context);
  if (sub == "trust") return Trust(line, context);
  throw UsageError("Unbekannter Unterbefehl \"" + sub + "\" (add, list, remove, test, trust)");
}

}  // namespace suitetool
