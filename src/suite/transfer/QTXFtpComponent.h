// The suite's FTP component: one connection to an FTP, FTPS or SFTP server over libcurl,
// with connect, change directory, list, upload, delete and disconnect. Failures are
// reported through the handlers (failure kinds as the formats' messages expect them),
// registered with the message service under "TQTXFtpComponent.<operation>", and kept as
// a diagnosis for one clear line. Passwords never reach a URL, a message or a log.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "suite/transfer/InetVerbindung.h"

// The kinds of failure the component reports to its failure handler.
enum class TFtpFehlerArt : int {
  Verzeichniswechsel = 0,
  VerzeichnisAnlegen = 1,
  DateiLoeschen = 2,
  VerzeichnisLoeschen = 3,
  VerzeichnisLesen = 4,
  Umbenennen = 5,
  UploadRestore = 6,
  DownloadRestore = 7,
  Download = 8,
  Upload = 9,
  UploadAppend = 10,
  Allgemein = 11,
};

// The message text of a failure kind (any number outside 0..10: the general failure).
std::string FtpFehlerArtText(int art);

// What went wrong, for one line to the person who set the connection up.
enum class TFtpDiagnose {
  Ok,
  Konfiguration,        // the entry itself is unusable
  NichtErreichbar,      // name not resolved, connection refused
  Zeitlimit,            // no answer within the time-out
  AnmeldungAbgelehnt,   // user, password or key refused
  HostKeyUnbekannt,     // SFTP: first contact, key not yet trusted
  HostKeyGeaendert,     // SFTP: the server shows another key than the trusted one
  ZertifikatUngueltig,  // FTPS: certificate not trusted, or no TLS offered
  VerzeichnisFehlt,
  Datenverbindung,     // FTP data connection (active/passive) failed
  Verbindungsabbruch,  // the connection broke off during a command or transfer
  Abgebrochen,         // stopped by the caller
  Dateifehler,         // local file unreadable
  Serverfehler,        // a command was refused (rename, delete, store)
};

class TQTXFtpComponent {
 public:
  enum class TLogArt { Info, Warnung, Fehler };

  explicit TQTXFtpComponent(int zeitlimitSekunden = 60);
  ~TQTXFtpComponent();
  TQTXFtpComponent(const TQTXFtpComponent&) = delete;
  TQTXFtpComponent& operator=(const TQTXFtpComponent&) = delete;

  // Takes host, credentials, directory, mode and time-out of the entry; false (and a
  // diagnosis) when the entry is unusable. By name: the entry of the suite database.
  bool Konfigurieren(const TInetVerbindung& verbindung);
  bool KonfigurierenAusEintrag(const std::string& name);
  const TInetVerbindung& Verbindung() const { return verbindung_; }

  int Zeitlimit() const { return zeitlimit_; }
  void SetZeitlimit(int sekunden);
  bool Passiv() const { return verbindung_.Passiv; }
  void SetPassiv(bool passiv) { verbindung_.Passiv = passiv; }
  // The known-hosts file checked for SFTP (default: the suite's).
  void SetKnownHostsDatei(std::string datei) { knownHosts_ = std::move(datei); }
  const std::string& KnownHostsDatei() const { return knownHosts_; }

  bool Connect();
  bool Connected() const { return connected_; }
  // Changes to dir (absolute, or relative to the current directory) once it proved to
  // exist; the current directory stays when it does not.
  bool ChangeDir(const std::string& dir);
  // Changes to the entry's directory when it names one.
  bool ChangeDirVerbindung();
  const std::string& AktuellesVerzeichnis() const { return verzeichnis_; }
  // The names in the current directory (without "." and "..").
  bool List(std::vector<std::string>& namen);
  // Writes localFile as remoteName into the current directory: under a temporary name
  // first, renamed to remoteName only when complete. A failed upload removes the
  // temporary file where the server still answers, and never reports success.
  bool Upload(const std::string& localFile, const std::string& remoteName);
  bool Delete(const std::string& remoteName);
  void Disconnect();

  // The active/passive probe: lists the current directory in the configured mode and, when
  // the data connection fails there, in the other one. A mode that works is kept (and
  // stored in the entry this component was configured from by name).
  bool AktivPassivPruefen();

  // SFTP: connects once accepting the server's key and stores it in the known-hosts file.
  // A key different from the stored one is replaced only with ersetzen; with erwartet the
  // key is stored only when it has that fingerprint. Gives the key's type and fingerprint.
  bool HostKeyVertrauen(bool ersetzen, std::string& typ, std::string& fingerprint,
                        const std::string& erwartet = {});

  TFtpDiagnose Diagnose() const { return diagnose_; }
  // The last failure as one line (empty after success).
  const std::string& FehlerText() const { return fehlerText_; }
  // The temporary remote name an upload of remoteName uses.
  static std::string TemporaererName(const std::string& remoteName);

  // Handlers, all optional.
  std::function<void()> OnConnected;
  std::function<void(const std::string& text)> OnConnectionFailed;
  std::function<void(TFtpFehlerArt art, const std::string& text)> OnFailure;
  std::function<void(bool vonAktivAufPassiv)> OnAktivPassivWechsel;
  // Progress of an upload; returning false stops it (the upload then fails).
  std::function<bool(std::int64_t gesendet, std::int64_t gesamt)> OnFortschritt;

 private:
  struct Anfrage;
  struct Ergebnis;

  Ergebnis Ausfuehren(Anfrage& anfrage);
  std::string Url(const std::string& dir, const std::string& datei) const;
  std::string SftpPfad(const std::string& datei) const;
  bool Fehlschlag(const char* operation, const Ergebnis& ergebnis, TFtpFehlerArt art,
                  bool verbindungsfehler);
  void Erfolg();
  void EntferneTemporaer(const std::string& temp);

  TInetVerbindung verbindung_;
  bool konfiguriert_ = false;
  std::string eintragName_;
  int zeitlimit_;
  std::string knownHosts_;
  std::string verzeichnis_;
  bool connected_ = false;
  void* curl_ = nullptr;
  TFtpDiagnose diagnose_ = TFtpDiagnose::Ok;
  std::string fehlerText_;
};
