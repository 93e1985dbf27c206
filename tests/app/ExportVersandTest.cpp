#include <gtest/gtest.h>

#include "app/ExportVersand.h"
#include "suite/DateTime.h"
#include "support/TestSuite.h"

namespace {

// Records what the program hands over and what its mail-data call-back adds.
class TAufzeichnung final : public IDocBroadcast {
 public:
  std::vector<TBroadcastDokument> gesendet;
  TBroadcastMailDaten daten;
  TMailErgebnis Versenden(const TBroadcastDokument& dokument,
                          const TBroadcastRueckrufe& rueckrufe) override {
    gesendet.push_back(dokument);
    if (rueckrufe.MailDaten) rueckrufe.MailDaten(dokument, daten);
    return {TMailStatus::Gesendet, "Die Mail wurde an x@y.example versandt."};
  }
};

TAbrechnung Abrechnung() {
  return {{1, 1}, 12, 2024, EncodeDate(2024, 11, 1), EncodeDate(2024, 11, 30)};
}

TEST(ExportVersand, AttachmentsPlaceholdersAndDocumentData) {
  const auto einzeln =
      VersandDokument(Abrechnung(), "/x/a.csv", "/x/b.ini", {"/x/a.csv"}, EncodeDate(2024, 12, 2));
  EXPECT_EQ(einzeln.Anhaenge, (std::vector<std::string>{"/x/a.csv", "/x/b.ini"}));
  EXPECT_EQ(einzeln.HauptName, "SALDIX");
  EXPECT_EQ(einzeln.UnterName, "Versand");
  EXPECT_EQ(einzeln.DokumentText, "12/2024");
  EXPECT_EQ(einzeln.DokumentTyp, 2);
  ASSERT_EQ(einzeln.Platzhalter.size(), 4u);
  EXPECT_EQ(einzeln.Platzhalter[1].Anzeige, "Erstelldatum des Exports");

  const auto serie = VersandDokument(Abrechnung(), "/x/c.csv", "", {"/x/a.csv", "/x/c.csv"},
                                     EncodeDate(2024, 12, 2));
  EXPECT_EQ(serie.Anhaenge, (std::vector<std::string>{"/x/a.csv", "/x/c.csv"}));

  // A comma belongs to the path, not between two files.
  const auto komma = VersandDokument(Abrechnung(), "/Steuer, 2026/a.csv", "",
                                     {"/Steuer, 2026/a.csv"}, EncodeDate(2024, 12, 2));
  EXPECT_EQ(komma.Anhaenge, (std::vector<std::string>{"/Steuer, 2026/a.csv"}));

  EXPECT_EQ(PlatzhalterErsetzen("Export #abrnummer# vom #VonDatum# bis #BISDATUM#, #ABRNUMMER#",
                                einzeln.Platzhalter),
            "Export 12/2024 vom 01.11.2024 bis 30.11.2024, 12/2024");
}

TEST(ExportVersand, WithoutMailDispatchItSaysSoAndSendsNothing) {
  TestSuite suite;
  EXPECT_FALSE(AlsMailVersenden(Abrechnung(), "/x/a.csv", "", {}, DocBroadcast()));
  EXPECT_NE(suite.Messages().LastText().find("Der Mailversand ist nicht eingerichtet"),
            std::string::npos);
  EXPECT_NE(
      suite.Messages().LastText().find("Die Exportdatei wurde erstellt, aber nicht versandt."),
            std::string::npos);
  TAufzeichnung aufzeichnung;
  EXPECT_TRUE(AlsMailVersenden(Abrechnung(), "/x/a.csv", "/x/b.ini", {}, aufzeichnung));
  ASSERT_EQ(aufzeichnung.gesendet.size(), 1u);
  EXPECT_EQ(aufzeichnung.daten.Anhaenge, (std::vector<std::string>{"/x/a.csv", "/x/b.ini"}));
  EXPECT_EQ(aufzeichnung.daten.DokumentTyp, 2);
}

}  // namespace
