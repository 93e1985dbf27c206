#include "suite/transfer/MailEinstellungen.h"

#include <stdexcept>

#include "suite/SuiteDatabase.h"
#include "suite/Text.h"
#include "suite/Utf8.h"
#include "suite/transfer/InetVerbindung.h"

namespace {

constexpr const char* kSpalten =
    "firma1, firma2, host, port, tls, benutzer, passwort, absender, empfaenger, betreff, text, "
    "zeitlimit";

constexpr const char* kStandardBetreff = "Export #ABRNUMMER# vom #ABRDATUM#";
constexpr const char* kStandardText =
    "Guten Tag,\n\n"
    "anbei die Buchungen des Exports #ABRNUMMER# für den Zeitraum #VONDATUM# bis #BISDATUM#.\n\n"
    "Mit freundlichen Grüßen\n";

bool HatSteuerzeichen(const std::string& text) {
  for (const unsigned char c : text) {
    if (c < 0x20 || c == 0x7f) return true;
  }
  return false;
}

TMailEinstellungen AusZeile(const suitedb::Statement& stmt) {
  TMailEinstellungen e;
  e.Mandant = {static_cast<int>(stmt.Int(0)), static_cast<int>(stmt.Int(1))};
  e.Host = stmt.Text(2);
  e.Port = static_cast<int>(stmt.Int(3));
  e.Tls = MailTlsAusText(stmt.Text(4)).value_or(TMailTls::StartTls);
  e.Benutzer = stmt.Text(5);
  e.Passwort = stmt.Text(6);
  e.Absender = stmt.Text(7);
  e.Empfaenger = MailAdressenTeilen(stmt.Text(8));
  e.Betreff = stmt.Text(9);
  e.Text = stmt.Text(10);
  e.Zeitlimit = static_cast<int>(stmt.Int(11));
  return e;
}

}  // namespace

int TMailEinstellungen::WirksamerPort() const {
  if (Port > 0) return Port;
  switch (Tls) {
    case TMailTls::Keine:
      return 25;
    case TMailTls::StartTls:
      return 587;
    case TMailTls::Tls:
      return 465;
  }
  return 25;
}

std::string TMailEinstellungen::WirksamerBetreff() const {
  return Betreff.empty() ? kStandardBetreff : Betreff;
}

std::string TMailEinstellungen::WirksamerText() const {
  return Text.empty() ? kStandardText : Text;
}

std::optional<TMailTls> MailTlsAusText(const std::string& text) {
  const std::string t = Utf8Upper(Trim(text));
  if (t == "NONE") return TMailTls::Keine;
  if (t == "STARTTLS") return TMailTls::StartTls;
  if (t == "TLS") return TMailTls::Tls;
  return std::nullopt;
}

std::string MailTlsText(TMailTls tls) {
  switch (tls) {
    case TMailTls::Keine:
      return "NONE";
    case TMailTls::StartTls:
      return "STARTTLS";
    case TMailTls::Tls:
      return "TLS";
  }
  return "STARTTLS";
}

std::vector<std::string> MailAdressenTeilen(const std::string& text) {
  std::vector<std::string> adressen;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto komma = text.find(',', start);
    const std::string teil =
        Trim(text.substr(start, komma == std::string::npos ? std::string::npos : komma - start));
    if (!teil.empty()) adressen.push_back(teil);
    if (komma == std::string::npos) break;
    start = komma + 1;
  }
  return adressen;
}

std::string MailAdressenText(const std::vector<std::string>& adressen) {
  std::string text;
  for (const auto& a : adressen) text += (text.empty() ? "" : ",") + a;
  return text;
}

bool MailAdresseGueltig(const std::string& adresse) {
  // The address goes into SMTP commands and headers: anything that could end a line or
  // a header field is refused.
  const auto at = adresse.rfind('@');
  if (at == std::string::npos || at == 0 || at + 1 >= adresse.size()) return false;
  for (const unsigned char c : adresse) {
    if (c <= 0x20 || c == 0x7f || c == '<' || c == '>' || c == ',' || c == ';' || c == '"' ||
        c == '(' || c == ')' || c == '\\') {
      return false;
    }
  }
  return true;
}

