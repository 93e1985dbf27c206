// The suite's simple transfer use: one call that uploads a finished export file to the
// target named by an INET connection entry, with the retry loop.
#pragma once

#include <functional>
#include <string>

#include "suite/transfer/QTXFtpComponent.h"

class TKWX_FTP_SFTP_Simple_Use {
 public:
  using TLogArt = TQTXFtpComponent::TLogArt;
  using TProtokoll = std::function<void(TLogArt art, const std::string& text)>;

  static constexpr int kVersuche = 5;
  static constexpr int kWartezeitMs = 2000;

  // Uploads localFile into the entry's directory under remoteName (default: the local
  // file's name). Up to five attempts; between two the connection is closed, the wait
  // passes and it is opened again. True only when the file arrived under its final name.
  bool UploadDatei(const std::string& localFile, const std::string& verbindungsName,
                   const std::string& remoteName = {});

  // Log lines of the transfer (connection, attempts, giving up); optional.
  TProtokoll Protokoll;
  // Handlers handed on to each component the upload uses; optional.
  std::function<void()> OnConnected;
  std::function<void(const std::string&)> OnConnectionFailed;
  std::function<void(TFtpFehlerArt, const std::string&)> OnFailure;
  std::function<bool(std::int64_t, std::int64_t)> OnFortschritt;

  void SetWartezeitMs(int ms) { wartezeitMs_ = ms < 0 ? 0 : ms; }
  void SetKnownHostsDatei(std::string datei) { knownHosts_ = std::move(datei); }

  // The last failure as one line; empty after success.
  const std::string& FehlerText() const { return fehlerText_; }
  TFtpDiagnose Diagnose() const { return diagnose_; }
  int Versuche() const { return versuche_; }

 private:
  void Log(TLogArt art, const std::string& text) const;
  bool Verbinden(TQTXFtpComponent& ftp);

  int wartezeitMs_ = kWartezeitMs;
  std::string knownHosts_;
  std::string fehlerText_;
  TFtpDiagnose diagnose_ = TFtpDiagnose::Ok;
  int versuche_ = 0;
};
