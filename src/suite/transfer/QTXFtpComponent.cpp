#include "suite/transfer/QTXFtpComponent.h"

#include <curl/curl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "suite/Guarded.h"
#include "suite/QTXInfo.h"
#include "suite/transfer/CurlGlobal.h"
#include "suite/transfer/KnownHosts.h"
#include "suite/transfer/QTXFtpComponentIntern.h"
#include "suite/transfer/Sha256.h"

namespace fs = std::filesystem;

namespace {

CURL* Handle(void* p) { return static_cast<CURL*>(p); }

// Percent-encodes one path segment for a URL.
std::string Kodiert(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const unsigned char c : text) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
        c == '.' || c == '_' || c == '~') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

// "a//b/" -> "a/b"; "/" stays "/".
std::string Normalisiert(const std::string& pfad) {
  std::string out;
  for (const char c : pfad) {
    if (c == '/' && !out.empty() && out.back() == '/') continue;
    out += c;
  }
  while (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

std::string SegmenteKodiert(const std::string& pfad) {
  std::string out;
  std::size_t start = 0;
  while (start <= pfad.size()) {
    const std::size_t ende = pfad.find('/', start);
    const std::string teil = pfad.substr(start, ende == std::string::npos ? ende : ende - start);
    if (!teil.empty()) out += Kodiert(teil) + "/";
    if (ende == std::string::npos) break;
    start = ende + 1;
  }
  return out;
}

// A path inside an SFTP quote command, in double quotes.
std::string SftpZitiert(const std::string& pfad) {
  std::string out = "\"";
  for (const char c : pfad) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

bool NameZulaessig(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const unsigned char c : name) {
    if (c < 0x20 || c == 0x7f || c == '/' || c == '\\') return false;
  }
  return true;
}

int HostKeyRueckruf(CURL*, const curl_khkey*, const curl_khkey* gefunden, curl_khmatch befund,
                    void* kontext) {
  auto& p = *static_cast<HostKeyPruefung*>(kontext);
  p.befund = befund;
  if (gefunden) {
    if (gefunden->len > 0) {
      p.blob.assign(gefunden->key, gefunden->len);
    } else if (!Base64Decode(gefunden->key, p.blob)) {
      p.blob.clear();
    }
  }
  if (p.modus != HostKeyPruefung::Modus::Pruefen && !p.erwartet.empty() &&
      HostKeyFingerprint(p.blob) != p.erwartet) {
    p.abweichend = true;
    return CURLKHSTAT_REJECT;
  }
  if (befund == CURLKHMATCH_OK) return CURLKHSTAT_FINE;
  const bool annehmen =
      (befund == CURLKHMATCH_MISSING && p.modus != HostKeyPruefung::Modus::Pruefen) ||
      (befund == CURLKHMATCH_MISMATCH && p.modus == HostKeyPruefung::Modus::Ersetzen);
  if (!annehmen) return CURLKHSTAT_REJECT;
  try {
    KnownHostsEintragen(p.datei, p.host, p.port, p.blob);
    return CURLKHSTAT_FINE;
  } catch (const std::exception& e) {
    p.schreibfehler = e.what();
    return CURLKHSTAT_REJECT;
  }
}

size_t Sammeln(char* daten, size_t groesse, size_t anzahl, void* ziel) {
  static_cast<std::string*>(ziel)->append(daten, groesse * anzahl);
  return groesse * anzahl;
}

}  // namespace

TQTXFtpComponent::TQTXFtpComponent(int zeitlimitSekunden)
    : zeitlimit_(zeitlimitSekunden > 0 ? zeitlimitSekunden : 60),
      knownHosts_(SuiteKnownHostsDatei()) {
  CurlGlobal();
}

TQTXFtpComponent::~TQTXFtpComponent() {
  TeardownStep("TQTXFtpComponent.Destroy", [&] { Disconnect(); });
}

void TQTXFtpComponent::SetZeitlimit(int sekunden) {
  if (sekunden > 0) zeitlimit_ = sekunden;
}

bool TQTXFtpComponent::Konfigurieren(const TInetVerbindung& verbindung) {
  Disconnect();
  eintragName_.clear();
  const std::string problem = InetVerbindungPruefen(verbindung);
  konfiguriert_ = problem.empty();
  verbindung_ = verbindung;
  verzeichnis_.clear();
  if (!konfiguriert_) {
    diagnose_ = TFtpDiagnose::Konfiguration;
    fehlerText_ = "Die Verbindung \"" + verbindung.Name + "\" ist unvollständig: " + problem;
    QTXInfo().RegisterException("TQTXFtpComponent.Konfigurieren", fehlerText_, true);
    return false;
  }
  zeitlimit_ = verbindung.Zeitlimit;
  Erfolg();
  return true;
}

bool TQTXFtpComponent::KonfigurierenAusEintrag(const std::string& name) {
  const auto eintrag = GuardedOr("TQTXFtpComponent.Konfigurieren", std::optional<TInetVerbindung>(),
                                 [&] { return TInetVerbindungen::Lesen(name); });
  if (!eintrag) {
    Disconnect();
    konfiguriert_ = false;
    diagnose_ = TFtpDiagnose::Konfiguration;
    fehlerText_ = "Eine INET-Verbindung \"" + name + "\" gibt es nicht.";
    QTXInfo().RegisterException("TQTXFtpComponent.Konfigurieren", fehlerText_, true);
    return false;
  }
  if (!Konfigurieren(*eintrag)) return false;
  eintragName_ = name;
  return true;
}

std::string TQTXFtpComponent::TemporaererName(const std::string& remoteName) {
  // A dot file is hidden from most readers that poll a directory; the process id keeps
  // two workstations that upload the same name apart.
  return "." + remoteName + "." + std::to_string(getpid()) + ".part";
}

std::string TQTXFtpComponent::Url(const std::string& dir, const std::string& datei) const {
  const auto& v = verbindung_;
  const bool sftp = v.Protokoll == TInetProtokoll::SFTP;
  std::string url =
      (sftp ? "sftp://" : "ftp://") + v.Host + ":" + std::to_string(v.WirksamerPort());
  const bool absolut = !dir.empty() && dir.front() == '/';
  if (sftp) {
    url += absolut ? "/" : "/~/";
  } else {
    // An FTP URL's path is relative to the login directory; %2F makes it absolute.
    url += absolut ? "/%2F" : "/";
  }
  url += SegmenteKodiert(dir);
  return url + Kodiert(datei);
}

std::string TQTXFtpComponent::SftpPfad(const std::string& datei) const {
  if (verzeichnis_.empty()) return datei;
  if (verzeichnis_ == "/") return "/" + datei;
  return verzeichnis_ + "/" + datei;
}

TQTXFtpComponent::Ergebnis TQTXFtpComponent::Ausfuehren(Anfrage& a) {
  Ergebnis e;
  if (!curl_) curl_ = curl_easy_init();
  if (!curl_) {
    e.code = CURLE_OUT_OF_MEMORY;
    e.text = "libcurl lässt sich nicht starten";
    return e;
  }
  CURL* c = Handle(curl_);
  // Resetting the options keeps the open connection for the next request.
  curl_easy_reset(c);
  char fehler[CURL_ERROR_SIZE] = {};
  const auto& v = verbindung_;
  const bool sftp = v.Protokoll == TInetProtokoll::SFTP;

  curl_easy_setopt(c, CURLOPT_URL, a.url.c_str());
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, fehler);
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, sftp ? "sftp" : "ftp");
  curl_easy_setopt(c, CURLOPT_USERNAME, v.Benutzer.c_str());
  curl_easy_setopt(c, CURLOPT_PASSWORD, v.Passwort.c_str());
  const long zeitlimit = zeitlimit_;
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, zeitlimit);
  curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, zeitlimit);
  curl_easy_setopt(c, CURLOPT_ACCEPTTIMEOUT_MS, zeitlimit * 1000L);
  // A transfer that moves nothing for the whole time-out counts as timed out.
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, zeitlimit);

  HostKeyPruefung& hk = a.hostKey;
  if (sftp) {
    hk.datei = knownHosts_;
    hk.host = v.Host;
    hk.port = v.WirksamerPort();
    curl_easy_setopt(c, CURLOPT_SSH_KNOWNHOSTS, knownHosts_.c_str());
    curl_easy_setopt(c, CURLOPT_SSH_KEYFUNCTION, &HostKeyRueckruf);
    curl_easy_setopt(c, CURLOPT_SSH_KEYDATA, &hk);
    if (!v.Schluesseldatei.empty()) {
      curl_easy_setopt(c, CURLOPT_SSH_AUTH_TYPES, static_cast<long>(CURLSSH_AUTH_PUBLICKEY));
      curl_easy_setopt(c, CURLOPT_SSH_PRIVATE_KEYFILE, v.Schluesseldatei.c_str());
      // Empty: libssh2 derives the public key from the private one.
      curl_easy_setopt(c, CURLOPT_SSH_PUBLIC_KEYFILE, "");
    } else {
      curl_easy_setopt(c, CURLOPT_SSH_AUTH_TYPES,
                       static_cast<long>(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
    }
  } else {
    if (v.Protokoll == TInetProtokoll::FTPS) {
      curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
      if (!v.Zertifikatsdatei.empty()) {
        curl_easy_setopt(c, CURLOPT_CAINFO, v.Zertifikatsdatei.c_str());
      }
    }
    if (!v.Passiv) curl_easy_setopt(c, CURLOPT_FTPPORT, "-");
  }

  curl_slist* quote = nullptr;
  curl_slist* postquote = nullptr;
  for (const auto& q : a.quote) quote = curl_slist_append(quote, q.c_str());
  for (const auto& q : a.postquote) postquote = curl_slist_append(postquote, q.c_str());
  if (quote) curl_easy_setopt(c, CURLOPT_QUOTE, quote);
  if (postquote) curl_easy_setopt(c, CURLOPT_POSTQUOTE, postquote);
  if (a.nobody) curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
  if (a.namensliste) curl_easy_setopt(c, CURLOPT_DIRLISTONLY, 1L);
  std::string verworfen;
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Sammeln);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, a.ausgabe ? a.ausgabe : &verworfen);
  if (a.upload) {
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READDATA, a.upload);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(a.groesse));
    if (OnFortschritt) {
      curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
      curl_easy_setopt(c, CURLOPT_XFERINFODATA, this);
      curl_easy_setopt(
          c, CURLOPT_XFERINFOFUNCTION,
          +[](void* self, curl_off_t, curl_off_t, curl_off_t gesamt, curl_off_t gesendet) -> int {
            auto* komponente = static_cast<TQTXFtpComponent*>(self);
            return komponente->OnFortschritt(gesendet, gesamt) ? 0 : 1;
          });
    }
  }

  e.code = curl_easy_perform(c);
  curl_slist_free_all(quote);
  curl_slist_free_all(postquote);
  e.text = fehler[0] ? fehler : curl_easy_strerror(e.code);
  while (!e.text.empty() && (e.text.back() == '\n' || e.text.back() == '\r')) e.text.pop_back();
  e.hostKeyBefund = hk.befund;
  e.hostKeyBlob = hk.blob;
  e.schreibfehler = hk.schreibfehler;
  e.hostKeyAbweichend = hk.abweichend;
  return e;
}

