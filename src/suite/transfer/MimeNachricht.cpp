#include "suite/transfer/MimeNachricht.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "suite/Text.h"
#include "suite/transfer/Sha256.h"

namespace {

bool NurAscii(const std::string& text) {
  for (const unsigned char c : text) {
    if (c >= 0x80 || c < 0x20) return false;
  }
  return true;
}

std::string Kleinbuchstaben(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Base64 in lines of 76 characters.
std::string Base64Zeilen(const std::string& daten) {
  const std::string kodiert = Base64(daten);
  std::string out;
  out.reserve(kodiert.size() + kodiert.size() / 38 + 2);
  for (std::size_t i = 0; i < kodiert.size(); i += 76) {
    out.append(kodiert, i, 76);
    out += "\r\n";
  }
  return out;
}

// Bare LF and bare CR become CR LF: the canonical form of a text body.
std::string CrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

// The Content-Disposition of an attachment: a quoted name, or RFC 2231 for names that
// are not plain ASCII.
std::string DateinameParameter(const std::string& name) {
  if (NurAscii(name)) {
    std::string out = "filename=\"";
    for (const char c : name) {
      if (c == '"' || c == '\\') out += '\\';
      out += c;
    }
    return out + "\"";
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "filename*=UTF-8''";
  for (const unsigned char c : name) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
        c == '.' || c == '_') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string Datum(std::time_t zeit) {
  static constexpr std::array<const char*, 7> kTage = {"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};
  static constexpr std::array<const char*, 12> kMonate = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm t{};
  gmtime_r(&zeit, &t);
  char text[64];
  std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d +0000", kTage[t.tm_wday],
                t.tm_mday, kMonate[t.tm_mon], t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

}  // namespace

std::string MimeTyp(const std::string& dateiName) {
  const auto punkt = dateiName.rfind('.');
  const std::string endung =
      punkt == std::string::npos ? std::string() : Kleinbuchstaben(dateiName.substr(punkt + 1));
  if (endung == "csv") return "text/csv; charset=windows-1252";
  if (endung == "txt" || endung == "ini" || endung == "prt") {
    return "text/plain; charset=windows-1252";
  }
  if (endung == "xml") return "application/xml";
  if (endung == "pdf") return "application/pdf";
  if (endung == "zip") return "application/zip";
  return "application/octet-stream";
}

std::string EncodedWords(const std::string& text) {
  if (NurAscii(text) && text.find("=?") == std::string::npos && text.size() <= 900) return text;
  // At most 39 bytes per word (52 base64 characters, 64 with the frame), never splitting
  // a UTF-8 sequence.
  std::string out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t ende = std::min(text.size(), start + 39);
    while (ende < text.size() && ende > start + 1 &&
           (static_cast<unsigned char>(text[ende]) & 0xC0) == 0x80) {
      --ende;
    }
    if (!out.empty()) out += "\r\n ";
    out += "=?UTF-8?B?" + Base64(std::string_view(text).substr(start, ende - start)) + "?=";
    start = ende;
  }
  return out;
}

std::string MimeNachrichtText(const TMailNachricht& n, const std::vector<TMimeAnhang>& anhaenge,
                              std::time_t zeit, const std::string& grenze,
                              const std::string& nachrichtId) {
  std::string to;
  for (const auto& e : n.Empfaenger) to += (to.empty() ? "" : ",\r\n ") + e;
  std::string m;
  m += "Date: " + Datum(zeit) + "\r\n";
  m += "From: " + n.Absender + "\r\n";
  m += "To: " + to + "\r\n";
  m += "Subject: " + EncodedWords(n.Betreff) + "\r\n";
  m += "Message-ID: <" + nachrichtId + ">\r\n";
  m += "MIME-Version: 1.0\r\n";
  m += "Content-Type: multipart/mixed;\r\n boundary=\"" + grenze + "\"\r\n";
  m += "\r\n";
  m += "This is a multi-part message in MIME format.\r\n";
  m += "--" + grenze + "\r\n";
  m += "Content-Type: text/plain; charset=UTF-8\r\n";
  m += "Content-Transfer-Encoding: base64\r\n\r\n";
  m += Base64Zeilen(CrLf(n.Text));
  for (const auto& a : anhaenge) {
    m += "--" + grenze + "\r\n";
    m += "Content-Type: " + a.Typ + "\r\n";
    m += "Content-Transfer-Encoding: base64\r\n";
    m += "Content-Disposition: attachment;\r\n " + DateinameParameter(a.Name) + "\r\n\r\n";
    m += Base64Zeilen(a.Inhalt);
  }
  m += "--" + grenze + "--\r\n";
  return m;
}
