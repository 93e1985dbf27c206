#include "export/XmlSchreiber.h"

#include <libxml/xmlwriter.h>

#include <stdexcept>
#include <utility>

#include "suite/Utf8.h"

struct TXmlSchreiber::TZustand {
  xmlBufferPtr puffer = nullptr;
  xmlTextWriterPtr writer = nullptr;
  TAusgabe ausgabe;
  std::string ausgabeFehler;  // what the output refused, for the caller's message
  ~TZustand() {
    if (writer != nullptr) xmlFreeTextWriter(writer);
    if (puffer != nullptr) xmlBufferFree(puffer);
  }
};

namespace {

// Characters XML 1.0 allows: tab, line feed, carriage return and from U+0020 on, without
// the surrogates and U+FFFE/U+FFFF.
bool XmlZeichen(char32_t c) {
  if (c == 0x9 || c == 0xA || c == 0xD) return true;
  if (c < 0x20 || (c >= 0xD800 && c <= 0xDFFF) || c == 0xFFFE || c == 0xFFFF) return false;
  return c <= 0x10FFFF;
}

// Printable ASCII, tab and line ends need no decoding; most texts are nothing else.
bool EinfachesAscii(std::string_view text) {
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if ((b < 0x20 && b != 0x9 && b != 0xA && b != 0xD) || b > 0x7E) return false;
  }
  return true;
}

std::string Sauber(std::string_view text, std::string_view was) {
  if (EinfachesAscii(text)) return std::string(text);
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char32_t c = Utf8Next(text, pos);
    if (c == kUtf8Invalid || !XmlZeichen(c)) {
      throw std::invalid_argument(std::string(was) + " enthält ein Zeichen, das XML nicht darstellen kann");
    }
  }
  return std::string(text);
}

std::string Name(std::string_view name) {
  if (name.empty() || name.find_first_of(" \t\r\n<>&\"'=/") != std::string_view::npos) {
    throw std::invalid_argument("Ungültiger XML-Name \"" + std::string(name) + "\"");
  }
  return Sauber(name, "Ein XML-Name");
}

const xmlChar* X(const std::string& s) { return reinterpret_cast<const xmlChar*>(s.c_str()); }

}  // namespace

TXmlSchreiber::TXmlSchreiber(bool einruecken) : z_(new TZustand) {
  z_->puffer = xmlBufferCreate();
  if (z_->puffer != nullptr) z_->writer = xmlNewTextWriterMemory(z_->puffer, 0);
  Beginnen(einruecken);
}

namespace {

int AusgabeSchreiben(void* kontext, const char* daten, int laenge) {
  auto* zustand = static_cast<std::pair<TXmlSchreiber::TAusgabe*, std::string*>*>(kontext);
  try {
    (*zustand->first)(std::string_view(daten, static_cast<std::size_t>(laenge)));
    return laenge;
  } catch (const std::exception& e) {
    *zustand->second = e.what();
  } catch (...) {
    *zustand->second = "unbekannter Fehler";
  }
  return -1;
}

int AusgabeSchliessen(void* kontext) {
  delete static_cast<std::pair<TXmlSchreiber::TAusgabe*, std::string*>*>(kontext);
  return 0;
}

}  // namespace

TXmlSchreiber::TXmlSchreiber(TAusgabe ausgabe, bool einruecken) : z_(new TZustand) {
  z_->ausgabe = std::move(ausgabe);
  auto* kontext = new std::pair<TAusgabe*, std::string*>(&z_->ausgabe, &z_->ausgabeFehler);
  xmlOutputBufferPtr puffer = xmlOutputBufferCreateIO(AusgabeSchreiben, AusgabeSchliessen, kontext, nullptr);
  if (puffer == nullptr) {
    delete kontext;
  } else {
    z_->writer = xmlNewTextWriter(puffer);  // owns the buffer from here on
    if (z_->writer == nullptr) xmlOutputBufferClose(puffer);
  }
  Beginnen(einruecken);
}

void TXmlSchreiber::Beginnen(bool einruecken) {
  if (z_->writer == nullptr) {
    delete z_;
    throw std::runtime_error("Der XML-Schreiber konnte nicht angelegt werden");
  }
  try {
    if (einruecken) {
      Pruefen(xmlTextWriterSetIndent(z_->writer, 1), "Einrücken");
      Pruefen(xmlTextWriterSetIndentString(z_->writer, BAD_CAST "  "), "Einrücken");
    }
    Pruefen(xmlTextWriterStartDocument(z_->writer, nullptr, "UTF-8", nullptr), "Dokumentbeginn");
  } catch (...) {
    delete z_;
    throw;
  }
}

TXmlSchreiber::~TXmlSchreiber() { delete z_; }

void TXmlSchreiber::Pruefen(int ergebnis, const char* schritt) const {
  if (ergebnis >= 0) return;
  std::string text = std::string("XML schreiben: ") + schritt + " gescheitert";
  if (!z_->ausgabeFehler.empty()) text += " (" + z_->ausgabeFehler + ")";
  throw std::runtime_error(text);
}

TXmlSchreiber& TXmlSchreiber::Beginne(std::string_view element) {
  Pruefen(xmlTextWriterStartElement(z_->writer, X(Name(element))), "Elementbeginn");
  ++offen_;
  return *this;
}

TXmlSchreiber& TXmlSchreiber::Attribut(std::string_view name, std::string_view wert) {
  Pruefen(xmlTextWriterWriteAttribute(z_->writer, X(Name(name)), X(Sauber(wert, "Ein Attribut"))),
          "Attribut");
  return *this;
}

TXmlSchreiber& TXmlSchreiber::Text(std::string_view wert) {
  const std::string text = Sauber(wert, "Ein Text");
  // A text without a character to escape goes out as it is; the library's escaping would
  // only copy it.
  const bool nichtsZuMaskieren = text.find_first_of("&<>\"\r") == std::string::npos;
  Pruefen(nichtsZuMaskieren ? xmlTextWriterWriteRaw(z_->writer, X(text))
                            : xmlTextWriterWriteString(z_->writer, X(text)),
          "Text");
  return *this;
}

TXmlSchreiber& TXmlSchreiber::Element(std::string_view name, std::string_view text) {
  Beginne(name);
  Text(text);
  return Ende();
}

TXmlSchreiber& TXmlSchreiber::Zeilenende() {
  Pruefen(xmlTextWriterWriteRaw(z_->writer, BAD_CAST "\n"), "Zeilenende");
  return *this;
}

TXmlSchreiber& TXmlSchreiber::Ende() {
  if (offen_ == 0) throw std::logic_error("Kein offenes XML-Element");
  Pruefen(xmlTextWriterEndElement(z_->writer), "Elementende");
  --offen_;
  return *this;
}

std::string TXmlSchreiber::Fertig() {
  Pruefen(xmlTextWriterEndDocument(z_->writer), "Dokumentende");
  offen_ = 0;
  const int geleert = xmlTextWriterFlush(z_->writer);
  xmlFreeTextWriter(z_->writer);  // flushes into the buffer or the output
  z_->writer = nullptr;
  Pruefen(geleert, "Dokumentende");
  if (z_->puffer == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(xmlBufferContent(z_->puffer)),
                     static_cast<std::size_t>(xmlBufferLength(z_->puffer)));
}
