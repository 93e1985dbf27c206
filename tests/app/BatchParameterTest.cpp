#include <gtest/gtest.h>

#include "app/BatchParameter.h"
#include "suite/DateTime.h"

namespace {

TBatchPruefKontext Kontext() {
  TBatchPruefKontext k;
  k.mandantenAnzahl = 2;
  k.exporterBekannt = [](const std::string& kennung) { return kennung == "DATEV1.4"; };
  k.herkunftBekannt = [](const std::string& code) { return code == "KASBER" || code == "ALLE"; };
  k.aktExporterName = "DATEV (Datevformat 1.4 / 700)";
  k.heute = EncodeDateTime(2024, 1, 17, 10, 30, 0);
  return k;
}

TBatchPruefung Pruefe(const std::vector<std::string>& args, TBatchPruefKontext k = Kontext()) {
  return PruefeBatchParameter(ReadBatchParameter(args), k);
}

TEST(BatchParameter, KeywordsIgnoreCasePrefixesAndLastOccurrenceWins) {
  const auto p = ReadBatchParameter(
      {"-mand:1", "/Monat: V ", "MAND:7", "-UNBEKANNT:3", "-PROFIL:monat", "-mand:2", "-EXPORTER"});
  EXPECT_EQ(p.MandKurzNr, "2");
  EXPECT_EQ(p.Monat, "V");
  EXPECT_EQ(p.Profil, "monat");
  EXPECT_EQ(p.Exporter, "");
  // What is not a known keyword is kept, so that it can be refused.
  EXPECT_EQ(p.Unbekannt, (std::vector<std::string>{"MAND:7", "-UNBEKANNT:3"}));
}

TEST(BatchParameter, WhatWouldWidenTheExportIsRefused) {
  // A misspelt origin keyword would otherwise export and settle every origin.
  EXPECT_EQ(Pruefe({"-MAND:1", "-MONAT:V", "-HERKUFT:KASBER"}).logZeile,
            "Abbruch: Unbekannter Parameter \"-HERKUFT:KASBER\"");
  EXPECT_EQ(Pruefe({"-MAND:1", "-MONAT:V", "KASBER"}).logZeile,
            "Abbruch: Unbekannter Parameter \"KASBER\"");
  EXPECT_EQ(Pruefe({"-MAND:1", "-MONAT:V", "-HERKUNFT:KASSE"}).logZeile,
            "Abbruch: Unbekannte Herkunft \"KASSE\"");
  EXPECT_TRUE(Pruefe({"-MAND:1", "-MONAT:V", "-HERKUNFT:KASBER"}).ok);
}

TEST(BatchParameter, PeriodFormsAndTheirRefusals) {
  EXPECT_EQ(Pruefe({"-mand:1", "-heute:0"}).logZeile,
            "Abbruch: Parameter für die aktuelle Auswertung (Heute) ist ungültig");
  EXPECT_EQ(Pruefe({"-MAND:1", "-MONAT:a"}).logZeile,
            "Abbruch: Falscher Parameter für Monatszeitraum (-MONAT) eingegeben");
  EXPECT_EQ(Pruefe({"-MAND:1", "-VDATUM:01012024", "-BDATUM:31122024", "-HEUTE:5"}).logZeile,
            "Abbruch: Es wurde keine verwertbarer Parameterkombination gefunden");
  EXPECT_EQ(Pruefe({"-MONAT:V"}).logZeile,
            "Abbruch: Es wurde keine verwertbarer Parameterkombination gefunden");
  EXPECT_EQ(Pruefe({"-MAND:1", "-VDATUM:31022024", "-BDATUM:31032024"}).logZeile,
            "Abbruch: Eingegebenes Datum ist unlogisch");
  EXPECT_EQ(Pruefe({"-MAND:1", "-VDATUM:0102024", "-BDATUM:31032024"}).logZeile,
            "Abbruch: Mind. ein Datumsparameter fehlt");
  EXPECT_EQ(Pruefe({"-MAND:1", "-VDATUM:01042024", "-BDATUM:31032024"}).logZeile,
            "Abbruch: VonDatum ist größer als BisDatum");
  const auto notNumeric = Pruefe({"-MAND:1", "-VDATUM:0I012024", "-BDATUM:31032024"});
  EXPECT_FALSE(notNumeric.ok);
}

TEST(BatchParameter, ComputedPeriods) {
  const auto previous = Pruefe({"-MAND:1", "-MONAT:V"});  // in January: December before
  ASSERT_TRUE(previous.ok);
  EXPECT_EQ(previous.von, EncodeDate(2023, 12, 1));
  EXPECT_EQ(previous.bis, EncodeDate(2023, 12, 31));
  const auto current = Pruefe({"-MAND:1", "-MONAT:A"});
  EXPECT_EQ(current.von, EncodeDate(2024, 1, 1));
  EXPECT_EQ(current.bis, EncodeDate(2024, 1, 17));
  const auto days = Pruefe({"-MAND:1", "-HEUTE:5"});
  EXPECT_EQ(days.von, EncodeDate(2024, 1, 12));
  EXPECT_EQ(days.bis, EncodeDate(2024, 1, 17));
  const auto given = Pruefe({"-MAND:2", "-VDATUM:01122023", "-BDATUM:31012024"});
  ASSERT_TRUE(given.ok);
  EXPECT_EQ(given.mandKurzNr, 2);
  EXPECT_EQ(given.von, EncodeDate(2023, 12, 1));
}

TEST(BatchParameter, ClientFormatAndActiveFormatChecks) {
  EXPECT_EQ(Pruefe({"-MAND:x", "-MONAT:V"}).logZeile, "Abbruch: Mandantenkurznummer ist ungültig");
  EXPECT_EQ(Pruefe({"-MAND:0", "-MONAT:V"}).logZeile, "Abbruch: Mandantenkurznummer ist ungültig");
  EXPECT_EQ(Pruefe({"-MAND:3", "-MONAT:V"}).logZeile,
            "Abbruch: Mandantenkurznummer ist außerhalb der Reichweite");
  const auto wrongCase = Pruefe({"-MAND:1", "-MONAT:V", "-EXPORTER:datev1.4"});
  EXPECT_FALSE(wrongCase.ok);
  EXPECT_EQ(wrongCase.logZeile, "Abbruch: Unbekanntes Exportformat \"datev1.4\"");
  EXPECT_TRUE(Pruefe({"-MAND:1", "-MONAT:V", "-EXPORTER:DATEV1.4"}).ok);

  auto noFormat = Kontext();
  noFormat.aktExporterName.clear();
  EXPECT_EQ(Pruefe({"-MAND:1", "-MONAT:V"}, noFormat).logZeile,
            "Abbruch: Bitte wählen Sie in den Einstellungen zunächst ein Exportformat");
  // A format named for the run is enough.
  EXPECT_TRUE(Pruefe({"-MAND:1", "-MONAT:V", "-EXPORTER:DATEV1.4"}, noFormat).ok);
}

}  // namespace
