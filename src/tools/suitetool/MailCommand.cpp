#include "suitetool/MailCommand.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "suite/SuiteDatabase.h"
#include "suite/servers/MandListeServer.h"
#include "suite/transfer/MailEinstellungen.h"
#include "suite/transfer/SendDoc.h"

namespace suitetool {
namespace {

const std::vector<std::string> kAlleOptionen = {"client",  "host",      "port",   "tls",
                                                "user",    "password",  "from",   "to",
                                                "subject", "body-file", "timeout"};

void NurOptionen(const CommandLine& line, const std::string& sub,
                 const std::vector<std::string>& erlaubt) {
  for (const auto& option : kAlleOptionen) {
    bool ok = false;
    for (const auto& e : erlaubt) ok = ok || e == option;
    if (!ok && line.Has(option)) {
      throw UsageError("\"mail " + sub + "\" kennt die Option \"--" + option + "\" nicht");
    }
  }
}

std::string Pflicht(const CommandLine& line, const std::string& option) {
  if (!line.Has(option) || line.Value(option).empty()) {
    throw UsageError("Die Option \"--" + option + "\" fehlt");
  }
  return line.Value(option);
}

// The client of --client (its short number), from the suite's client list.
TMandListeEintrag Mandant(const CommandLine& line) {
  if (!line.Has("client")) throw UsageError("Die Option \"--client\" fehlt");
  const int kurzNr = static_cast<int>(line.IntValue("client", 0, 1, 255));
  for (const auto& m : TMandListeServer(SuiteDatabase::Get()).Liste()) {
    if (m.KurzNr == kurzNr) return m;
  }
  throw std::runtime_error("Einen Mandanten mit der Kurznummer " + std::to_string(kurzNr) +
                           " gibt es nicht");
}

std::string Server(const TMailEinstellungen& e) {
  return e.Host + ":" + std::to_string(e.WirksamerPort());
}

std::string MandantText(const TMandListeEintrag& m) {
  return std::to_string(m.KurzNr) + " (" + m.Name + ")";
}

std::string DateiLesen(const std::string& pfad) {
  std::ifstream in(pfad, std::ios::binary);
  if (!in) throw std::runtime_error("Die Datei \"" + pfad + "\" kann nicht gelesen werden");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int Set(const CommandLine& line, ToolContext& context) {
  NurOptionen(line, "set", kAlleOptionen);
  TMailEinstellungen e;
  e.Host = Pflicht(line, "host");
  e.Port = static_cast<int>(line.IntValue("port", 0, 1, 65535));
  const auto tls = MailTlsAusText(Pflicht(line, "tls"));
  if (!tls) throw UsageError("--tls erwartet none, starttls oder tls");
  e.Tls = *tls;
  e.Benutzer = line.Value("user");
  if (line.Has("password") && e.Benutzer.empty()) {
    throw UsageError("\"--password\" gibt es nur zusammen mit \"--user\"");
  }
  e.Passwort = line.Value("password");
  if (e.Passwort == "-") {
    // From standard input, so that the password stays out of process lists and histories.
    std::getline(std::cin, e.Passwort);
    if (!e.Passwort.empty() && e.Passwort.back() == '\r') e.Passwort.pop_back();
    if (e.Passwort.empty()) throw UsageError("Auf der Standardeingabe kam kein Passwort");
  }
  e.Absender = Pflicht(line, "from");
  e.Empfaenger = MailAdressenTeilen(Pflicht(line, "to"));
  e.Zeitlimit = static_cast<int>(line.IntValue("timeout", 60, 1, kMailZeitlimitMax));

  OpenSuiteDatabase(line, false);
  const TMandListeEintrag mandant = Mandant(line);
  e.Mandant = mandant.GepNr;
  const auto bisher = TMailEinstellungenSpeicher::Lesen(e.Mandant);
  // What is not given again stays as it was: the templates, and the password of the same
  // user.
  if (bisher) {
    if (!line.Has("subject")) e.Betreff = bisher->Betreff;
    if (!line.Has("body-file")) e.Text = bisher->Text;
    if (!line.Has("password") && e.Benutzer == bisher->Benutzer) e.Passwort = bisher->Passwort;
  }
  if (!e.Benutzer.empty() && e.Passwort.empty()) {
    throw UsageError(
        "Zu \"--user\" fehlt \"--password\" (\"--password -\" liest es von der "
        "Standardeingabe)");
  }
  if (line.Has("subject")) e.Betreff = line.Value("subject");
  if (line.Has("body-file")) e.Text = DateiLesen(Pflicht(line, "body-file"));
  const std::string problem = MailEinstellungenPruefen(e);
  if (!problem.empty()) throw UsageError(problem);
  TMailEinstellungenSpeicher::Speichern(e);
  context.out << "Mailversand für Mandant " << MandantText(mandant)
              << " eingerichtet: " << MailTlsText(e.Tls) << ' ' << Server(e) << ", "
              << (e.Benutzer.empty() ? std::string("ohne Anmeldung") : "Benutzer " + e.Benutzer)
              << ", von " << e.Absender << " an " << MailAdressenText(e.Empfaenger) << ".\n";
  if (e.Tls == TMailTls::Keine && !e.Passwort.empty()) {
    context.out << "Achtung: ohne TLS geht das Passwort unverschlüsselt zum Server.\n";
  }
  context.out << "Prüfen mit: saldix-suite mail test --client " << mandant.KurzNr << '\n';
  return 0;
}

void Zeigen(const TMandListeEintrag& m, const TMailEinstellungen& e, std::ostream& out) {
  out << "Mandant " << MandantText(m) << '\n'
      << "  Server     " << MailTlsText(e.Tls) << ' ' << Server(e) << '\n'
      << "  Anmeldung  "
      // The password itself never leaves the database.
      << (e.Benutzer.empty() ? std::string("-")
                             : e.Benutzer + (e.Passwort.empty() ? "" : " / Passwort ***"))
      << '\n'
      << "  Absender   " << e.Absender << '\n'
      << "  Empfänger  " << MailAdressenText(e.Empfaenger) << '\n'
      << "  Zeitlimit  " << e.Zeitlimit << "s\n"
      << "  Betreff    " << e.WirksamerBetreff() << (e.Betreff.empty() ? "  (Vorgabe)" : "") << '\n'
      << "  Text" << (e.Text.empty() ? "       (Vorgabe)" : "") << '\n';
  std::istringstream text(e.WirksamerText());
  for (std::string zeile; std::getline(text, zeile);) out << "    | " << zeile << '\n';
}

int Show(const CommandLine& line, ToolContext& context) {
  NurOptionen(line, "show", {"client"});
  OpenSuiteDatabase(line, false);
  if (line.Has("client")) {
    const auto m = Mandant(line);
    const auto e = TMailEinstellungenSpeicher::Lesen(m.GepNr);
    if (!e) {
      context.out << "Für Mandant " << MandantText(m) << " ist kein Mailversand eingerichtet.\n";
      return 0;
    }
    Zeigen(m, *e, context.out);
    return 0;
  }
  bool irgendeiner = false;
  for (const auto& m : TMandListeServer(SuiteDatabase::Get()).Liste()) {
    const auto e = TMailEinstellungenSpeicher::Lesen(m.GepNr);
    if (!e) continue;
    Zeigen(m, *e, context.out);
    irgendeiner = true;
  }
  if (!irgendeiner) context.out << "(für keinen Mandanten ist ein Mailversand eingerichtet)\n";
  return 0;
}

int Remove(const CommandLine& line, ToolContext& context) {
  NurOptionen(line, "remove", {"client"});
  OpenSuiteDatabase(line, false);
  const auto m = Mandant(line);
  if (!TMailEinstellungenSpeicher::Loeschen(m.GepNr)) {
    throw std::runtime_error("Für Mandant " + MandantText(m) +
                             " ist kein Mailversand eingerichtet");
  }
  context.out << "Mailversand für Mandant " << MandantText(m) << " entfernt.\n";
  return 0;
}

int Test(const CommandLine& line, ToolContext& context) {
  NurOptionen(line, "test", {"client"});
  OpenSuiteDatabase(line, false);
  const auto m = Mandant(line);
  const auto e = TMailEinstellungenSpeicher::Lesen(m.GepNr);
  if (!e) {
    throw std::runtime_error("Für Mandant " + MandantText(m) +
                             " ist kein Mailversand eingerichtet (saldix-suite mail set)");
  }
  TMailNachricht n;
  n.Betreff = "Saldix: Testmail für Mandant " + MandantText(m);
  n.Text = "Diese Testmail zeigt, dass der Mailversand der Exportdateien für Mandant " +
           MandantText(m) + " eingerichtet ist.\n";
  const TMailErgebnis ergebnis = TSendDoc(*e).Senden(n);
  if (!ergebnis.Gesendet()) throw std::runtime_error(ergebnis.Text);
  context.out << "Testmail über " << MailTlsText(e->Tls) << ' ' << Server(*e) << ": "
              << ergebnis.Text << '\n';
  return 0;
}

}  // namespace

std::string MailCommand::Help() const {
  return "Aufruf: saldix-suite mail set --client N --host H [--port P] --tls none|starttls|tls\n"
         "                 [--user U --password P] --from ADRESSE --to ADRESSE[,ADRESSE]\n"
         "                 [--subject TEXT] [--body-file DATEI] [--timeout S] [--db PFAD]\n"
         "       saldix-suite mail show [--client N] [--db PFAD]\n"
         "       saldix-suite mail remove --client N [--db PFAD]\n"
         "       saldix-suite mail test --client N [--db PFAD]\n\n"
         "Richtet den Mailversand der Exportdateien (\"Export + Versand\", saldix -VERSAND)\n"
         "je Mandant ein. Passwörter werden nie angezeigt (\"***\").\n\n"
         "  set         speichert die Einstellungen; nicht erneut angegebene Vorlagen und das\n"
         "              Passwort desselben Benutzers bleiben erhalten\n"
         "  show        zeigt die Einstellungen (ohne --client: aller Mandanten)\n"
         "  remove      entfernt die Einstellungen eines Mandanten\n"
         "  test        sendet eine kurze Testmail an die Empfänger\n\n"
         "  --client N  Kurznummer des Mandanten\n"
         "  --tls       none: ohne Verschlüsselung (Port 25), starttls: STARTTLS (Port 587),\n"
         "              tls: TLS von Anfang an (Port 465)\n"
         "  --password -  liest das Passwort von der Standardeingabe\n"
         "  --subject   Betreff, --body-file Text der Mail (UTF-8); Platzhalter, ohne\n"
         "              Beachtung der Groß-/Kleinschreibung: #ABRNUMMER# (Nummer des Exports),\n"
         "              #ABRDATUM# (Erstelldatum), #VONDATUM#, #BISDATUM# (Zeitraum)\n"
         "  --timeout S Zeitlimit in Sekunden (Vorgabe 60)\n";
}

std::vector<OptionSpec> MailCommand::Options() const {
  std::vector<OptionSpec> optionen;
  for (const auto& name : kAlleOptionen) optionen.push_back({name, true});
  return optionen;
}

int MailCommand::Run(const CommandLine& line, ToolContext& context) {
  if (line.Arguments().empty()) throw UsageError("Unterbefehl fehlt: set, show, remove oder test");
  const std::string sub = line.Arguments().front();
  if (sub == "set") return Set(line, context);
  if (sub == "show") return Show(line, context);
  if (sub == "remove") return Remove(line, context);
  if (sub == "test") return Test(line, context);
  throw UsageError("Unbekannter Unterbefehl \"" + sub + "\" (set, show, remove, test)");
}

}  // namespace suitetool