void TQTXFtpComponent::Erfolg() {
  diagnose_ = TFtpDiagnose::Ok;
  fehlerText_.clear();
}

bool TQTXFtpComponent::Connect() {
  Erfolg();
  if (!konfiguriert_) {
    diagnose_ = TFtpDiagnose::Konfiguration;
    fehlerText_ = "Die FTP-Komponente hat keine Verbindung konfiguriert.";
    QTXInfo().RegisterException("TQTXFtpComponent.Connect", fehlerText_, true);
    if (OnConnectionFailed) OnConnectionFailed(fehlerText_);
    return false;
  }
  const auto& v = verbindung_;
  if (!v.Schluesseldatei.empty()) {
    std::FILE* probe = std::fopen(v.Schluesseldatei.c_str(), "rb");
    if (!probe) {
      diagnose_ = TFtpDiagnose::Konfiguration;
      fehlerText_ = "Die Schlüsseldatei \"" + v.Schluesseldatei + "\" kann nicht gelesen werden.";
      QTXInfo().RegisterException("TQTXFtpComponent.Connect", fehlerText_, true);
      if (OnConnectionFailed) OnConnectionFailed(fehlerText_);
      return false;
    }
    std::fclose(probe);
  }
  Anfrage a;
  a.url = Url("", "");
  a.nobody = true;
  const Ergebnis e = Ausfuehren(a);
  if (e.code != CURLE_OK) {
    connected_ = false;
    Fehlschlag("Connect", e, TFtpFehlerArt::Allgemein, false);
    if (OnConnectionFailed) OnConnectionFailed(fehlerText_);
    return false;
  }
  connected_ = true;
  verzeichnis_.clear();
  if (OnConnected) OnConnected();
  return true;
}

