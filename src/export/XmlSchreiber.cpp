#include "export/XmlSchreiber.h"

#include <libxml/entities.h>
#include <libxml/xmlwriter.h>

#include <array>
#include <stdexcept>
#include <utility>

#include "suite/Utf8.h"

struct TXmlSchreiber::TZustand {
  xmlBufferPtr puffer = nullptr;
  xmlTextWriterPtr writer = nullptr;
  TAusgabe ausgabe;
  std::string ausgabeFehler;  // what the output refused, for the caller's message
  // Zero-terminated copies for the library, kept so that their memory is reused.
  std::string name;
  std::string wert;
  std::string blatt;  // an element holding only text, written in one piece
  bool einruecken = false;
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

// What a byte asks of a text or name, as bits: one table lookup a byte instead of a
// search per character class (a year's file has millions of values).
enum : unsigned char {
  kMaskieren = 1,  // the library must escape it
  kPruefen = 2,    // control character or part of a multibyte sequence: decode and check
  kKeinName = 4,   // cannot stand in an element or attribute name
};

constexpr std::array<unsigned char, 256> ByteKlassen() {
  std::array<unsigned char, 256> klassen{};
  for (int b = 0; b < 0x20; ++b) klassen[b] = kPruefen | kKeinName;
  for (int b = 0x80; b < 0x100; ++b) klassen[b] = kPruefen;
  klassen['\t'] = kKeinName;
  klassen['\n'] = kKeinName;
  klassen['\r'] = kMaskieren | kKeinName;
  for (const unsigned char c : {'&', '<', '>', '"'}) klassen[c] = kMaskieren | kKeinName;
  for (const unsigned char c : {' ', '\'', '=', '/'}) klassen[c] = kKeinName;
  return klassen;
}
constexpr std::array<unsigned char, 256> kByteKlassen = ByteKlassen();

// The union of the classes of every byte of text.
unsigned char Klassen(std::string_view text) {
  unsigned char klassen = 0;
  for (const char c : text) klassen |= kByteKlassen[static_cast<unsigned char>(c)];
  return klassen;
}

void XmlTauglich(std::string_view text, std::string_view was) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char32_t c = Utf8Next(text, pos);
    if (c == kUtf8Invalid || !XmlZeichen(c)) {
      throw std::invalid_argument(std::string(was) + " enthält ein Zeichen, das XML nicht darstellen kann");
    }
  }
}

// Checks a text and says whether the library has to escape it.
bool Maskieren(std::string_view text, std::string_view was) {
  const unsigned char klassen = Klassen(text);
  if ((klassen & kPruefen) != 0) XmlTauglich(text, was);
  return (klassen & kMaskieren) != 0;
}

const xmlChar* X(const std::string& s) { return reinterpret_cast<const xmlChar*>(s.c_str()); }

void NamePruefen(std::string_view name) {
  const unsigned char klassen = Klassen(name);
  if (name.empty() || (klassen & kKeinName) != 0) {
    throw std::invalid_argument("Ungültiger XML-Name \"" + std::string(name) + "\"");
  }
  if ((klassen & kPruefen) != 0) XmlTauglich(name, "Ein XML-Name");
}

const xmlChar* Name(std::string_view name, std::string& puffer) {
  NamePruefen(name);
  puffer.assign(name);
  return X(puffer);
}

const xmlChar* Wert(std::string_view wert, std::string& puffer) {
  puffer.assign(wert);
  return X(puffer);
}

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
  z_->einruecken = einruecken;
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
  Pruefen(xmlTextWriterStartElement(z_->writer, Name(element, z_->name)), "Elementbeginn");
  ++offen_;
  return *this;
}

TXmlSchreiber& TXmlSchreiber::Attribut(std::string_view name, std::string_view wert) {
  Maskieren(wert, "Ein Attribut");
  Pruefen(xmlTextWriterWriteAttribute(z_->writer, Name(name, z_->name), Wert(wert, z_->wert)),
          "Attribut");
  return *this;
}

TXmlSchreiber& TXmlSchreiber::Text(std::string_view wert) {
  // A text without a character to escape goes out as it is; the library's escaping would
  // only copy it.
  if (Maskieren(wert, "Ein Text")) {
    Pruefen(xmlTextWriterWriteString(z_->writer, Wert(wert, z_->wert)), "Text");
  } else {
    // An empty text still closes the start tag, so that the element is written <a></a>.
    const auto* roh = reinterpret_cast<const xmlChar*>(wert.empty() ? "" : wert.data());
    Pruefen(xmlTextWriterWriteRawLen(z_->writer, roh, static_cast<int>(wert.size())), "Text");
  }
  return *this;
}

TXmlSchreiber& TXmlSchreiber::Element(std::string_view name, std::string_view text) {
  if (z_->einruecken) {
    Beginne(name);
    Text(text);
    return Ende();
  }
  // Without indentation a leaf needs nothing of the writer's element stack, whose entry,
  // name copy and list link cost more than the leaf itself. Its tags go out around the
  // text as the library escapes it, the bytes that start, text and end would write.
  NamePruefen(name);
  std::string& blatt = z_->blatt;
  blatt.assign(1, '<').append(name).append(1, '>');
  if (Maskieren(text, "Ein Text")) {
    xmlChar* maskiert = xmlEncodeSpecialChars(nullptr, Wert(text, z_->wert));
    if (maskiert == nullptr) throw std::runtime_error("XML schreiben: Text gescheitert");
    blatt.append(reinterpret_cast<const char*>(maskiert));
    xmlFree(maskiert);
  } else {
    blatt.append(text);
  }
  blatt.append("</").append(name).append(1, '>');
  Pruefen(xmlTextWriterWriteRawLen(z_->writer, X(blatt), static_cast<int>(blatt.size())), "Element");
  return *this;
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
