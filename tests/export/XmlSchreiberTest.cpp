#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "export/XmlSchreiber.h"

namespace {

TEST(XmlSchreiber, EscapesValuesAndClosesWhatIsStillOpen) {
  TXmlSchreiber xml;
  xml.Beginne("Buchungen").Attribut("mandant", "Müller & Söhne \"KG\"");
  xml.Beginne("Buchung").Element("Text", "<Rabatt> 5 % & mehr").Element("Betrag", "12.50").Ende();
  xml.Beginne("Leer");
  EXPECT_EQ(xml.Fertig(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<Buchungen mandant=\"Müller &amp; Söhne &quot;KG&quot;\">\n"
            "  <Buchung>\n"
            "    <Text>&lt;Rabatt&gt; 5 % &amp; mehr</Text>\n"
            "    <Betrag>12.50</Betrag>\n"
            "  </Buchung>\n"
            "  <Leer/>\n"
            "</Buchungen>\n");
}

TEST(XmlSchreiber, RefusesWhatXmlCannotCarry) {
  TXmlSchreiber xml(false);
  xml.Beginne("a");
  EXPECT_THROW(xml.Text(std::string("x\x01y")), std::invalid_argument);
  EXPECT_THROW(xml.Text("\xC3"), std::invalid_argument);  // a cut UTF-8 sequence
  EXPECT_THROW(xml.Attribut("b", std::string("\x1F")), std::invalid_argument);
  EXPECT_THROW(xml.Beginne("mit leerzeichen"), std::invalid_argument);
  EXPECT_THROW(xml.Beginne(""), std::invalid_argument);
  xml.Text("Tab\tund\r\nZeile").Ende();
  EXPECT_THROW(xml.Ende(), std::logic_error);
  EXPECT_EQ(xml.Fertig(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a>Tab\tund&#13;\nZeile</a>\n");
}

// Without indentation an element holding only text takes a shorter way than start, text
// and end; the bytes must be the same.
TEST(XmlSchreiber, ATextElementWithoutIndentationIsWrittenAsStartTextAndEndWouldWriteIt) {
  const std::vector<std::string> texte{"", "12.50", "<Rabatt> & \"mehr\"\r\n", "Größe ½", "x'y"};
  TXmlSchreiber kurz(false);
  TXmlSchreiber lang(false);
  for (auto* xml : {&kurz, &lang}) xml->Beginne("Liste").Attribut("nr", "1");
  for (const auto& text : texte) {
    kurz.Element("Wert", text);
    lang.Beginne("Wert").Text(text).Ende();
  }
  EXPECT_THROW(kurz.Element("mit leerzeichen", "x"), std::invalid_argument);
  EXPECT_THROW(kurz.Element("Wert", std::string("a\x02")), std::invalid_argument);
  const std::string dokument = kurz.Fertig();
  EXPECT_EQ(dokument, lang.Fertig());
  EXPECT_EQ(dokument,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Liste nr=\"1\"><Wert></Wert>"
            "<Wert>12.50</Wert><Wert>&lt;Rabatt&gt; &amp; &quot;mehr&quot;&#13;\n</Wert>"
            "<Wert>Größe ½</Wert><Wert>x'y</Wert></Liste>\n");
}

TEST(XmlSchreiber, StreamsTheSameDocumentInPiecesAndReportsAFailingOutput) {
  std::string gestueckelt;
  std::size_t stuecke = 0;
  TXmlSchreiber strom([&](std::string_view teil) { gestueckelt.append(teil), ++stuecke; }, true);
  TXmlSchreiber speicher(true);
  for (auto* xml : {&strom, &speicher}) {
    xml->Beginne("Liste");
    for (int i = 0; i < 2000; ++i) xml->Element("Eintrag", "Größe " + std::to_string(i));
  }
  EXPECT_EQ(strom.Fertig(), "");
  EXPECT_EQ(gestueckelt, speicher.Fertig());
  EXPECT_GT(stuecke, 1u);  // handed over while it was written

  TXmlSchreiber kaputt([](std::string_view) { throw std::runtime_error("Platte voll"); }, false);
  kaputt.Beginne("a");
  try {
    for (int i = 0; i < 10000; ++i) kaputt.Element("b", "x");
    kaputt.Fertig();
    FAIL() << "the failing output went unnoticed";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("Platte voll"), std::string::npos) << e.what();
  }
}

}  // namespace