bool TQTXFtpComponent::ChangeDir(const std::string& dir) {
  Erfolg();
  if (dir.empty()) return true;
  const std::string vorher = verzeichnis_;
  if (dir.front() == '/' || verzeichnis_.empty()) {
    verzeichnis_ = Normalisiert(dir);
  } else {
    verzeichnis_ = Normalisiert(verzeichnis_ + "/" + dir);
  }
  Anfrage a;
  std::string liste;
  if (verbindung_.Protokoll == TInetProtokoll::SFTP) {
    // An SFTP request without a body does not look at the path: listing proves it exists.
    a.url = Url(verzeichnis_, "");
    a.namensliste = true;
    a.ausgabe = &liste;
  } else {
    // FTP changes into each part of the path before it does anything else.
    a.url = Url(verzeichnis_, "");
    a.nobody = true;
  }
  const Ergebnis e = Ausfuehren(a);
  if (e.code != CURLE_OK) {
    Fehlschlag("ChangeDir", e, TFtpFehlerArt::Verzeichniswechsel, true);
    verzeichnis_ = vorher;
    return false;
  }
  return true;
}

bool TQTXFtpComponent::ChangeDirVerbindung() { return ChangeDir(verbindung_.Verzeichnis); }

bool TQTXFtpComponent::List(std::vector<std::string>& namen) {
  Erfolg();
  namen.clear();
  Anfrage a;
  std::string liste;
  a.url = Url(verzeichnis_, "");
  a.namensliste = true;
  a.ausgabe = &liste;
  const Ergebnis e = Ausfuehren(a);
  if (e.code != CURLE_OK) return Fehlschlag("List", e, TFtpFehlerArt::VerzeichnisLesen, true);
  std::size_t start = 0;
  while (start < liste.size()) {
    std::size_t ende = liste.find('\n', start);
    if (ende == std::string::npos) ende = liste.size();
    std::string name = liste.substr(start, ende - start);
    if (!name.empty() && name.back() == '\r') name.pop_back();
    if (!name.empty() && name != "." && name != "..") namen.push_back(name);
    start = ende + 1;
  }
  return true;
}

