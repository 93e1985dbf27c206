#include "suite/transfer/FTP_SFTP_Simple_Use.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "suite/QTXInfo.h"

namespace {

// Failures that another attempt a moment later would only repeat.
bool Endgueltig(TFtpDiagnose diagnose) {
  switch (diagnose) {
    case TFtpDiagnose::Konfiguration:
    case TFtpDiagnose::Dateifehler:
    case TFtpDiagnose::AnmeldungAbgelehnt:
    case TFtpDiagnose::HostKeyUnbekannt:
    case TFtpDiagnose::HostKeyGeaendert:
    case TFtpDiagnose::ZertifikatUngueltig:
    case TFtpDiagnose::Abgebrochen:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TKWX_FTP_SFTP_Simple_Use::Log(TLogArt art, const std::string& text) const {
  if (Protokoll) Protokoll(art, text);
}

bool TKWX_FTP_SFTP_Simple_Use::Verbinden(TQTXFtpComponent& ftp) {
  Log(TLogArt::Info, "Verbindungsaufbau mit FTP-Server...");
  if (!ftp.Connect()) return false;
  Log(TLogArt::Info, "Mit FTP-Server verbunden...");
  return ftp.ChangeDirVerbindung();
}

bool TKWX_FTP_SFTP_Simple_Use::UploadDatei(const std::string& localFile,
                                           const std::string& verbindungsName,
                                           const std::string& remoteName) {
  fehlerText_.clear();
  diagnose_ = TFtpDiagnose::Ok;
  versuche_ = 0;
  try {
    TQTXFtpComponent ftp;
    ftp.OnConnected = OnConnected;
    ftp.OnConnectionFailed = OnConnectionFailed;
    ftp.OnFailure = OnFailure;
    ftp.OnFortschritt = OnFortschritt;
    if (!knownHosts_.empty()) ftp.SetKnownHostsDatei(knownHosts_);
    const auto fertig = [&](bool ok) {
      fehlerText_ = ok ? std::string() : ftp.FehlerText();
      diagnose_ = ok ? TFtpDiagnose::Ok : ftp.Diagnose();
      ftp.Disconnect();
      Log(TLogArt::Info, "FTP-Verbindung geschlossen.");
      return ok;
    };
    if (!ftp.KonfigurierenAusEintrag(verbindungsName)) {
      fehlerText_ = ftp.FehlerText();
      diagnose_ = ftp.Diagnose();
      Log(TLogArt::Fehler, fehlerText_);
      return false;
    }
    const std::string ziel =
        remoteName.empty() ? std::filesystem::path(localFile).filename().string() : remoteName;

    bool verbunden = Verbinden(ftp);
    Log(TLogArt::Info, "Upload von Datei " + localFile);
    for (int versuch = 1; versuch <= kVersuche; ++versuch) {
      versuche_ = versuch;
      if (verbunden && ftp.Upload(localFile, ziel)) return fertig(true);
      if (Endgueltig(ftp.Diagnose())) break;
      if (versuch == kVersuche) break;
      Log(TLogArt::Warnung, "Problem beim Upload von Datei " + localFile + "! Versuche es erneut.");
      ftp.Disconnect();
      std::this_thread::sleep_for(std::chrono::milliseconds(wartezeitMs_));
      verbunden = Verbinden(ftp);
    }
    Log(TLogArt::Fehler, "Giving up... Konnte die Datei " + localFile + " nicht hochladen!");
    if (!ftp.FehlerText().empty()) Log(TLogArt::Fehler, ftp.FehlerText());
    return fertig(false);
  } catch (const std::exception& e) {
    QTXInfo().ResetError();
    QTXInfo().RegisterException("TKWX_FTP_SFTP_Simple_Use.UploadDatei", e, true);
    fehlerText_ = e.what();
    diagnose_ = TFtpDiagnose::Serverfehler;
    return false;
  }
}
