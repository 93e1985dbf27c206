// A small suite for the Abacus tests: two clients, partners with addresses and documents,
// the exporter set up on a directory, and the comparison of XML documents after parsing.
#pragma once

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "formats/abacus/FibuExporter_Abacus.h"
#include "suite/DateTime.h"
#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace abacustest {

inline constexpr TIntPair kMandant1{100, 1};
inline constexpr TIntPair kMandant2{200, 1};

// One line per element: its path-independent form, children nested, blanks between
// elements ignored, attributes sorted. Throws when the text is not well-formed.
inline void Normalform(xmlNodePtr knoten, std::string& aus) {
  for (; knoten != nullptr; knoten = knoten->next) {
    if (knoten->type == XML_TEXT_NODE) {
      const std::string text = reinterpret_cast<const char*>(knoten->content);
      if (text.find_first_not_of(" \r\n\t") != std::string::npos) aus += "'" + text + "'";
      continue;
    }
    if (knoten->type != XML_ELEMENT_NODE) continue;
    aus += reinterpret_cast<const char*>(knoten->name);
    std::vector<std::string> attribute;
    for (xmlAttrPtr a = knoten->properties; a != nullptr; a = a->next) {
      xmlChar* wert = xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(a));
      attribute.push_back(std::string(reinterpret_cast<const char*>(a->name)) + "=" +
                          reinterpret_cast<const char*>(wert));
      xmlFree(wert);
    }
    std::sort(attribute.begin(), attribute.end());
    for (const auto& a : attribute) aus += "[" + a + "]";
    aus += "(";
    Normalform(knoten->children, aus);
    aus += ")";
  }
}

inline std::string Normalform(const std::string& xml) {
  xmlDocPtr doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "abacus.xml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (doc == nullptr) throw std::runtime_error("nicht wohlgeformt: " + xml.substr(0, 200));
  std::string aus;
  if (doc->encoding == nullptr || std::string(reinterpret_cast<const char*>(doc->encoding)) != "UTF-8") {
    aus = "ohne UTF-8-Deklaration:";
  }
  Normalform(xmlDocGetRootElement(doc), aus);
  xmlFreeDoc(doc);
  return aus;
}

inline std::string Lesen(const std::filesystem::path& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every file of the directory (not its subfolders), by name.
inline std::vector<std::string> Dateien(const std::filesystem::path& dir) {
  std::vector<std::string> namen;
  std::error_code fehler;
  for (const auto& e : std::filesystem::directory_iterator(dir, fehler)) {
    if (e.is_regular_file()) namen.push_back(e.path().filename().string());
  }
  std::sort(namen.begin(), namen.end());
  return namen;
}

inline TFibuExportBuchInfo Buchung(long double soll, long double haben, int konto, int gegenKonto,
                                   TIntTrio ident = {1, 500, 0}) {
  TFibuExportBuchInfo b;
  b.BetragSoll = soll;
  b.BetragHaben = haben;
  b.Konto = konto;
  b.GegenKonto = gegenKonto;
  b.BelegDatum = EncodeDate(2024, 3, 5);
  b.Waehrung = "EUR";
  b.Ident = ident;
  b.Herkunft = "PRIMAN";
  return b;
}

class AbacusFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& db = SuiteDatabase::Get();
    auto& mandant = db.Cached(
        "INSERT INTO mandanten (firma1, firma2, kurz_nr, name, kurz_name, land) VALUES (?, ?, ?, ?, ?, ?)");
    mandant.With(kMandant1.Nr1, kMandant1.Nr2, 1, "Musterhandel GmbH", "FIL1", "D").Run();
    mandant.With(kMandant2.Nr1, kMandant2.Nr2, 2, "Alpenhandel AG", "FIL2", "A").Run();
    dir = suite.Dir() / "export";
    exporter.Init();
    exporter.SetVerzExport(dir.string());
    exporter.SetMandantenDaten(kMandant1, 4711, true);
    exporter.SetMandantenDaten(kMandant2, 0, true);
  }
  void TearDown() override { exporter.Done(); }

  TFibuExportFileInfo Datei(TIntPair firma = kMandant1) const {
    return {firma, 7, 2024, EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 31)};
  }

  // One whole export; the result of Export_Fibu_Ende (false when the head refused).
  bool Exportieren(const std::vector<TFibuExportBuchInfo>& buchungen, TIntPair firma = kMandant1) {
    if (!exporter.Export_Fibu_Kopf(Datei(firma))) return false;
    for (const auto& b : buchungen) exporter.Export_Fibu_Daten(b);
    return exporter.Export_Fibu_Ende();
  }

  std::string Inhalt(const std::string& name) const { return Lesen(dir / name); }

  TestSuite suite;
  std::filesystem::path dir;
  abacus::TFibuExporter_Abacus exporter;
};

}  // namespace abacustest