void TQTXFtpComponent::EntferneTemporaer(const std::string& temp) {
  // Best effort: the server may be gone. What stays behind is a hidden ".part" file, never
  // a file under the final name.
  Anfrage a;
  a.url = Url(verzeichnis_, "");
  a.nobody = true;
  if (verbindung_.Protokoll == TInetProtokoll::SFTP) {
    a.quote = {"rm " + SftpZitiert(SftpPfad(temp))};
  } else {
    a.postquote = {"DELE " + temp};
  }
  Ausfuehren(a);
}

bool TQTXFtpComponent::Upload(const std::string& localFile, const std::string& remoteName) {
  Erfolg();
  if (!NameZulaessig(remoteName)) {
    diagnose_ = TFtpDiagnose::Konfiguration;
    fehlerText_ = "\"" + remoteName + "\" ist kein zulässiger Dateiname auf dem Server.";
    QTXInfo().RegisterException("TQTXFtpComponent.Upload", fehlerText_, true);
    if (OnFailure) OnFailure(TFtpFehlerArt::Upload, fehlerText_);
    return false;
  }
  std::error_code ec;
  const auto groesse = fs::file_size(localFile, ec);
  std::FILE* datei = ec ? nullptr : std::fopen(localFile.c_str(), "rb");
  if (!datei) {
    diagnose_ = TFtpDiagnose::Dateifehler;
    fehlerText_ = "Die Datei \"" + localFile + "\" kann nicht gelesen werden.";
    QTXInfo().RegisterException("TQTXFtpComponent.Upload", fehlerText_, true);
    if (OnFailure) OnFailure(TFtpFehlerArt::Upload, fehlerText_);
    return false;
  }
  const std::string temp = TemporaererName(remoteName);
  Anfrage a;
  a.url = Url(verzeichnis_, temp);
  a.upload = datei;
  a.groesse = static_cast<std::int64_t>(groesse);
  if (verbindung_.Protokoll == TInetProtokoll::SFTP) {
    // SFTP (version 3) does not rename onto an existing file; "*" lets the removal fail
    // when there is nothing to remove.
    a.postquote = {
        "*rm " + SftpZitiert(SftpPfad(remoteName)),
        "rename " + SftpZitiert(SftpPfad(temp)) + " " + SftpZitiert(SftpPfad(remoteName))};
  } else {
    a.postquote = {"*DELE " + remoteName, "RNFR " + temp, "RNTO " + remoteName};
  }
  const Ergebnis e = Ausfuehren(a);
  std::fclose(datei);
  if (e.code == CURLE_OK) return true;
  EntferneTemporaer(temp);
  const TFtpFehlerArt art =
      e.code == CURLE_QUOTE_ERROR ? TFtpFehlerArt::Umbenennen : TFtpFehlerArt::Upload;
  return Fehlschlag("Upload", e, art, false);
}

