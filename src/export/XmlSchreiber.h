// Writes an XML document for the XML-based formats through libxml2's text writer, which
// escapes every text and attribute value. Text that XML 1.0 cannot carry (invalid UTF-8,
// control characters) is refused with std::invalid_argument instead of being written as a
// character reference the importing system would reject.
#pragma once

#include <functional>
#include <string>
#include <string_view>

class TXmlSchreiber {
 public:
  // Starts the document with an XML declaration for UTF-8; einruecken: one element a line.
  explicit TXmlSchreiber(bool einruecken = true);
  // Hands the document to ausgabe piece by piece while it is written (a large file never
  // lies in memory as a whole); Fertig then returns an empty text. An exception thrown by
  // ausgabe ends the writing with std::runtime_error.
  using TAusgabe = std::function<void(std::string_view)>;
  TXmlSchreiber(TAusgabe ausgabe, bool einruecken);
  ~TXmlSchreiber();
  TXmlSchreiber(const TXmlSchreiber&) = delete;
  TXmlSchreiber& operator=(const TXmlSchreiber&) = delete;

  TXmlSchreiber& Beginne(std::string_view element);
  TXmlSchreiber& Attribut(std::string_view name, std::string_view wert);
  TXmlSchreiber& Text(std::string_view wert);
  // An element holding only text.
  TXmlSchreiber& Element(std::string_view name, std::string_view text);
  // A line break between elements, for files without indentation that stay readable line
  // by line; not inside an element that holds text.
  TXmlSchreiber& Zeilenende();
  // Ends the innermost open element; std::logic_error when none is open.
  TXmlSchreiber& Ende();
  // Ends every open element and the document and returns it; the writer is done then.
  std::string Fertig();

 private:
  void Beginnen(bool einruecken);
  void Pruefen(int ergebnis, const char* schritt) const;
  struct TZustand;
  TZustand* z_;
  int offen_ = 0;
};
