// A mail as one MIME message (RFC 5322, 2045-2047, 2231): UTF-8 subject as encoded words,
// UTF-8 body, and each file as a base64 attachment with its name and type. Lines end with
// CR LF; no line is longer than 78 characters.
#pragma once

#include <ctime>
#include <string>
#include <vector>

struct TMailNachricht {
  std::string Absender;
  std::vector<std::string> Empfaenger;
  std::string Betreff;
  std::string Text;
  std::vector<std::string> Anhaenge;  // file paths
  int DokumentTyp = 0;
};

struct TMimeAnhang {
  std::string Name;    // file name as the recipient sees it
  std::string Typ;     // content type, e.g. "text/csv; charset=windows-1252"
  std::string Inhalt;  // the bytes of the file
};

// The content type of a file by its extension (export files are ANSI text).
std::string MimeTyp(const std::string& dateiName);

// A header value as RFC 2047 encoded words (UTF-8, base64), folded; plain ASCII that
// needs no encoding comes back unchanged.
std::string EncodedWords(const std::string& text);

// The complete message. grenze is the multipart boundary, nachrichtId the Message-ID
// (without brackets); both unique per message.
std::string MimeNachrichtText(const TMailNachricht& nachricht,
                              const std::vector<TMimeAnhang>& anhaenge, std::time_t zeit,
                              const std::string& grenze, const std::string& nachrichtId);