std::string MailEinstellungenPruefen(const TMailEinstellungen& e) {
  if (Trim(e.Host).empty()) return "Bitte geben Sie den Mailserver (Host) an.";
  const std::string hostProblem = InetHostPruefen(e.Host);
  if (!hostProblem.empty()) return hostProblem;
  if (e.Port < 0 || e.Port > 65535) return "Der Port muss zwischen 1 und 65535 liegen.";
  if (HatSteuerzeichen(e.Benutzer)) return "Der Benutzer enthält Steuerzeichen.";
  if (HatSteuerzeichen(e.Passwort)) return "Das Passwort enthält Steuerzeichen.";
  if (e.Benutzer.empty() && !e.Passwort.empty()) {
    return "Ein Passwort gibt es nur zusammen mit einem Benutzer.";
  }
  if (!MailAdresseGueltig(e.Absender)) {
    return "Der Absender \"" + e.Absender + "\" ist keine gültige Mailadresse.";
  }
  if (e.Empfaenger.empty()) return "Bitte geben Sie mindestens einen Empfänger an.";
  for (const auto& a : e.Empfaenger) {
    if (!MailAdresseGueltig(a)) return "Der Empfänger \"" + a + "\" ist keine gültige Mailadresse.";
  }
  // The subject becomes a header line: a line break would start headers of its own.
  if (HatSteuerzeichen(e.Betreff)) return "Der Betreff enthält Steuerzeichen.";
  // The mail declares its texts as UTF-8; anything else would arrive garbled.
  if (!Utf8Valid(e.Betreff)) return "Der Betreff ist kein UTF-8-Text.";
  if (!Utf8Valid(e.Text)) return "Der Text der Mail ist kein UTF-8-Text.";
  if (e.Zeitlimit < 1 || e.Zeitlimit > kMailZeitlimitMax) {
    return "Das Zeitlimit muss zwischen 1 und " + std::to_string(kMailZeitlimitMax) +
           " Sekunden liegen.";
  }
  return {};
}

std::optional<TMailEinstellungen> TMailEinstellungenSpeicher::Lesen(const TIntPair& mandant) {
  auto& stmt = SuiteDatabase::Get().Cached(std::string("SELECT ") + kSpalten +
                                           " FROM mail_einstellungen WHERE firma1 = ? AND "
                                           "firma2 = ?");
  stmt.With(mandant.Nr1, mandant.Nr2);
  std::optional<TMailEinstellungen> gefunden;
  if (stmt.Step()) gefunden = AusZeile(stmt);
  stmt.Reset();
  return gefunden;
}

std::vector<TMailEinstellungen> TMailEinstellungenSpeicher::Liste() {
  auto& stmt = SuiteDatabase::Get().Cached(std::string("SELECT ") + kSpalten +
                                           " FROM mail_einstellungen ORDER BY firma1, firma2");
  stmt.Reset();
  std::vector<TMailEinstellungen> liste;
  while (stmt.Step()) liste.push_back(AusZeile(stmt));
  return liste;
}

void TMailEinstellungenSpeicher::Speichern(const TMailEinstellungen& e) {
  const std::string problem = MailEinstellungenPruefen(e);
  if (!problem.empty()) throw std::invalid_argument(problem);
  SuiteDatabase::Get()
      .Cached(std::string("INSERT OR REPLACE INTO mail_einstellungen (") + kSpalten +
              ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
      .With(e.Mandant.Nr1, e.Mandant.Nr2, e.Host, e.Port, MailTlsText(e.Tls), e.Benutzer,
            e.Passwort, e.Absender, MailAdressenText(e.Empfaenger), e.Betreff, e.Text, e.Zeitlimit)
      .Run();
}

bool TMailEinstellungenSpeicher::Loeschen(const TIntPair& mandant) {
  return SuiteDatabase::Get()
             .Cached("DELETE FROM mail_einstellungen WHERE firma1 = ? AND firma2 = ?")
             .With(mandant.Nr1, mandant.Nr2)
             .Run() > 0;
}
