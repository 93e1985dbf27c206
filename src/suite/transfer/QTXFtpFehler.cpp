// The component's failures: the texts of the failure kinds and the one-line diagnosis of
// a failed request.
#include <curl/curl.h>

#include "suite/QTXInfo.h"
#include "suite/transfer/KnownHosts.h"
#include "suite/transfer/QTXFtpComponent.h"
#include "suite/transfer/QTXFtpComponentIntern.h"

std::string FtpFehlerArtText(int art) {
  switch (art) {
    case 0:
      return "Fehler beim Wechseln des aktuellen Verzeichnisses";
    case 1:
      return "Fehler beim Anlegen eines Verzeichnisses";
    case 2:
      return "Fehler beim Löschen einer Datei";
    case 3:
      return "Fehler beim Löschen eines Verzeichnises";
    case 4:
      return "Fehler beim Lesen des Verzeichnisinhalts";
    case 5:
      return "Fehler beim Umbenennen";
    case 6:
      return "Fehler beim Upload (Restore)";
    case 7:
      return "Fehler beim Download (Restore)";
    case 8:
      return "Fehler beim Download";
    case 9:
      return "Fehler beim Upload";
    case 10:
      return "Fehler beim Upload (Append)";
    default:
      return "Allgemeiner Fehler";
  }
}

bool TQTXFtpComponent::Fehlschlag(const char* operation, const Ergebnis& e, TFtpFehlerArt art,
                                  bool verweigertHeisstVerzeichnis) {
  const auto& v = verbindung_;
  const std::string server = v.Host + ":" + std::to_string(v.WirksamerPort());
  std::string text;
  switch (e.code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
      diagnose_ = TFtpDiagnose::NichtErreichbar;
      text = "Der Server " + server + " ist nicht erreichbar (" + e.text + ").";
      break;
    case CURLE_OPERATION_TIMEDOUT:
      diagnose_ = TFtpDiagnose::Zeitlimit;
      text = "Der Server " + server + " hat nicht innerhalb von " + std::to_string(zeitlimit_) +
             " Sekunden geantwortet (" + e.text + ").";
      break;
    case CURLE_LOGIN_DENIED:
      diagnose_ = TFtpDiagnose::AnmeldungAbgelehnt;
      text = "Der Server " + server + " hat die Anmeldung von \"" + v.Benutzer + "\" abgelehnt (" +
             (v.Schluesseldatei.empty() ? "Passwort" : "Schlüssel") + " falsch?).";
      break;
    case CURLE_PEER_FAILED_VERIFICATION:
      if (!e.schreibfehler.empty()) {
        diagnose_ = TFtpDiagnose::Konfiguration;
        text = "Der Host-Schlüssel von " + server +
               " kann nicht gespeichert werden: " + e.schreibfehler + ".";
      } else if (e.hostKeyBefund == CURLKHMATCH_MISSING) {
        diagnose_ = TFtpDiagnose::HostKeyUnbekannt;
        text = "Dem Host-Schlüssel von " + server + " (" + HostKeyFingerprint(e.hostKeyBlob) +
               ") wird noch nicht vertraut; nach Prüfung des Fingerabdrucks: saldix-suite "
               "connection trust " +
               v.Name;
      } else if (e.hostKeyBefund == CURLKHMATCH_MISMATCH) {
        diagnose_ = TFtpDiagnose::HostKeyGeaendert;
        text = "Der Host-Schlüssel von " + server + " hat sich geändert (jetzt " +
               HostKeyFingerprint(e.hostKeyBlob) +
               "), die Verbindung wird verweigert; nur wenn der neue Schlüssel sicher stimmt: "
               "saldix-suite connection trust " +
               v.Name + " --replace";
      } else {
        diagnose_ = TFtpDiagnose::ZertifikatUngueltig;
        text = "Dem Zertifikat von " + server + " wird nicht vertraut (" + e.text + ").";
      }
      break;
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CACERT_BADFILE:
      diagnose_ = TFtpDiagnose::ZertifikatUngueltig;
      text = "Die TLS-Verbindung zu " + server + " kommt nicht zustande (" + e.text + ").";
      break;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
      if (verweigertHeisstVerzeichnis) {
        diagnose_ = TFtpDiagnose::VerzeichnisFehlt;
        text = "Das Verzeichnis \"" + (verzeichnis_.empty() ? std::string(".") : verzeichnis_) +
               "\" gibt es auf " + server + " nicht oder es ist nicht zugänglich (" + e.text + ").";
      } else {
        diagnose_ = TFtpDiagnose::Serverfehler;
        text = "Der Server " + server + " hat den Zugriff verweigert (" + e.text + ").";
      }
      break;
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_PORT_FAILED:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
      diagnose_ = TFtpDiagnose::Datenverbindung;
      text = std::string("Die Datenverbindung (") + (v.Passiv ? "passiv" : "aktiv") + ") zu " +
             server + " ist fehlgeschlagen (" + e.text + ").";
      break;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_SSH:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
      diagnose_ = TFtpDiagnose::Verbindungsabbruch;
      text = "Die Verbindung zu " + server + " ist abgebrochen (" + e.text + ").";
      break;
    case CURLE_ABORTED_BY_CALLBACK:
      diagnose_ = TFtpDiagnose::Abgebrochen;
      text = "Die Übertragung zu " + server + " wurde abgebrochen.";
      break;
    case CURLE_READ_ERROR:
      diagnose_ = TFtpDiagnose::Dateifehler;
      text = "Die lokale Datei ließ sich nicht lesen (" + e.text + ").";
      break;
    default:
      diagnose_ = TFtpDiagnose::Serverfehler;
      text = "Der Server " + server + " meldet einen Fehler (" + e.text + ").";
      break;
  }
  fehlerText_ = text;
  QTXInfo().RegisterException(std::string("TQTXFtpComponent.") + operation, text, true);
  if (diagnose_ == TFtpDiagnose::Verbindungsabbruch || diagnose_ == TFtpDiagnose::Zeitlimit ||
      diagnose_ == TFtpDiagnose::NichtErreichbar) {
    connected_ = false;
  }
  if (OnFailure) OnFailure(art, text);
  return false;
}