bool TQTXFtpComponent::Delete(const std::string& remoteName) {
  Erfolg();
  if (!NameZulaessig(remoteName)) {
    diagnose_ = TFtpDiagnose::Konfiguration;
    fehlerText_ = "\"" + remoteName + "\" ist kein zulässiger Dateiname auf dem Server.";
    QTXInfo().RegisterException("TQTXFtpComponent.Delete", fehlerText_, true);
    if (OnFailure) OnFailure(TFtpFehlerArt::DateiLoeschen, fehlerText_);
    return false;
  }
  Anfrage a;
  a.url = Url(verzeichnis_, "");
  a.nobody = true;
  if (verbindung_.Protokoll == TInetProtokoll::SFTP) {
    a.quote = {"rm " + SftpZitiert(SftpPfad(remoteName))};
  } else {
    a.postquote = {"DELE " + remoteName};
  }
  const Ergebnis e = Ausfuehren(a);
  if (e.code != CURLE_OK) return Fehlschlag("Delete", e, TFtpFehlerArt::DateiLoeschen, false);
  return true;
}

void TQTXFtpComponent::Disconnect() {
  // Cleaning up the handle closes its connection (FTP sends QUIT).
  if (curl_) curl_easy_cleanup(Handle(curl_));
  curl_ = nullptr;
  connected_ = false;
}

bool TQTXFtpComponent::AktivPassivPruefen() {
  std::vector<std::string> namen;
  if (List(namen)) return true;
  if (verbindung_.Protokoll == TInetProtokoll::SFTP || diagnose_ != TFtpDiagnose::Datenverbindung) {
    return false;
  }
  const std::string ersterFehler = fehlerText_;
  const bool warPassiv = verbindung_.Passiv;
  verbindung_.Passiv = !warPassiv;
  if (!List(namen)) {
    verbindung_.Passiv = warPassiv;
    fehlerText_ = ersterFehler + " " + fehlerText_;
    return false;
  }
  if (OnAktivPassivWechsel) OnAktivPassivWechsel(!warPassiv);
  if (!eintragName_.empty()) {
    // The next component configured from this entry starts in the mode that works.
    Guarded("TQTXFtpComponent.AktivPassivPruefen", [&] {
      auto eintrag = TInetVerbindungen::Lesen(eintragName_);
      if (!eintrag) return;
      eintrag->Passiv = verbindung_.Passiv;
      TInetVerbindungen::Speichern(*eintrag);
    });
  }
  return true;
}

bool TQTXFtpComponent::HostKeyVertrauen(bool ersetzen, std::string& typ, std::string& fingerprint,
                                        const std::string& erwartet) {
  Erfolg();
  Disconnect();
  if (!konfiguriert_ || verbindung_.Protokoll != TInetProtokoll::SFTP) {
    diagnose_ = TFtpDiagnose::Konfiguration;
    fehlerText_ = "Host-Schlüssel gibt es nur bei SFTP-Verbindungen.";
    return false;
  }
  Anfrage a;
  a.url = Url("", "");
  a.nobody = true;
  a.hostKey.modus = ersetzen ? HostKeyPruefung::Modus::Ersetzen : HostKeyPruefung::Modus::Annehmen;
  a.hostKey.erwartet = erwartet;
  const Ergebnis e = Ausfuehren(a);
  typ = HostKeyTyp(e.hostKeyBlob);
  fingerprint = e.hostKeyBlob.empty() ? std::string() : HostKeyFingerprint(e.hostKeyBlob);
  Disconnect();
  if (e.hostKeyAbweichend) {
    diagnose_ = TFtpDiagnose::HostKeyGeaendert;
    fehlerText_ = "Der Host-Schlüssel von " + verbindung_.Host + ":" +
                  std::to_string(verbindung_.WirksamerPort()) + " hat den Fingerabdruck " +
                  fingerprint + ", nicht den erwarteten " + erwartet + "; nichts gespeichert.";
    QTXInfo().RegisterException("TQTXFtpComponent.HostKeyVertrauen", fehlerText_, true);
    return false;
  }
  // A refused login still proves the key: it was stored before authentication began.
  if (e.code == CURLE_OK || (e.code == CURLE_LOGIN_DENIED && !e.hostKeyBlob.empty())) {
    return true;
  }
  return Fehlschlag("HostKeyVertrauen", e, TFtpFehlerArt::Allgemein, false);
}
