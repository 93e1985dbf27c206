#include "suite/transfer/SendDoc.h"

#include <curl/curl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <random>
#include <sstream>

#include "suite/Guarded.h"
#include "suite/QTXInfo.h"
#include "suite/transfer/CurlGlobal.h"

namespace fs = std::filesystem;

namespace {

// What the conversation reached, for naming the step that failed. Only command verbs and
// the recipient are kept: login lines never leave the callback.
struct SmtpVerlauf {
  std::string befehl;
  std::string empfaenger;
  std::string antwort;
  bool quit = false;  // the farewell's reply must not hide the refusal before it
};

std::string ErsteZeile(const char* daten, std::size_t laenge) {
  std::string zeile(daten, laenge);
  const auto ende = zeile.find_first_of("\r\n");
  if (ende != std::string::npos) zeile.resize(ende);
  for (char& c : zeile) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  }
  return zeile;
}

int Verfolgen(CURL*, curl_infotype typ, char* daten, std::size_t laenge, void* ziel) {
  auto& v = *static_cast<SmtpVerlauf*>(ziel);
  if (typ == CURLINFO_HEADER_IN) {
    const std::string zeile = ErsteZeile(daten, laenge);
    if (!zeile.empty() && !v.quit) v.antwort = zeile;
  } else if (typ == CURLINFO_HEADER_OUT) {
    const std::string zeile = ErsteZeile(daten, laenge);
    const std::string verb = zeile.substr(0, zeile.find(' '));
    if (verb == "QUIT") v.quit = true;
    for (const char* bekannt : {"EHLO", "HELO", "STARTTLS", "AUTH", "MAIL", "RCPT", "DATA"}) {
      if (verb == bekannt) {
        v.befehl = verb;
        v.antwort.clear();
        if (verb == "RCPT") {
          const auto auf = zeile.find('<');
          const auto zu = zeile.rfind('>');
          v.empfaenger =
              auf != std::string::npos && zu > auf ? zeile.substr(auf + 1, zu - auf - 1) : zeile;
        }
      }
    }
  }
  return 0;
}

struct Lesen {
  const std::string* text;
  std::size_t pos = 0;
};

std::size_t Liefern(char* puffer, std::size_t groesse, std::size_t anzahl, void* quelle) {
  auto& l = *static_cast<Lesen*>(quelle);
  const std::size_t n = std::min(groesse * anzahl, l.text->size() - l.pos);
  l.text->copy(puffer, n, l.pos);
  l.pos += n;
  return n;
}

std::size_t Verwerfen(char*, std::size_t groesse, std::size_t anzahl, void*) {
  return groesse * anzahl;
}

std::string Eindeutig() {
  static std::atomic<unsigned> zaehler{0};
  std::random_device zufall;
  std::ostringstream s;
  s << std::hex << std::chrono::system_clock::now().time_since_epoch().count() << '.' << getpid()
    << '.' << zaehler++ << '.' << zufall();
  return s.str();
}

bool AnhangLesen(const std::string& pfad, TMimeAnhang& anhang) {
  std::error_code ec;
  if (!fs::is_regular_file(pfad, ec)) return false;
  std::ifstream in(pfad, std::ios::binary);
  if (!in) return false;
  std::ostringstream inhalt;
  inhalt << in.rdbuf();
  if (in.bad()) return false;
  anhang.Name = fs::path(pfad).filename().string();
  anhang.Typ = MimeTyp(anhang.Name);
  anhang.Inhalt = inhalt.str();
  return true;
}

TMailErgebnis Fehlschlag(TMailStatus status, std::string text) {
  QTXInfo().RegisterException("TSendDoc.Senden", text, true);
  return {status, std::move(text)};
}

}  // namespace

TMailErgebnis TSendDoc::Senden(const TMailNachricht& nachricht) {
  const TMailErgebnis gescheitert{
      TMailStatus::Serverfehler,
      "Die Mail konnte nicht gesendet werden (siehe Meldungsprotokoll)."};
  return GuardedOr("TSendDoc.Senden", gescheitert, [&] { return SendenIntern(nachricht); });
}

