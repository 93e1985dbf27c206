// The suite's mail sender: one MIME message to the client's SMTP server over libcurl
// (plain, STARTTLS or implicit TLS, with or without login). The result says plainly
// whether the mail went out and, if not, why. Passwords never reach a message or a log.
#pragma once

#include <string>

#include "suite/transfer/MailEinstellungen.h"
#include "suite/transfer/MimeNachricht.h"

enum class TMailStatus {
  Gesendet,
  NichtEingerichtet,    // no mail settings for the client
  Konfiguration,        // the settings are unusable
  AnhangFehlt,          // an attachment is missing or unreadable
  NichtErreichbar,      // name not resolved, connection refused
  Zeitlimit,            // no answer within the time-out
  Tls,                  // TLS refused or the certificate not trusted
  AnmeldungAbgelehnt,   // user or password refused
  AbsenderAbgelehnt,    // MAIL FROM refused
  EmpfaengerAbgelehnt,  // RCPT TO refused
  NachrichtAbgelehnt,   // the message itself refused after DATA
  Verbindungsabbruch,   // the connection broke off
  Serverfehler,         // anything else the server refused
};

struct TMailErgebnis {
  TMailStatus Status = TMailStatus::Serverfehler;  // "sent" only when set so
  std::string Text;                                // one line; for a sent mail, to whom
  bool Gesendet() const { return Status == TMailStatus::Gesendet; }
};

class TSendDoc {
 public:
  explicit TSendDoc(TMailEinstellungen einstellungen) : einstellungen_(std::move(einstellungen)) {}

  // Certificate authority (PEM) the server's certificate is checked against; default: the
  // system's.
  void SetZertifikatsdatei(std::string datei) { zertifikatsdatei_ = std::move(datei); }
  const TMailEinstellungen& Einstellungen() const { return einstellungen_; }

  // Reads the attachments, builds the message and sends it. Nothing is sent when an
  // attachment is missing. Failures are registered under "TSendDoc.Senden".
  TMailErgebnis Senden(const TMailNachricht& nachricht);

 private:
  TMailErgebnis SendenIntern(const TMailNachricht& nachricht);

  TMailEinstellungen einstellungen_;
  std::string zertifikatsdatei_;
};
