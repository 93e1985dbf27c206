// What the component's operations share: one request to libcurl and its outcome.
#pragma once

#include <curl/curl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "suite/transfer/QTXFtpComponent.h"

// The host-key check of one SFTP request.
struct HostKeyPruefung {
  enum class Modus { Pruefen, Annehmen, Ersetzen } modus = Modus::Pruefen;
  std::string datei;
  std::string host;
  int port = 22;
  int befund = -1;  // curl_khmatch seen, -1: none
  std::string blob;
  std::string schreibfehler;
  std::string erwartet;     // trusting: the fingerprint the key must have
  bool abweichend = false;  // it had another one
};

struct TQTXFtpComponent::Anfrage {
  std::string url;
  bool nobody = false;
  bool namensliste = false;
  std::FILE* upload = nullptr;
  std::int64_t groesse = 0;
  std::vector<std::string> quote;
  std::vector<std::string> postquote;
  std::string* ausgabe = nullptr;
  HostKeyPruefung hostKey;
};

struct TQTXFtpComponent::Ergebnis {
  CURLcode code = CURLE_OK;
  std::string text;
  int hostKeyBefund = -1;
  std::string hostKeyBlob;
  std::string schreibfehler;
  bool hostKeyAbweichend = false;
};