TMailErgebnis TSendDoc::SendenIntern(const TMailNachricht& nachricht) {
  const auto& e = einstellungen_;
  TMailNachricht n = nachricht;
  if (n.Absender.empty()) n.Absender = e.Absender;
  if (n.Empfaenger.empty()) n.Empfaenger = e.Empfaenger;
  TMailEinstellungen pruefen = e;
  pruefen.Absender = n.Absender;
  pruefen.Empfaenger = n.Empfaenger;
  if (const std::string problem = MailEinstellungenPruefen(pruefen); !problem.empty()) {
    return Fehlschlag(TMailStatus::Konfiguration,
                      "Die Mail-Einstellungen sind nicht verwendbar: " + problem);
  }
  std::vector<TMimeAnhang> anhaenge;
  for (const auto& pfad : n.Anhaenge) {
    TMimeAnhang anhang;
    if (!AnhangLesen(pfad, anhang)) {
      return Fehlschlag(TMailStatus::AnhangFehlt, "Der Anhang \"" + pfad +
                                                      "\" fehlt oder ist nicht lesbar; es wurde "
                                                      "keine Mail gesendet.");
    }
    anhaenge.push_back(std::move(anhang));
  }
  const std::string id = Eindeutig();
  const std::string domain = n.Absender.substr(n.Absender.rfind('@') + 1);
  const std::string text = MimeNachrichtText(n, anhaenge, std::time(nullptr), "=_saldix_" + id,
                                             "saldix." + id + "@" + domain);

  CurlGlobal();
  const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> handle(curl_easy_init(),
                                                                   &curl_easy_cleanup);
  CURL* c = handle.get();
  if (!c) return Fehlschlag(TMailStatus::Serverfehler, "libcurl lässt sich nicht starten.");
  const std::string server = e.Host + ":" + std::to_string(e.WirksamerPort());
  const bool implizit = e.Tls == TMailTls::Tls;
  const std::string url = (implizit ? "smtps://" : "smtp://") + server;
  char fehler[CURL_ERROR_SIZE] = {};
  SmtpVerlauf verlauf;
  Lesen quelle{&text};
  const std::string absender = "<" + n.Absender + ">";
  std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> liste(nullptr, &curl_slist_free_all);
  for (const auto& a : n.Empfaenger) {
    curl_slist* mehr = curl_slist_append(liste.get(), ("<" + a + ">").c_str());
    if (!mehr) throw std::bad_alloc();
    if (!liste) liste.reset(mehr);  // later ones are appended to the same head
  }

  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, implizit ? "smtps" : "smtp");
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, fehler);
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  if (e.Tls == TMailTls::StartTls) {
    curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
  }
  if (!zertifikatsdatei_.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, zertifikatsdatei_.c_str());
  if (!e.Benutzer.empty()) {
    curl_easy_setopt(c, CURLOPT_USERNAME, e.Benutzer.c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, e.Passwort.c_str());
  }
  const long zeitlimit = e.Zeitlimit;
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, zeitlimit);
  curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, zeitlimit);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, zeitlimit);
  curl_easy_setopt(c, CURLOPT_MAIL_FROM, absender.c_str());
  curl_easy_setopt(c, CURLOPT_MAIL_RCPT, liste.get());
  curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(c, CURLOPT_READFUNCTION, &Liefern);
  curl_easy_setopt(c, CURLOPT_READDATA, &quelle);
  curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(text.size()));
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Verwerfen);
  curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
  curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, &Verfolgen);
  curl_easy_setopt(c, CURLOPT_DEBUGDATA, &verlauf);

  const CURLcode code = curl_easy_perform(c);

  std::string grund = fehler[0] ? fehler : curl_easy_strerror(code);
  while (!grund.empty() && (grund.back() == '\n' || grund.back() == '\r')) grund.pop_back();
  const bool abgelehnt =
      !verlauf.antwort.empty() && (verlauf.antwort[0] == '4' || verlauf.antwort[0] == '5');
  const std::string antwort = abgelehnt ? verlauf.antwort : grund;
  switch (code) {
    case CURLE_OK: {
      std::string namen;
      for (const auto& a : anhaenge) namen += (namen.empty() ? "" : ", ") + a.Name;
      return {TMailStatus::Gesendet, "Die Mail wurde an " + MailAdressenText(n.Empfaenger) +
                                         " versandt" +
                                         (namen.empty() ? "" : " (Anhang: " + namen + ")") + "."};
    }
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
      return Fehlschlag(TMailStatus::NichtErreichbar,
                        "Der Mailserver " + server + " ist nicht erreichbar (" + grund + ").");
    case CURLE_OPERATION_TIMEDOUT:
      return Fehlschlag(TMailStatus::Zeitlimit,
                        "Der Mailserver " + server + " hat nicht innerhalb von " +
                            std::to_string(zeitlimit) + " Sekunden geantwortet (" + grund + ").");
    case CURLE_LOGIN_DENIED:
      return Fehlschlag(TMailStatus::AnmeldungAbgelehnt,
                        "Der Mailserver " + server + " hat die Anmeldung von \"" + e.Benutzer +
                            "\" abgelehnt (Passwort falsch?): " + antwort);
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CACERT_BADFILE:
      return Fehlschlag(TMailStatus::Tls, "Die TLS-Verbindung zum Mailserver " + server +
                                              " kommt nicht zustande (" + grund + ").");
    default:
      break;
  }
  if (abgelehnt && verlauf.befehl == "AUTH") {
    return Fehlschlag(TMailStatus::AnmeldungAbgelehnt, "Der Mailserver " + server +
                                                           " hat die Anmeldung von \"" +
                                                           e.Benutzer + "\" abgelehnt: " + antwort);
  }
  if (abgelehnt && verlauf.befehl == "MAIL") {
    return Fehlschlag(TMailStatus::AbsenderAbgelehnt, "Der Mailserver " + server +
                                                          " hat den Absender \"" + n.Absender +
                                                          "\" abgelehnt: " + antwort);
  }
  if (abgelehnt && verlauf.befehl == "RCPT") {
    return Fehlschlag(TMailStatus::EmpfaengerAbgelehnt,
                      "Der Mailserver " + server + " hat den Empfänger \"" + verlauf.empfaenger +
                          "\" abgelehnt: " + antwort);
  }
  if (abgelehnt && verlauf.befehl == "DATA") {
    return Fehlschlag(TMailStatus::NachrichtAbgelehnt,
                      "Der Mailserver " + server + " hat die Mail nicht angenommen: " + antwort);
  }
  switch (code) {
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
      return Fehlschlag(TMailStatus::Verbindungsabbruch, "Die Verbindung zum Mailserver " + server +
                                                             " ist abgebrochen (" + grund + ").");
    default:
      return Fehlschlag(TMailStatus::Serverfehler,
                        "Der Mailserver " + server + " meldet einen Fehler: " + antwort);
  }
}
