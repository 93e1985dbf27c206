// The mail dispatch settings of one client: SMTP server, TLS mode, login, sender,
// recipients and the subject and body templates. Stored in the suite database; the
// password stays inside the entry and nothing here prints it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "suite/Types.h"

enum class TMailTls { Keine, StartTls, Tls };

struct TMailEinstellungen {
  TIntPair Mandant;
  std::string Host;
  int Port = 0;  // 0: the TLS mode's default port (25, 587, 465)
  TMailTls Tls = TMailTls::StartTls;
  std::string Benutzer;  // empty: no login
  std::string Passwort;
  std::string Absender;
  std::vector<std::string> Empfaenger;
  std::string Betreff;  // empty: the built-in template
  std::string Text;     // empty: the built-in template
  int Zeitlimit = 60;   // seconds for connecting and for a stalled transfer

  int WirksamerPort() const;
  std::string WirksamerBetreff() const;
  std::string WirksamerText() const;
};

inline constexpr int kMailZeitlimitMax = 3600;

// "none", "starttls", "tls" (any case); nullopt for anything else.
std::optional<TMailTls> MailTlsAusText(const std::string& text);
// The stored form: "NONE", "STARTTLS", "TLS".
std::string MailTlsText(TMailTls tls);

// "a@b, c@d" -> {"a@b", "c@d"}; empty parts dropped.
std::vector<std::string> MailAdressenTeilen(const std::string& text);
std::string MailAdressenText(const std::vector<std::string>& adressen);
// A bare address "local@domain" without blanks, brackets or control characters.
bool MailAdresseGueltig(const std::string& adresse);

// The first problem of an entry as one line; empty when it can be used.
std::string MailEinstellungenPruefen(const TMailEinstellungen& einstellungen);

// The entries of the suite database (table mail_einstellungen).
class TMailEinstellungenSpeicher {
 public:
  static std::optional<TMailEinstellungen> Lesen(const TIntPair& mandant);
  static std::vector<TMailEinstellungen> Liste();
  // Inserts or replaces the client's entry. Throws std::invalid_argument with the check's
  // text for an unusable entry.
  static void Speichern(const TMailEinstellungen& einstellungen);
  static bool Loeschen(const TIntPair& mandant);
};
