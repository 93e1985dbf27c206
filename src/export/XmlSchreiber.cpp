#include "export/XmlSchreiber.h"

#include <libxml/xmlwriter.h>

#include <stdexcept>

#include "suite/Utf8.h"

struct TXmlSchreiber::TZustand {
  xmlBufferPtr puffer = nullptr;
  xmlTextWriterPtr writer = nullptr;
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

std::string Sauber(std::string_view text, std::string_view was) {
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
  if (ergebnis < 0) throw std::runtime_error(std::string("XML schreiben: ") + schritt + " gescheitert");
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
  Pruefen(xmlTextWriterWriteString(z_->writer, X(Sauber(wert, "Ein Text"))), "Text");
  return *this;
}

TXmlSchreiber& TXmlSchreiber::Element(std::string_view name, std::string_view text) {
  Beginne(name);
  Text(text);
  return Ende();
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
  xmlFreeTextWriter(z_->writer);  // flushes into the buffer
  z_->writer = nullptr;
  return std::string(reinterpret_cast<const char*>(xmlBufferContent(z_->puffer)),
                     static_cast<std::size_t>(xmlBufferLength(z_->puffer)));
}
